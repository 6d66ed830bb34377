#include "calendar/EventStore.h"

#include "common/DateFormat.h"
#include "common/Errors.h"
#include "common/StoreAccess.h"

int EventTypeIndex(std::wstring_view pattern) {
    for (int i = 0; i < static_cast<int>(EventTypePatterns.size()); ++i)
        if (pattern == EventTypePatterns[i]) return i;
    return -1;
}

std::wstring DayKeyPath(const std::wstring& dayKey) {
    return RegistryRoot + L"Events\\" + dayKey;
}

std::wstring DayKeyPath(const std::wstring& dayKey, const std::wstring& subkey) {
    return DayKeyPath(dayKey) + L"\\" + subkey;
}

std::wstring ReminderSubkey(int reminder) {
    return std::wstring(L"Reminders\\") + ReminderNames[reminder];
}

std::optional<int> StoredNumber(const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

PaletteCell PaletteCellOf(std::optional<int> icon) {
    if (!icon || *icon < 0) return {};
    return {*icon % PaletteColumns, *icon / PaletteColumns};
}

EventStore::EventStore(Store& store, const FormatSettings& settings)
    : store_(store), settings_(settings) {}

std::wstring EventStore::Format(const wchar_t* pattern, TDateTime value) const {
    return FormatDateTime(pattern, value, settings_);
}

DayKeys EventStore::DayKeysOf(TDateTime date) const {
    DayKeys keys;
    for (size_t i = 0; i < keys.size(); ++i) keys[i] = Format(EventTypePatterns[i], date);
    return keys;
}

std::wstring EventStore::TimeName(TDateTime value) const {
    return Format(L"t", value);
}

std::vector<EventRow> EventStore::EventsOf(TDateTime date) const {
    const DayKeys keys = DayKeysOf(date);
    const std::wstring dateText = keys[TypeDayOnly];
    std::vector<EventRow> rows;
    for (int type = 0; type < static_cast<int>(keys.size()); ++type) {
        const std::wstring& key = keys[type];
        const std::wstring eventsPath = DayKeyPath(key, L"Events");
        for (const std::wstring& name : store_.ValueNames(eventsPath)) {
            EventRow row;
            row.time = name;
            row.description = store_.ReadString(eventsPath, name);
            row.location = store_.ReadString(DayKeyPath(key, L"Locations"), name);
            row.dayKey = key;
            // A damaged icon number shows as no icon rather than stopping the
            // fill half-way: a half-filled list would be written back as the day.
            row.imageIndex = StoredNumber(store_.ReadString(DayKeyPath(key, L"Icons"), name)).value_or(0);
            for (int r = 0; r < static_cast<int>(ReminderNames.size()); ++r)
                row.reminders[r] = store_.ReadString(DayKeyPath(key, ReminderSubkey(r)), name);
            row.type = EventTypePatterns[type];
            row.date = dateText;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

LookUp EventStore::FirstNonEmpty(const DayKeys& keys, std::initializer_list<int> order,
                                 const wchar_t* valueName) const {
    LookUp result;
    for (int type : order) {
        ++result.reads;
        result.text = store_.ReadString(DayKeyPath(keys[type]), valueName);
        if (!result.text.empty()) break;
    }
    return result;
}

LookUp EventStore::DayColorText(const DayKeys& keys) const {
    return FirstNonEmpty(keys, {TypeDayOnly, TypeWeekly, TypeMonthly, TypeYearly}, L"CalColor");
}

LookUp EventStore::GridIconText(const DayKeys& keys) const {
    return FirstNonEmpty(keys, {TypeDayOnly, TypeMonthly, TypeYearly}, L"CalIndex");
}

LookUp EventStore::PaletteIconText(const DayKeys& keys) const {
    return FirstNonEmpty(keys, {TypeDayOnly, TypeWeekly, TypeMonthly, TypeYearly}, L"CalIndex");
}

std::optional<TColor> EventStore::DayColor(TDateTime date) const {
    return StoredNumber(DayColorText(DayKeysOf(date)).text);
}

std::optional<int> EventStore::PaletteIcon(TDateTime date) const {
    return StoredNumber(PaletteIconText(DayKeysOf(date)).text);
}
