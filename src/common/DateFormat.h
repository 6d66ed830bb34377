// Formatting date values with the pattern language, and reading text back.
// Portable; no platform headers.
#pragma once
#include <string>
#include "DateTime.h"
#include "FormatSettings.h"

// Pattern language: d dd ddd dddd ddddd dddddd, m mm mmm mmmm (m after an hour
// means minutes), yy yyyy, h hh, n nn, s ss, z zzz, t tt, am/pm a/p ampm,
// "/" and ":" become the locale's separators, '..' and ".." quote literals,
// every other character is copied.
std::wstring FormatDateTime(const std::wstring& pattern, TDateTime value,
                            const FormatSettings& settings);
std::wstring FormatDateTime(const std::wstring& pattern, TDateTime value);

// Reading text back with the locale's formats. Dates follow the locale's
// day/month/year order; a two-digit year is placed by the window (see
// ExpandTwoDigitYear). Times take hours and minutes, optional seconds, optional
// AM/PM text. Text that does not convert throws EConvertError naming the text.
TDateTime StrToDate(const std::wstring& text, const FormatSettings& settings,
                    int currentYear);
TDateTime StrToTime(const std::wstring& text, const FormatSettings& settings);
TDateTime StrToDateTime(const std::wstring& text, const FormatSettings& settings,
                        int currentYear);
// Versions that use CurrentFormatSettings() and the current year of the clock.
TDateTime StrToDate(const std::wstring& text);
TDateTime StrToTime(const std::wstring& text);
TDateTime StrToDateTime(const std::wstring& text);

// The two-digit-year rule: yy becomes the century of (currentYear - window)
// plus yy, and 100 more when that is still before (currentYear - window).
int ExpandTwoDigitYear(int yy, int currentYear, int window);

// Strict decimal conversion (optional sign, digits only, no blanks); throws
// EConvertError "'text' is not a valid integer value".
int StrToInt(const std::wstring& text);
