// A store held in memory, for tests of the logic above the store and for
// anything that must run without the registry. Follows the rules of Store.h;
// values are kept in the order Wine's registry lists them.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "Store.h"

class MemoryStore : public Store {
public:
    MemoryStore();
    ~MemoryStore() override;
    MemoryStore(const MemoryStore&) = delete;
    MemoryStore& operator=(const MemoryStore&) = delete;

    std::wstring ReadString(const std::wstring& keyPath, const std::wstring& name) override;
    std::optional<std::vector<StoreValue>> ReadValues(const std::wstring& keyPath,
                                                      std::size_t maxValues) override;
    void WriteString(const std::wstring& keyPath, const std::wstring& name,
                     const std::wstring& value) override;
    bool DeleteValue(const std::wstring& keyPath, const std::wstring& name) override;
    bool KeyExists(const std::wstring& keyPath) override;
    std::vector<std::wstring> ValueNames(const std::wstring& keyPath) override;
    std::vector<std::wstring> SubkeyNames(const std::wstring& keyPath) override;
    void DeleteKey(const std::wstring& keyPath) override;
    void DeleteKeyIfEmpty(const std::wstring& keyPath) override;
    void Flush(const std::wstring& keyPath) override;

    // Stores a value of another type than a string, as an integer value of the
    // registry would be, so that tests can see ReadString refuse it. Creates the
    // path like WriteString.
    void WriteInteger(const std::wstring& keyPath, const std::wstring& name, std::uint32_t value);

private:
    struct Value {
        std::wstring name;
        std::wstring text;
        bool isString = true;
    };
    struct Key {
        std::wstring name;
        std::vector<Value> values;               // sorted by CompareStoreNames
        std::vector<std::unique_ptr<Key>> subkeys;  // sorted by CompareStoreNames
    };

    using Subkeys = std::vector<std::unique_ptr<Key>>;
    static std::vector<Value>::iterator ValueSlot(Key& key, const std::wstring& name);
    static Subkeys::iterator SubkeySlot(Key& key, const std::wstring& name);
    static Value* FindValue(Key& key, const std::wstring& name);
    static Key* FindSubkey(Key& key, const std::wstring& name);

    Key* FindKey(const std::vector<std::wstring>& names);
    Key* FindKey(const std::wstring& keyPath) { return FindKey(SplitKeyPath(keyPath)); }
    Key& CreateKey(const std::wstring& keyPath);
    void PutValue(const std::wstring& keyPath, const std::wstring& name, Value value);

    Key root_;
};
