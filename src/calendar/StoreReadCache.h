// A Store that remembers the values it has read until it is told that the
// store below may have changed (Invalidate), or until it writes itself. The
// month grid reads the same few hundred values on every repaint; the window
// invalidates the cache whenever the registry reports a change, so that every
// change shows at the next repaint. Listings and key tests are not cached.
// Portable.
#pragma once
#include <cstddef>
#include <string>
#include <unordered_map>

#include "common/Store.h"

class StoreReadCache : public Store {
public:
    explicit StoreReadCache(Store& inner, std::size_t maxEntries = 4096)
        : inner_(inner), maxEntries_(maxEntries) {}

    void Invalidate() { values_.clear(); }
    std::size_t Size() const { return values_.size(); }

    std::wstring ReadString(const std::wstring& keyPath, const std::wstring& name) override;
    void WriteString(const std::wstring& keyPath, const std::wstring& name, const std::wstring& value) override;
    bool DeleteValue(const std::wstring& keyPath, const std::wstring& name) override;
    bool KeyExists(const std::wstring& keyPath) override { return inner_.KeyExists(keyPath); }
    std::vector<std::wstring> ValueNames(const std::wstring& keyPath) override { return inner_.ValueNames(keyPath); }
    std::vector<std::wstring> SubkeyNames(const std::wstring& keyPath) override { return inner_.SubkeyNames(keyPath); }
    void DeleteKey(const std::wstring& keyPath) override;
    void DeleteKeyIfEmpty(const std::wstring& keyPath) override;
    void Flush(const std::wstring& keyPath) override { inner_.Flush(keyPath); }

private:
    Store& inner_;
    std::size_t maxEntries_;
    // Key: the normalised key path, a newline, the value name folded to lower
    // case as the store compares names.
    std::unordered_map<std::wstring, std::wstring> values_;
};
