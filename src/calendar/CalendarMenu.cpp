#include "calendar/CalendarMenu.h"

#include <algorithm>
#include <cwctype>

namespace {

wchar_t FoldCase(wchar_t c) {
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + (L'a' - L'A'));
    // Latin-1 capitals (except the multiplication sign) lie 32 below their small letters.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
    return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
}

}  // namespace

int CompareTextNoCase(const std::wstring& a, const std::wstring& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const wchar_t x = FoldCase(a[i]), y = FoldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

std::wstring EventMenuEntry(const std::wstring& description, const std::wstring& timeName) {
    std::wstring entry = description.size() > MenuDescriptionLength
                             ? description.substr(0, MenuDescriptionLength) + L"..."
                             : description;
    return entry + L"\t" + timeName;
}

std::vector<std::wstring> EventMenuEntries(const EventStore& events, TDateTime date,
                                           const TextCompare& compare) {
    std::vector<std::wstring> entries;
    for (const std::wstring& key : events.DayKeysOf(date)) {
        const std::wstring path = DayKeyPath(key, L"Events");
        for (const std::wstring& name : events.store().ValueNames(path))
            entries.push_back(EventMenuEntry(events.store().ReadString(path, name), name));
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const std::wstring& a, const std::wstring& b) { return compare(a, b) < 0; });
    return entries;
}

std::vector<PopupItem> CalendarPopupItems(const std::vector<std::wstring>& entries,
                                          const std::wstring& holiday, bool showHolidays) {
    const PopupItem separator{L"", L"-"};
    std::vector<PopupItem> items;
    for (size_t i = 0; i < entries.size(); ++i)
        items.push_back({L"mnu_Event" + std::to_wstring(i), entries[i]});
    if (!entries.empty()) items.push_back(separator);
    if (showHolidays && !holiday.empty()) {
        items.push_back({L"mnu_Holiday1", L"Holiday - " + holiday, true});
        items.push_back(separator);
    }
    items.push_back({L"mnu_Cancel10", L"Cancel Menu"});
    return items;
}

std::wstring TimeOfMenuCaption(const std::wstring& caption) {
    const size_t tab = caption.find(L'\t');
    return tab == std::wstring::npos ? caption : caption.substr(tab + 1);
}
