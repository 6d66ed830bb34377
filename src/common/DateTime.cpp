#include "common/DateTime.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/Errors.h"

namespace {

constexpr long long MsPerDay = 86400000;
// Day number of 30 December 1899 counted from 1 January 1970.
constexpr long long EpochOffset = -25569;

// Days from 1 January 1970 of a proleptic Gregorian date (any year).
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DateParts CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

// A value split into its day number and its time of day in whole milliseconds.
// Rounding to the millisecond is what makes 14:30 read back as 14:30:00.000;
// a time that rounds up to a full day moves to the next day (away from the
// epoch for negative values, whose date part is cut towards zero).
struct SplitValue {
    long long day;
    long long msOfDay;
};

SplitValue Split(TDateTime value) {
    const double whole = std::trunc(value);
    long long day = static_cast<long long>(whole);
    long long ms = std::llround(std::fabs(value - whole) * MsPerDay);
    if (ms >= MsPerDay) {
        ms -= MsPerDay;
        day += value < 0 ? -1 : 1;
    }
    return {day, ms};
}

}  // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : lengths[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int msec) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
           second <= 59 && msec >= 0 && msec <= 999;
}

TDateTime EncodeDate(int year, int month, int day) {
    if (!IsValidDate(year, month, day))
        throw EConvertError(L"Invalid date: year " + std::to_wstring(year) + L", month " +
                            std::to_wstring(month) + L", day " + std::to_wstring(day));
    return static_cast<double>(DaysFromCivil(year, month, day) - EpochOffset);
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    if (!IsValidTime(hour, minute, second, msec))
        throw EConvertError(L"Invalid time: " + std::to_wstring(hour) + L":" +
                            std::to_wstring(minute) + L":" + std::to_wstring(second) + L"." +
                            std::to_wstring(msec));
    const long long ms = ((hour * 60LL + minute) * 60 + second) * 1000 + msec;
    return static_cast<double>(ms) / MsPerDay;
}

DateParts DecodeDate(TDateTime value) {
    return CivilFromDays(Split(value).day + EpochOffset);
}

TimeParts DecodeTime(TDateTime value) {
    const long long ms = Split(value).msOfDay;
    return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

TDateTime DateOf(TDateTime value) {
    return static_cast<double>(Split(value).day);
}

TDateTime TimeOf(TDateTime value) {
    return static_cast<double>(Split(value).msOfDay) / MsPerDay;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
    return date < 0 ? date - time : date + time;
}

int DayOfWeek(TDateTime value) {
    // Day 0 (30 December 1899) was a Saturday.
    const long long d = Split(value).day;
    return static_cast<int>(((d - 1) % 7 + 7) % 7) + 1;
}

TDateTime IncMonth(TDateTime value, int months) {
    const DateParts date = DecodeDate(value);
    const long long monthIndex = date.year * 12LL + (date.month - 1) + months;
    const int year = static_cast<int>(monthIndex / 12);
    const int month = static_cast<int>(monthIndex % 12) + 1;
    const int day = std::min(date.day, DaysInMonth(year, month));
    return ComposeDateTime(EncodeDate(year, month, day), TimeOf(value));
}
