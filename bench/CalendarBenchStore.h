// The store the calendar benchmarks paint over: 10,000 events spread over
// every kind of day key and four years of dates around the shown month, with
// locations, icons, reminders, day icons, day colours and holidays.
#pragma once
#include <string>

#include "calendar/EventStore.h"
#include "common/DateTime.h"
#include "holidays/HolidayStore.h"

inline constexpr int BenchEventCount = 10000;

inline void FillCalendarBenchStore(Store& store, const EventStore& events) {
    const TDateTime first = EncodeDate(2023, 1, 1);
    for (int i = 0; i < BenchEventCount; ++i) {
        const int type = i % 4;
        const TDateTime day = first + (i / 4) % 1461;
        const TDateTime when = day + EncodeTime((i / 7) % 24, (i / 13) % 60, 0);
        const std::wstring key = events.Format(EventTypePatterns[type], when);
        const std::wstring name = events.TimeName(when);
        store.WriteString(DayKeyPath(key, L"Events"), name, L"Event " + std::to_wstring(i));
        if (i % 3 == 0) store.WriteString(DayKeyPath(key, L"Locations"), name, L"Somewhere");
        if (i % 5 == 0) store.WriteString(DayKeyPath(key, L"Icons"), name, std::to_wstring(i % 40));
        if (i % 7 == 0) store.WriteString(DayKeyPath(key, ReminderSubkey(i % 4)), name, L"Yes");
        if (i % 11 == 0) store.WriteString(DayKeyPath(key), L"CalIndex", std::to_wstring(1 + i % 40));
        if (i % 17 == 0 && type == TypeDayOnly)
            store.WriteString(DayKeyPath(key), L"CalColor", std::to_wstring(i * 2654435761u % 16777215));
        if (i % 19 == 0) store.WriteString(HolidayKeyPath(day, events.settings()), L"", L"Holiday");
    }
}
