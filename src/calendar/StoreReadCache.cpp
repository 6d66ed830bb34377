#include "calendar/StoreReadCache.h"

#include <cwctype>

namespace {

std::wstring Folded(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

}  // namespace

std::wstring StoreReadCache::ReadString(const std::wstring& keyPath, const std::wstring& name) {
    const std::wstring slot = Folded(NormalizeKeyPath(keyPath)) + L'\n' + Folded(name);
    if (const auto found = values_.find(slot); found != values_.end()) return found->second;
    std::wstring value = inner_.ReadString(keyPath, name);
    // A month seldom needs more than a few hundred values; a long walk
    // through the months starts afresh rather than growing without end.
    if (values_.size() >= maxEntries_) values_.clear();
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
