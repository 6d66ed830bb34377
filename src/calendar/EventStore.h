// The event store conventions: where an event of a date lives ("Events\" + its
// day key), how its values are named (its time name), and the look-ups of a
// day's events, colour and icon. Portable; every access goes through Store.
#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/CalendarColors.h"
#include "common/DateTime.h"
#include "common/FormatSettings.h"
#include "common/Store.h"

// The four Types, in the order every reader tries them; the index is the item
// of the editor's "Frequency" group.
enum EventType : int { TypeDayOnly = 0, TypeWeekly = 1, TypeMonthly = 2, TypeYearly = 3 };
inline constexpr std::array<const wchar_t*, 4> EventTypePatterns{L"ddddd", L"ddd", L"d", L"m/d"};
// -1 for a text that is none of the four patterns.
int EventTypeIndex(std::wstring_view pattern);

// The reminder subkeys below a day key, in the order of the day list's columns.
inline constexpr std::array<const wchar_t*, 4> ReminderNames{
    L"Day Before", L"Week Before", L"2 Weeks Before", L"Month Before"};

// A date's four day keys, indexed by EventType.
using DayKeys = std::array<std::wstring, 4>;

// Absolute store path of a day key, and of one of its subkeys ("Events",
// "Icons", "Reminders\Day Before" ...).
std::wstring DayKeyPath(const std::wstring& dayKey);
std::wstring DayKeyPath(const std::wstring& dayKey, const std::wstring& subkey);
std::wstring ReminderSubkey(int reminder);

// A stored decimal number; nothing for the empty text or text that is no
// number, so that a damaged value reads as a missing one.
std::optional<int> StoredNumber(const std::wstring& text);

// One event as the day list carries it: nothing merged, one row per value of
// an "\Events" subkey.
struct EventRow {
    std::wstring time;         // the time name (caption)
    std::wstring description;
    std::wstring location;
    std::wstring dayKey;       // the key the event is filed under ("Date" column)
    std::array<std::wstring, 4> reminders;  // "Yes" or "" as stored, ReminderNames order
    std::wstring type;         // "ddddd", "ddd", "d" or "m/d"
    std::wstring date;         // the row's date formatted with "ddddd"
    int imageIndex = 0;        // the event's icon number, 0 without one

    bool operator==(const EventRow&) const = default;
};

// A first non-empty value found by a look-up, with the number of store reads
// it took.
struct LookUp {
    std::wstring text;
    int reads = 0;
};

// A yes/no question put to the user (Yes = true).
using Confirm = std::function<bool(const std::wstring& question)>;

class EventStore {
public:
    EventStore(Store& store, const FormatSettings& settings);

    Store& store() const { return store_; }
    const FormatSettings& settings() const { return settings_; }

    std::wstring Format(const wchar_t* pattern, TDateTime value) const;
    DayKeys DayKeysOf(TDateTime date) const;
    std::wstring TimeName(TDateTime value) const;

    // Every event of the four day keys, in type order and, within a key, in
    // the store's order; rows dated `date`.
    std::vector<EventRow> EventsOf(TDateTime date) const;

    // First non-empty "CalColor" of the full, weekly, monthly, yearly keys.
    LookUp DayColorText(const DayKeys& keys) const;
    // First non-empty "CalIndex" of the full, monthly, yearly keys: the icon a
    // grid cell draws (a weekly icon would decorate a whole column).
    LookUp GridIconText(const DayKeys& keys) const;
    // First non-empty "CalIndex" of all four keys: the icon the palette
    // preselects when the day is clicked.
    LookUp PaletteIconText(const DayKeys& keys) const;

    std::optional<TColor> DayColor(TDateTime date) const;
    std::optional<int> PaletteIcon(TDateTime date) const;

private:
    LookUp FirstNonEmpty(const DayKeys& keys, std::initializer_list<int> order,
                         const wchar_t* valueName) const;

    Store& store_;
    const FormatSettings& settings_;
};

// The palette cell (column, row) that shows an icon number; cell (0, 0) for
// none or a negative number.
struct PaletteCell {
    int column = 0, row = 0;
    bool operator==(const PaletteCell&) const = default;
};
inline constexpr int PaletteColumns = 11;
PaletteCell PaletteCellOf(std::optional<int> icon);
