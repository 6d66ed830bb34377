// The calendar's colours and options, read from the Preferences key with their
// defaults, and the stored widths of the day list's first four columns.
// Portable.
#pragma once
#include <array>
#include <optional>

#include "calendar/CalendarColors.h"
#include "common/Store.h"

struct CalendarPreferences {
    TColor WeekdayBackColor = clWhite;
    TColor WeekendBackColor = clInfoBk;
    TColor CalTextColor = clBlack;
    TColor HolidayColor = clRed;
    bool ShowHolidays = true;
    // "Column0" to "Column3"; nothing where no width is stored.
    std::array<std::optional<int>, 4> ColumnWidths;
};

// A value that is missing, or that is no decimal number, takes its default.
CalendarPreferences LoadCalendarPreferences(Store& store);
