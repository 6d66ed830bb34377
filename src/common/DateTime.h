// Date values: days since 30 December 1899 as a double, the fraction being the
// time of day. Portable; no platform headers.
#pragma once

using TDateTime = double;

// One minute as a date-value difference.
inline constexpr double OneMinute = 1.0 / 1440.0;
inline constexpr double OneSecond = 1.0 / 86400.0;

struct DateParts {
    int year = 1899, month = 12, day = 30;
};

struct TimeParts {
    int hour = 0, minute = 0, second = 0, msec = 0;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second, int msec = 0);

// Encode and decode. EncodeDate and EncodeTime throw EConvertError for an
// invalid date or time (years 1 to 9999).
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec = 0);
DateParts DecodeDate(TDateTime value);
TimeParts DecodeTime(TDateTime value);

// The date part alone (whole days) and the time part alone (fraction).
// Values are read to the nearest millisecond, so a value a hair below midnight
// belongs to the next day. Before 30 December 1899 the value is negative: the
// date part is the value cut towards zero and the time of day is the size of
// the fraction (-1.25 is 29 December 1899, 06:00).
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);
// The value of a date part and a time of day; the inverse of DateOf/TimeOf.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

// Sunday = 1 ... Saturday = 7.
int DayOfWeek(TDateTime value);

// Adds whole months keeping the day number, cut to the target month's length;
// the time of day is kept.
TDateTime IncMonth(TDateTime value, int months);
