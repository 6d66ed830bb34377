#include "calendar/CalendarPrefs.h"

#include <string>

#include "calendar/EventStore.h"
#include "common/StoreAccess.h"

CalendarPreferences LoadCalendarPreferences(Store& store) {
    const std::wstring key = RegistryRoot + L"Preferences";
    auto color = [&](const wchar_t* name, TColor fallback) {
        return StoredNumber(store.ReadString(key, name)).value_or(fallback);
    };
    CalendarPreferences prefs;
    prefs.WeekdayBackColor = color(L"Weekday Back Color", prefs.WeekdayBackColor);
    prefs.WeekendBackColor = color(L"Weekend Back Color", prefs.WeekendBackColor);
    prefs.CalTextColor = color(L"Cal Text Color", prefs.CalTextColor);
    prefs.HolidayColor = color(L"Holiday Color", prefs.HolidayColor);
    prefs.ShowHolidays = store.ReadString(key, L"Show Holidays") != L"No";
    for (size_t i = 0; i < prefs.ColumnWidths.size(); ++i)
        prefs.ColumnWidths[i] = StoredNumber(store.ReadString(key, L"Column" + std::to_wstring(i)));
    return prefs;
}
