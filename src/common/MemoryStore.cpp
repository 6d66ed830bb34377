#include "MemoryStore.h"

#include <algorithm>
#include "Errors.h"

MemoryStore::MemoryStore() = default;
MemoryStore::~MemoryStore() = default;

std::vector<MemoryStore::Value>::iterator MemoryStore::ValueSlot(Key& key, const std::wstring& name) {
    return std::lower_bound(key.values.begin(), key.values.end(), name,
                            [](const Value& v, const std::wstring& n) {
                                return CompareStoreNames(v.name, n) < 0;
                            });
}

MemoryStore::Subkeys::iterator MemoryStore::SubkeySlot(Key& key, const std::wstring& name) {
    return std::lower_bound(key.subkeys.begin(), key.subkeys.end(), name,
                            [](const std::unique_ptr<Key>& k, const std::wstring& n) {
                                return CompareStoreNames(k->name, n) < 0;
                            });
}

MemoryStore::Value* MemoryStore::FindValue(Key& key, const std::wstring& name) {
    auto it = ValueSlot(key, name);
    return it != key.values.end() && CompareStoreNames(it->name, name) == 0 ? &*it : nullptr;
}

MemoryStore::Key* MemoryStore::FindSubkey(Key& key, const std::wstring& name) {
    auto it = SubkeySlot(key, name);
    return it != key.subkeys.end() && CompareStoreNames((*it)->name, name) == 0 ? it->get() : nullptr;
}

MemoryStore::Key* MemoryStore::FindKey(const std::vector<std::wstring>& names) {
    Key* key = &root_;
    for (const std::wstring& name : names)
        if (!(key = FindSubkey(*key, name))) return nullptr;
    return key;
}

MemoryStore::Key& MemoryStore::CreateKey(const std::wstring& keyPath) {
    Key* key = &root_;
    for (const std::wstring& name : SplitKeyPath(keyPath)) {
        Key* child = FindSubkey(*key, name);
        if (!child) {
            auto created = std::make_unique<Key>();
            created->name = name;
            child = created.get();
            key->subkeys.insert(SubkeySlot(*key, name), std::move(created));
        }
        key = child;
    }
    return *key;
}

void MemoryStore::PutValue(const std::wstring& keyPath, const std::wstring& name, Value value) {
    // Checked before the path is created, so that a refused write leaves nothing behind.
    if (name.size() > MaxValueNameLength)
        throw ERegistryError(L"The value name \"" + name.substr(0, 40) +
                             L"...\" is too long to be stored.");
    Key& key = CreateKey(keyPath);
    if (Value* existing = FindValue(key, name)) {
        existing->text = std::move(value.text);
        existing->isString = value.isString;
        return;
    }
    value.name = name;
    key.values.insert(ValueSlot(key, name), std::move(value));
}

std::wstring MemoryStore::ReadString(const std::wstring& keyPath, const std::wstring& name) {
    Key* key = FindKey(keyPath);
    Value* value = key ? FindValue(*key, name) : nullptr;
    if (!value) return L"";
    if (!value->isString)
        throw ERegistryError(L"The value \"" + name + L"\" of the key \"" + keyPath +
                             L"\" is not a string value.");
    return value->text;
}

std::optional<std::vector<StoreValue>> MemoryStore::ReadValues(const std::wstring& keyPath,
                                                               std::size_t maxValues) {
    std::vector<StoreValue> values;
    Key* key = FindKey(keyPath);
    if (!key) return values;
    if (key->values.size() > maxValues) return std::nullopt;
    for (const Value& v : key->values)
        values.push_back({v.name, v.isString ? v.text : L"", v.isString});
    return values;
}

void MemoryStore::WriteString(const std::wstring& keyPath, const std::wstring& name,
                              const std::wstring& value) {
    std::wstring text = StoredText(value);
    if (!text.empty()) {
        PutValue(keyPath, name, Value{L"", std::move(text), true});
        return;
    }
    CreateKey(keyPath);
    DeleteValue(keyPath, name);
}

void MemoryStore::WriteInteger(const std::wstring& keyPath, const std::wstring& name,
                               std::uint32_t value) {
    PutValue(keyPath, name, Value{L"", std::to_wstring(value), false});
}

bool MemoryStore::DeleteValue(const std::wstring& keyPath, const std::wstring& name) {
    Key* key = FindKey(keyPath);
    if (!key || !FindValue(*key, name)) return false;
    key->values.erase(ValueSlot(*key, name));
    return true;
}

bool MemoryStore::KeyExists(const std::wstring& keyPath) { return FindKey(keyPath) != nullptr; }

std::vector<std::wstring> MemoryStore::ValueNames(const std::wstring& keyPath) {
    std::vector<std::wstring> names;
    if (Key* key = FindKey(keyPath))
        for (const Value& v : key->values) names.push_back(v.name);
    return names;
}

std::vector<std::wstring> MemoryStore::SubkeyNames(const std::wstring& keyPath) {
    std::vector<std::wstring> names;
    if (Key* key = FindKey(keyPath))
        for (const auto& k : key->subkeys) names.push_back(k->name);
    return names;
}

void MemoryStore::DeleteKey(const std::wstring& keyPath) {
    std::vector<std::wstring> names = SplitKeyPath(keyPath);
    if (names.empty()) throw ERegistryError(L"The top of the settings store cannot be deleted.");
    const std::wstring last = names.back();
    names.pop_back();
    Key* parent = FindKey(names);
    if (!parent || !FindSubkey(*parent, last)) return;
    parent->subkeys.erase(SubkeySlot(*parent, last));
}

void MemoryStore::DeleteKeyIfEmpty(const std::wstring& keyPath) {
    if (SplitKeyPath(keyPath).empty()) return;
    Key* key = FindKey(keyPath);
    if (key && key->values.empty() && key->subkeys.empty()) DeleteKey(keyPath);
}

void MemoryStore::Flush(const std::wstring&) {}
