// The settings store: keys addressed by backslash paths from the top of a hive,
// string values only. The registry implementation and the in-memory one follow
// the same rules; all logic reaches the store through this interface.
#pragma once
#include <string>
#include <vector>

class Store {
public:
    virtual ~Store() = default;

    // "" when the key or the value is missing. A value of another type than a
    // string throws ERegistryError. Never creates anything.
    virtual std::wstring ReadString(const std::wstring& keyPath, const std::wstring& name) = 0;
    // Creates every missing key on the path; "" deletes the value (silently
    // when it does not exist). Throws ERegistryError when the key cannot be
    // created or the value not stored.
    virtual void WriteString(const std::wstring& keyPath, const std::wstring& name,
                             const std::wstring& value) = 0;
    // Deletes one value; false when it was not there or could not be deleted.
    virtual bool DeleteValue(const std::wstring& keyPath, const std::wstring& name) = 0;

    virtual bool KeyExists(const std::wstring& keyPath) = 0;
    // Value names in creation order; empty for a missing key.
    virtual std::vector<std::wstring> ValueNames(const std::wstring& keyPath) = 0;
    // Subkey names sorted without regard to case; empty for a missing key.
    virtual std::vector<std::wstring> SubkeyNames(const std::wstring& keyPath) = 0;

    // Deletes a key with its whole subtree; a missing key is ignored.
    virtual void DeleteKey(const std::wstring& keyPath) = 0;
    // Deletes the key only when it holds no values and no subkeys.
    virtual void DeleteKeyIfEmpty(const std::wstring& keyPath) = 0;

    // Makes what was written below the key durable. Writes are visible to the
    // next read at once without it; operations that rewrite many values call it
    // once at their end.
    virtual void Flush(const std::wstring& keyPath) = 0;
};
