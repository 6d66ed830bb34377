// A Store that remembers the values it has read until it is told that the
// store below may have changed (Invalidate), or until it writes itself. The
// month grid reads the same few hundred values on every repaint; the window
// invalidates the cache whenever the registry reports a change, so that every
// change shows at the next repaint. Listings and key tests are not cached.
//
// The grid reads two or three values of each day key and mostly of keys that
// do not exist, so a miss fetches the key whole with ReadValues and remembers
// all of it: the other names of that key, present or absent, then cost
// nothing. Only keys of at most wholeKeyValues values are fetched whole (day
// and holiday keys hold a handful); a larger key, such as a day's "Events"
// list, is read one value at a time, so a single read never drags in
// hundreds. With wholeKeyValues 0 every miss reads just its one value.
// Absence is concluded from a whole key only for ASCII value names, whose case
// folding the cache and every store agree on; other names ask the store.
// Portable.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "common/Store.h"

class StoreReadCache : public Store {
public:
    static constexpr std::size_t DefaultWholeKeyValues = 8;

    explicit StoreReadCache(Store& inner, std::size_t maxEntries = 4096,
                            std::size_t wholeKeyValues = DefaultWholeKeyValues)
        : inner_(inner), maxEntries_(maxEntries), wholeKeyValues_(wholeKeyValues) {}

    void Invalidate();
    // Values, keys known whole and keys known too large to fetch whole.
    std::size_t Size() const { return values_.size() + wholeKeys_.size() + largeKeys_.size(); }

    std::wstring ReadString(const std::wstring& keyPath, const std::wstring& name) override;
    // Passed on uncached.
    std::optional<std::vector<StoreValue>> ReadValues(const std::wstring& keyPath,
                                                      std::size_t maxValues) override {
        return inner_.ReadValues(keyPath, maxValues);
    }
    void WriteString(const std::wstring& keyPath, const std::wstring& name, const std::wstring& value) override;
    bool DeleteValue(const std::wstring& keyPath, const std::wstring& name) override;
    bool KeyExists(const std::wstring& keyPath) override { return inner_.KeyExists(keyPath); }
    std::vector<std::wstring> ValueNames(const std::wstring& keyPath) override { return inner_.ValueNames(keyPath); }
    std::vector<std::wstring> SubkeyNames(const std::wstring& keyPath) override { return inner_.SubkeyNames(keyPath); }
    void DeleteKey(const std::wstring& keyPath) override;
    void DeleteKeyIfEmpty(const std::wstring& keyPath) override;
    void Flush(const std::wstring& keyPath) override { inner_.Flush(keyPath); }

private:
    // Nothing for a value that is no string: its read goes to the store,
    // which throws for it.
    using Cached = std::optional<std::wstring>;

    // Fetches the key whole when it is small; false when it is not.
    bool FetchWholeKey(const std::wstring& folderKey, const std::wstring& keyPath);
    // Starts afresh when `count` more entries would pass maxEntries.
    void MakeRoom(std::size_t count);

    Store& inner_;
    std::size_t maxEntries_;
    std::size_t wholeKeyValues_;
    // Key: the normalised key path folded to lower case, a newline, the value
    // name folded to lower case.
    std::unordered_map<std::wstring, Cached> values_;
    // Folded key paths whose every value is in values_ (a missing key too).
    std::unordered_set<std::wstring> wholeKeys_;
    // Folded key paths with more than wholeKeyValues values.
    std::unordered_set<std::wstring> largeKeys_;
};
