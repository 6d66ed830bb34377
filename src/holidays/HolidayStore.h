// Reading the holiday of a date: the default value of "Holidays\" + the date
// formatted with "yyyy\m/d" (a key per year, a subkey per month and day).
// Portable, read only.
#pragma once
#include <string>

#include "common/DateTime.h"
#include "common/FormatSettings.h"
#include "common/Store.h"

// Absolute store path of the key that holds the holiday of `date`.
std::wstring HolidayKeyPath(TDateTime date, const FormatSettings& settings);

// The holiday's description; "" when the date is no holiday.
std::wstring HolidayOf(Store& store, TDateTime date, const FormatSettings& settings);
