#include "toolkit/RegistryStore.h"

#include <algorithm>
#include "common/Errors.h"
#include "toolkit/RegKey.h"

namespace tk {

namespace {

std::wstring SystemMessage(LONG code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"error " + std::to_wstring(code);
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.'))
        message.pop_back();
    return message;
}

[[noreturn]] void Fail(const std::wstring& what, LONG code) {
    throw ERegistryError(what + L" (" + SystemMessage(code) + L").");
}

std::wstring ValueText(const std::wstring& keyPath, const std::wstring& name) {
    return L"the value \"" + name + L"\" of the key \"" + keyPath + L"\"";
}

}  // namespace

RegistryStore::RegistryStore(Hive hive)
    : hive_(hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER),
      readOnly_(hive == Hive::LocalMachine) {}

void RegistryStore::RequireWritable(const std::wstring& keyPath) const {
    if (readOnly_)
        throw ERegistryError(L"The key \"" + keyPath +
                             L"\" belongs to the machine-wide settings, which are read only.");
}

std::wstring RegistryStore::ReadString(const std::wstring& keyPath, const std::wstring& name) {
    // A key that cannot be opened reads like a missing one.
    RegKey key = RegKey::Open(hive_, NormalizeKeyPath(keyPath), KEY_QUERY_VALUE);
    if (!key) return L"";
    DWORD type = 0;
    std::vector<BYTE> data;
    const LONG r = key.QueryValue(name, type, data);
    if (r == ERROR_FILE_NOT_FOUND) return L"";
    if (r != ERROR_SUCCESS) Fail(L"Could not read " + ValueText(keyPath, name), r);
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryError(L"The value \"" + name + L"\" of the key \"" + keyPath +
                             L"\" is not a string value.");
    return TextOfRegData(data);
}

std::optional<std::vector<StoreValue>> RegistryStore::ReadValues(const std::wstring& keyPath,
                                                                 std::size_t maxValues) {
    std::vector<StoreValue> values;
    // A key that cannot be opened reads like a missing one, as in ReadString.
    RegKey key = RegKey::Open(hive_, NormalizeKeyPath(keyPath), KEY_QUERY_VALUE);
    if (!key) return values;
    std::vector<RegValue> raw;
    bool tooMany = false;
    const DWORD limit = DWORD(std::min<std::size_t>(maxValues, MAXDWORD));
    if (const LONG r = key.Values(raw, limit, tooMany); r != ERROR_SUCCESS)
        Fail(L"Could not read the values of the key \"" + keyPath + L"\"", r);
    if (tooMany) return std::nullopt;
    for (RegValue& v : raw) {
        const bool isString = v.type == REG_SZ || v.type == REG_EXPAND_SZ;
        values.push_back({std::move(v.name), isString ? TextOfRegData(v.data) : L"", isString});
    }
    return values;
}

void RegistryStore::WriteString(const std::wstring& keyPath, const std::wstring& name,
                                const std::wstring& value) {
    RequireWritable(keyPath);
    const std::wstring text = StoredText(value);
    // Refused before the key is created, so that a failed write leaves nothing.
    if (!text.empty() && name.size() > MaxValueNameLength)
        throw ERegistryError(L"The value name \"" + name.substr(0, 40) +
                             L"...\" is too long to be stored.");
    LONG r = ERROR_SUCCESS;
    RegKey key = RegKey::Create(hive_, NormalizeKeyPath(keyPath), KEY_SET_VALUE, &r);
    if (!key) Fail(L"Could not create the key \"" + keyPath + L"\"", r);
    if (text.empty()) {
        r = key.DeleteValue(name);
        if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND)
            Fail(L"Could not delete " + ValueText(keyPath, name), r);
        return;
    }
    r = key.SetString(name, text);
    if (r != ERROR_SUCCESS) Fail(L"Could not store " + ValueText(keyPath, name), r);
}

bool RegistryStore::DeleteValue(const std::wstring& keyPath, const std::wstring& name) {
    RequireWritable(keyPath);
    RegKey key = RegKey::Open(hive_, NormalizeKeyPath(keyPath), KEY_SET_VALUE);
    return key && key.DeleteValue(name) == ERROR_SUCCESS;
}

bool RegistryStore::KeyExists(const std::wstring& keyPath) {
    return bool(RegKey::Open(hive_, NormalizeKeyPath(keyPath), KEY_QUERY_VALUE));
}

std::vector<std::wstring> RegistryStore::ValueNames(const std::wstring& keyPath) {
    std::vector<std::wstring> names;
    RegKey key = RegKey::Open(hive_, NormalizeKeyPath(keyPath), KEY_QUERY_VALUE);
    if (!key) return names;
    if (const LONG r = key.ValueNames(names); r != ERROR_SUCCESS)
        Fail(L"Could not list the values of the key \"" + keyPath + L"\"", r);
    return names;
}

std::vector<std::wstring> RegistryStore::SubkeyNames(const std::wstring& keyPath) {
    std::vector<std::wstring> names;
    RegKey key = RegKey::Open(hive_, NormalizeKeyPath(keyPath), KEY_ENUMERATE_SUB_KEYS);
    if (!key) return names;
    if (const LONG r = key.SubkeyNames(names); r != ERROR_SUCCESS)
        Fail(L"Could not list the subkeys of the key \"" + keyPath + L"\"", r);
    // Windows and Wine order subkeys by different case rules; one order for both.
    std::stable_sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return CompareStoreNames(a, b) < 0;
    });
    return names;
}

void RegistryStore::DeleteKey(const std::wstring& keyPath) {
    RequireWritable(keyPath);
    const std::wstring path = NormalizeKeyPath(keyPath);
    if (path.empty()) throw ERegistryError(L"The top of the settings store cannot be deleted.");
    const LONG r = RegKey::DeleteTree(hive_, path);
    if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND)
        Fail(L"Could not delete the key \"" + keyPath + L"\"", r);
}

void RegistryStore::DeleteKeyIfEmpty(const std::wstring& keyPath) {
    RequireWritable(keyPath);
    const std::wstring path = NormalizeKeyPath(keyPath);
    if (path.empty()) return;
    RegKey key = RegKey::Open(hive_, path, KEY_QUERY_VALUE);
    if (!key) return;
    DWORD subkeys = 0, values = 0;
    if (key.CountEntries(subkeys, values) != ERROR_SUCCESS || subkeys || values) return;
    key.Close();
    const LONG r = RegKey::DeleteKey(hive_, path);
    if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND)
        Fail(L"Could not delete the key \"" + keyPath + L"\"", r);
}

void RegistryStore::Flush(const std::wstring& keyPath) {
    RegKey key = RegKey::Open(hive_, NormalizeKeyPath(keyPath), KEY_QUERY_VALUE);
    if (!key) return;
    if (const LONG r = key.Flush(); r != ERROR_SUCCESS)
        Fail(L"Could not save the key \"" + keyPath + L"\"", r);
}

}  // namespace tk
