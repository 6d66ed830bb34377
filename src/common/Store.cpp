#include "Store.h"

#include <algorithm>

namespace {

// Lower-case folding of one code unit, for the scripts that key and value names
// are likely to hold (locale day and month names). Other characters compare as
// they are.
wchar_t FoldCase(wchar_t c) {
    if (c < 0x80) return (c >= L'A' && c <= L'Z') ? wchar_t(c + 32) : c;
    if (c >= 0xC0 && c <= 0xDE) return c == 0xD7 ? c : wchar_t(c + 32);
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x130) return L'i';
        if (c == 0x178) return 0xFF;
        if (c <= 0x12F || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
            return wchar_t(c | 1);
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return (c & 1) ? wchar_t(c + 1) : c;
        return c;
    }
    if (c >= 0x386 && c <= 0x3A9) {
        if (c == 0x386) return 0x3AC;
        if (c >= 0x388 && c <= 0x38A) return wchar_t(c + 37);
        if (c == 0x38C) return 0x3CC;
        if (c == 0x38E || c == 0x38F) return wchar_t(c + 63);
        if (c >= 0x391 && c != 0x3A2) return wchar_t(c + 32);
        return c;
    }
    if (c >= 0x400 && c <= 0x52F) {
        if (c <= 0x40F) return wchar_t(c + 80);
        if (c <= 0x42F) return wchar_t(c + 32);
        if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || c >= 0x4D0)
            return wchar_t(c | 1);
        if (c == 0x4C0) return 0x4CF;
        if (c >= 0x4C1 && c <= 0x4CE) return (c & 1) ? wchar_t(c + 1) : c;
        return c;
    }
    return c;
}

}  // namespace

std::vector<std::wstring> SplitKeyPath(const std::wstring& keyPath) {
    std::vector<std::wstring> names;
    std::size_t start = 0;
    while (start <= keyPath.size()) {
        std::size_t end = keyPath.find(L'\\', start);
        if (end == std::wstring::npos) end = keyPath.size();
        if (end > start) names.push_back(keyPath.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::wstring NormalizeKeyPath(const std::wstring& keyPath) {
    std::wstring path;
    for (const std::wstring& name : SplitKeyPath(keyPath)) {
        if (!path.empty()) path += L'\\';
        path += name;
    }
    return path;
}

int CompareStoreNames(const std::wstring& a, const std::wstring& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = int(FoldCase(a[i])) - int(FoldCase(b[i]));
        if (d != 0) return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::wstring StoredText(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}
