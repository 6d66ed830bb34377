// A thin owner of one open registry key. Results are the registry's own error
// codes; deciding what is an error is left to the caller.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "Handles.h"

namespace tk {

// One value as the registry enumerates it.
struct RegValue {
    std::wstring name;
    DWORD type = 0;
    std::vector<BYTE> data;
};

struct RegKeyDeleter { void operator()(HKEY h) const { RegCloseKey(h); } };

class RegKey {
public:
    RegKey() = default;

    // Opens an existing key; an empty RegKey when it cannot be opened, with the
    // reason in *error. Paths are relative to parent, without a leading backslash.
    static RegKey Open(HKEY parent, const std::wstring& path, REGSAM access, LONG* error = nullptr);
    // Opens the key, creating it and every missing key along the path.
    static RegKey Create(HKEY parent, const std::wstring& path, REGSAM access, LONG* error = nullptr);
    // Deletes the key with all its values and its whole subtree.
    static LONG DeleteTree(HKEY parent, const std::wstring& path);
    // Deletes the key with its values; fails when it has subkeys.
    static LONG DeleteKey(HKEY parent, const std::wstring& path);

    HKEY get() const { return key_.get(); }
    explicit operator bool() const { return bool(key_); }
    void Close() { key_.reset(); }

    // The value's type and raw data; the buffer grows until the value fits.
    LONG QueryValue(const std::wstring& name, DWORD& type, std::vector<BYTE>& data) const;
    // Stores text as REG_SZ with its terminating NUL.
    LONG SetString(const std::wstring& name, const std::wstring& text) const;
    LONG DeleteValue(const std::wstring& name) const;
    LONG CountEntries(DWORD& subkeys, DWORD& values) const;
    // Names in the order the registry enumerates them.
    LONG ValueNames(std::vector<std::wstring>& names) const;
    LONG SubkeyNames(std::vector<std::wstring>& names) const;
    // Every value with its type and data, in the order the registry enumerates
    // them: one query of the key's sizes, then one call per value. When the key
    // holds more than maxCount values nothing more is read and tooMany is set.
    LONG Values(std::vector<RegValue>& values, DWORD maxCount, bool& tooMany) const;
    LONG Flush() const;

private:
    explicit RegKey(HKEY key) : key_(key) {}
    UniqueHandle<HKEY, RegKeyDeleter> key_;
};

// Text of REG_SZ or REG_EXPAND_SZ data, up to its first NUL; data without a
// terminator is taken whole.
std::wstring TextOfRegData(const std::vector<BYTE>& data);

}  // namespace tk
