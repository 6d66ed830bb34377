#include "calendar/DayList.h"

#include <algorithm>
#include <optional>
#include <set>

#include "common/DateFormat.h"
#include "common/Errors.h"
#include "common/StoreAccess.h"

DayListTexts ToColumns(const EventRow& row) {
    return {row.time,         row.description,  row.location,     row.dayKey,
            row.reminders[0], row.reminders[1], row.reminders[2], row.reminders[3],
            row.type,         row.date};
}

EventRow FromColumns(const DayListTexts& texts, int imageIndex) {
    EventRow row;
    row.time = texts[ColTime];
    row.description = texts[ColDescription];
    row.location = texts[ColLocation];
    row.dayKey = texts[ColDate];
    for (size_t i = 0; i < row.reminders.size(); ++i) row.reminders[i] = texts[ColDayBefore + i];
    row.type = texts[ColType];
    row.date = texts[ColShortDate];
    row.imageIndex = imageIndex;
    return row;
}

void DayListSort::ColumnClick(int clicked) {
    if (clicked == column) {
        inverted = !inverted;
    } else {
        column = clicked;
        inverted = false;
    }
}

namespace {

std::optional<TDateTime> TimeOfRow(const EventRow& row, const FormatSettings& settings) {
    try {
        return StrToTime(row.time, settings);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

int CompareEventRows(const EventRow& a, const EventRow& b, const DayListSort& sort,
                     const FormatSettings& settings) {
    if (sort.column == ColTime) {
        const auto ta = TimeOfRow(a, settings), tb = TimeOfRow(b, settings);
        int order = 0;
        if (ta && tb) order = *ta < *tb ? -1 : *ta > *tb ? 1 : 0;
        else if (ta || tb) order = ta ? -1 : 1;
        return sort.inverted ? order : -order;
    }
    if (sort.column == ColDescription || sort.column == ColLocation) {
        const std::wstring& x = sort.column == ColDescription ? a.description : a.location;
        const std::wstring& y = sort.column == ColDescription ? b.description : b.location;
        const int order = Sign(x.compare(y));
        return sort.inverted ? -order : order;
    }
    return 0;
}

void SortEventRows(std::vector<EventRow>& rows, const DayListSort& sort,
                   const FormatSettings& settings) {
    std::stable_sort(rows.begin(), rows.end(), [&](const EventRow& a, const EventRow& b) {
        return CompareEventRows(a, b, sort, settings) < 0;
    });
}

int FindRowByTime(const std::vector<EventRow>& rows, const std::wstring& time) {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const EventRow& row) { return row.time == time; });
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

DayPanelText DayPanelFor(TDateTime date, const std::wstring& holiday,
                         const CalendarPreferences& prefs, const FormatSettings& settings) {
    if (!holiday.empty() && prefs.ShowHolidays)
        return {FormatDateTime(L"ddddd - ", date, settings) + holiday, prefs.HolidayColor};
    return {FormatDateTime(L"dddd, mmmm d", date, settings), prefs.CalTextColor};
}

std::wstring RemoveDayIconQuestion(TDateTime date, const FormatSettings& settings) {
    return FormatDateTime(L"dddd, mmmm d, yyyy ", date, settings) +
           L"does not contain any events. Do you want to remove the day's icon also?";
}

namespace {

// Where a row goes back: the day key and time name made from its date, time
// and Type, or the ones it carries when those cannot be read.
struct RowTarget {
    std::wstring key, name;
};

RowTarget TargetOf(const EventRow& row, const EventStore& events, int pivotYear) {
    const int type = EventTypeIndex(row.type);
    if (type >= 0) {
        try {
            const TDateTime t = StrToDate(row.date, events.settings(), pivotYear) +
                                StrToTime(row.time, events.settings());
            return {events.Format(EventTypePatterns[type], t), events.TimeName(t)};
        } catch (const EConvertError&) {
        }
    }
    return {row.dayKey, row.time};
}

// A day key's own values, read before the key is deleted.
struct KeptDayValues {
    std::wstring key, calColor, calIndex;
};

}  // namespace

void SaveDayList(const EventStore& events, TDateTime currentDate, const std::vector<EventRow>& rows,
                 const Confirm& confirmRemoveIcon) {
    Store& store = events.store();
    const DayKeys keys = events.DayKeysOf(currentDate);
    const std::wstring& fullKey = keys[TypeDayOnly];

    // An odd short-date format can make two of the keys the same text.
    std::vector<KeptDayValues> kept;
    for (const std::wstring& key : keys) {
        if (std::any_of(kept.begin(), kept.end(), [&](const auto& k) { return k.key == key; })) continue;
        kept.push_back({key, store.ReadString(DayKeyPath(key), L"CalColor"),
                        store.ReadString(DayKeyPath(key), L"CalIndex")});
    }
    auto keptOf = [&](const std::wstring& key) -> const KeptDayValues& {
        return *std::find_if(kept.begin(), kept.end(), [&](const auto& k) { return k.key == key; });
    };

    int icon = -1;
    for (int type : {TypeDayOnly, TypeMonthly, TypeYearly}) {
        const std::wstring& text = keptOf(keys[type]).calIndex;
        if (!text.empty()) {
            icon = StoredNumber(text).value_or(-1);
            break;
        }
    }
    std::wstring color = keptOf(fullKey).calColor;

    // Everything is worked out before the first delete, so that nothing can
    // fail half-way through the rewrite and the question is asked while the
    // store still shows the day as it was.
    const int pivotYear = DecodeDate(currentDate).year;
    std::vector<RowTarget> targets;
    int rowsOnDay = 0;
    for (const EventRow& row : rows) {
        targets.push_back(TargetOf(row, events, pivotYear));
        if (row.date == fullKey) ++rowsOnDay;
        if (icon < 1) icon = row.imageIndex;
    }
    bool keepIcons = true;
    if (rowsOnDay == 0 && icon > 0 && confirmRemoveIcon(RemoveDayIconQuestion(currentDate, events.settings()))) {
        icon = 0;
        color.clear();
        keepIcons = false;
    }

    for (const KeptDayValues& k : kept) store.DeleteKey(DayKeyPath(k.key));

    std::set<std::wstring> keysWithRows;
    for (size_t i = 0; i < rows.size(); ++i) {
        const EventRow& row = rows[i];
        const RowTarget& target = targets[i];
        const std::wstring imageText = std::to_wstring(row.imageIndex);
        store.WriteString(DayKeyPath(target.key, L"Events"), target.name, row.description);
        store.WriteString(DayKeyPath(target.key, L"Locations"), target.name, row.location);
        store.WriteString(DayKeyPath(target.key, L"Icons"), target.name, imageText);
        for (int r = 0; r < static_cast<int>(ReminderNames.size()); ++r)
            store.WriteString(DayKeyPath(target.key, ReminderSubkey(r)), target.name, row.reminders[r]);
        store.WriteString(DayKeyPath(target.key), L"CalIndex", imageText);
        keysWithRows.insert(target.key);
    }

    for (const KeptDayValues& k : kept) {
        if (keepIcons && !k.calIndex.empty() && !keysWithRows.contains(k.key))
            store.WriteString(DayKeyPath(k.key), L"CalIndex", k.calIndex);
        if (k.key != fullKey && !k.calColor.empty())
            store.WriteString(DayKeyPath(k.key), L"CalColor", k.calColor);
    }
    if (icon > 0) store.WriteString(DayKeyPath(fullKey), L"CalIndex", std::to_wstring(icon));
    if (!color.empty()) store.WriteString(DayKeyPath(fullKey), L"CalColor", color);
    store.Flush(RegistryRoot + L"Events");
}
