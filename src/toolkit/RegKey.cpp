#include "toolkit/RegKey.h"

#include <algorithm>
#include <cstring>

namespace tk {

RegKey RegKey::Open(HKEY parent, const std::wstring& path, REGSAM access, LONG* error) {
    HKEY key = nullptr;
    const LONG r = RegOpenKeyExW(parent, path.c_str(), 0, access, &key);
    if (error) *error = r;
    return r == ERROR_SUCCESS ? RegKey(key) : RegKey();
}

RegKey RegKey::Create(HKEY parent, const std::wstring& path, REGSAM access, LONG* error) {
    HKEY key = nullptr;
    const LONG r = RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   access, nullptr, &key, nullptr);
    if (error) *error = r;
    return r == ERROR_SUCCESS ? RegKey(key) : RegKey();
}

LONG RegKey::DeleteTree(HKEY parent, const std::wstring& path) {
    return RegDeleteTreeW(parent, path.c_str());
}

LONG RegKey::DeleteKey(HKEY parent, const std::wstring& path) {
    return RegDeleteKeyW(parent, path.c_str());
}

LONG RegKey::QueryValue(const std::wstring& name, DWORD& type, std::vector<BYTE>& data) const {
    data.resize(256);
    for (;;) {
        DWORD size = DWORD(data.size());
        const LONG r = RegQueryValueExW(get(), name.c_str(), nullptr, &type, data.data(), &size);
        if (r == ERROR_MORE_DATA) {
            data.resize(std::max<std::size_t>(size, data.size() * 2));
            continue;
        }
        data.resize(r == ERROR_SUCCESS ? size : 0);
        return r;
    }
}

LONG RegKey::SetString(const std::wstring& name, const std::wstring& text) const {
    const DWORD bytes = DWORD((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}

LONG RegKey::DeleteValue(const std::wstring& name) const {
    return RegDeleteValueW(get(), name.c_str());
}

LONG RegKey::CountEntries(DWORD& subkeys, DWORD& values) const {
    return RegQueryInfoKeyW(get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                            &values, nullptr, nullptr, nullptr, nullptr);
}

namespace {

// Runs one of the RegEnum functions over every index, growing the name buffer
// when a name does not fit.
template <class EnumOne>
LONG EnumNames(std::vector<std::wstring>& names, EnumOne enumOne) {
    names.clear();
    std::vector<wchar_t> buffer(256);
    for (DWORD index = 0;;) {
        DWORD length = DWORD(buffer.size());
        const LONG r = enumOne(index, buffer.data(), &length);
        if (r == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (r == ERROR_MORE_DATA && buffer.size() <= 65536) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (r != ERROR_SUCCESS) return r;
        names.emplace_back(buffer.data(), length);
        ++index;
    }
}

}  // namespace

LONG RegKey::ValueNames(std::vector<std::wstring>& names) const {
    return EnumNames(names, [this](DWORD index, wchar_t* name, DWORD* length) {
        return RegEnumValueW(get(), index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

LONG RegKey::SubkeyNames(std::vector<std::wstring>& names) const {
    return EnumNames(names, [this](DWORD index, wchar_t* name, DWORD* length) {
        return RegEnumKeyExW(get(), index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

LONG RegKey::Values(std::vector<RegValue>& values, DWORD maxCount, bool& tooMany) const {
    values.clear();
    DWORD count = 0, longestName = 0, largestData = 0;
    LONG r = RegQueryInfoKeyW(get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                              &longestName, &largestData, nullptr, nullptr);
    tooMany = r == ERROR_SUCCESS && count > maxCount;
    if (r != ERROR_SUCCESS || tooMany) return r;
    // Sized from the key's own figures, so each value takes one call; a value
    // that grew since then only takes a second one.
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> data(std::max<DWORD>(largestData, 2));
    // The count read above saves the call that would end the enumeration; a
    // value deleted meanwhile ends it early.
    for (DWORD index = 0; index < count;) {
        DWORD nameLength = DWORD(name.size());
        DWORD type = 0, size = DWORD(data.size());
        r = RegEnumValueW(get(), index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (r == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (r == ERROR_MORE_DATA && name.size() <= 65536) {
            name.resize(name.size() * 2);
            data.resize(std::max<std::size_t>(size, data.size() * 2));
            continue;
        }
        if (r != ERROR_SUCCESS) return r;
        values.push_back({std::wstring(name.data(), nameLength), type,
                          std::vector<BYTE>(data.begin(), data.begin() + size)});
        ++index;
    }
    return ERROR_SUCCESS;
}

LONG RegKey::Flush() const { return RegFlushKey(get()); }

std::wstring TextOfRegData(const std::vector<BYTE>& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

}  // namespace tk
