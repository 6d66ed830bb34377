#include "calendar/StoreReadCache.h"

#include <algorithm>
#include <cwctype>

namespace {

std::wstring Folded(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

bool IsAscii(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

std::wstring Slot(const std::wstring& foldedKey, const std::wstring& name) {
    return foldedKey + L'\n' + Folded(name);
}

}  // namespace

void StoreReadCache::Invalidate() {
    values_.clear();
    wholeKeys_.clear();
    largeKeys_.clear();
}

void StoreReadCache::MakeRoom(std::size_t count) {
    // A month seldom needs more than a few hundred entries; a long walk
    // through the months starts afresh rather than growing without end.
    if (Size() + count > maxEntries_) Invalidate();
}

bool StoreReadCache::FetchWholeKey(const std::wstring& foldedKey, const std::wstring& keyPath) {
    std::optional<std::vector<StoreValue>> values = inner_.ReadValues(keyPath, wholeKeyValues_);
    MakeRoom(values ? values->size() + 1 : 1);
    if (!values) {
        largeKeys_.insert(foldedKey);
        return false;
    }
    for (StoreValue& v : *values)
        if (IsAscii(v.name))
            values_.emplace(Slot(foldedKey, v.name), v.isString ? Cached(std::move(v.text)) : Cached());
    wholeKeys_.insert(foldedKey);
    return true;
}

std::wstring StoreReadCache::ReadString(const std::wstring& keyPath, const std::wstring& name) {
    const std::wstring key = Folded(NormalizeKeyPath(keyPath));
    const std::wstring slot = Slot(key, name);
    auto found = values_.find(slot);
    if (found == values_.end() && wholeKeyValues_ > 0 && !wholeKeys_.contains(key) &&
        !largeKeys_.contains(key) && FetchWholeKey(key, keyPath))
        found = values_.find(slot);
    if (found != values_.end()) {
        if (!found->second) return inner_.ReadString(keyPath, name);
        return *found->second;
    }
    if (IsAscii(name) && wholeKeys_.contains(key)) return L"";

    std::wstring value = inner_.ReadString(keyPath, name);
    MakeRoom(1);
    values_.emplace(slot, value);
    return value;
}

void StoreReadCache::WriteString(const std::wstring& keyPath, const std::wstring& name, const std::wstring& value) {
    Invalidate();
    inner_.WriteString(keyPath, name, value);
}

bool StoreReadCache::DeleteValue(const std::wstring& keyPath, const std::wstring& name) {
    Invalidate();
    return inner_.DeleteValue(keyPath, name);
}

void StoreReadCache::DeleteKey(const std::wstring& keyPath) {
    Invalidate();
    inner_.DeleteKey(keyPath);
}

void StoreReadCache::DeleteKeyIfEmpty(const std::wstring& keyPath) {
    Invalidate();
    inner_.DeleteKeyIfEmpty(keyPath);
}
