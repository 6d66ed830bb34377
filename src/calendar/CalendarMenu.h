// The run-time items of the grid's right-click menu (pop_Cal): the events of
// the day sorted by description, its holiday and "Cancel Menu". Portable.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "calendar/EventStore.h"

// Number of design items ("New Event...", "-", "Remove Day's Icon", "-") that
// stay in pop_Cal; every item after them is rebuilt on each right click.
inline constexpr int PopupDesignItems = 4;
inline constexpr size_t MenuDescriptionLength = 45;

// Three-way text comparison (< 0, 0, > 0). The form may pass the locale's
// collation; the default folds case for the letters it knows.
using TextCompare = std::function<int(const std::wstring&, const std::wstring&)>;
int CompareTextNoCase(const std::wstring& a, const std::wstring& b);

// The description cut after 45 characters with "..." added, a tab, the time name.
std::wstring EventMenuEntry(const std::wstring& description, const std::wstring& timeName);

// The entries of every event of the day's four keys, sorted ignoring case
// (equal entries keep the key order).
std::vector<std::wstring> EventMenuEntries(const EventStore& events, TDateTime date,
                                           const TextCompare& compare = CompareTextNoCase);

struct PopupItem {
    std::wstring name;     // "mnu_Event0" ...; empty for a separator
    std::wstring caption;  // "-" for a separator
    bool checked = false;
    bool operator==(const PopupItem&) const = default;
};

// The items to append after the design items: one per entry and a separator,
// the checked holiday item and a separator when holidays are shown and the
// day has one, then "Cancel Menu".
std::vector<PopupItem> CalendarPopupItems(const std::vector<std::wstring>& entries,
                                          const std::wstring& holiday, bool showHolidays);

// The time that an item's caption names: the text after its first tab, the
// whole caption when it has none.
std::wstring TimeOfMenuCaption(const std::wstring& caption);
