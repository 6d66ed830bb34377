// Formatting date values with the pattern language, and reading text back.
// Portable; no platform headers.
#pragma once
#include <optional>
#include <string>
#include "DateTime.h"
#include "FormatSettings.h"

// Pattern language: d dd ddd dddd ddddd dddddd, m mm mmm mmmm (m after an hour
// means minutes), yy yyyy, h hh, n nn, s ss, z zzz, t tt, am/pm a/p ampm,
// "/" and ":" become the locale's separators, '..' and ".." quote literals,
// every other character is copied. Letters may be of either case; "h" counts
// on the 12-hour clock when the pattern holds am/pm, a/p or ampm; "am/pm" and
// "a/p" print as the pattern spells them ("AM/PM" gives PM, "am/pm" pm), "ampm"
// prints the locale's AM/PM texts.
std::wstring FormatDateTime(const std::wstring& pattern, TDateTime value,
                            const FormatSettings& settings);
std::wstring FormatDateTime(const std::wstring& pattern, TDateTime value);

// Reading text back with the locale's formats. Dates are two or three numbers
// (day and month, optional year; the current year when left out) in the order
// of the locale's short date, separated by its date separator with optional
// blanks around; a year of one or two digits is placed by the window (see
// ExpandTwoDigitYear). Times are hours and minutes with the time separator,
// optional seconds and ".milliseconds", and an optional AM/PM text (the
// locale's or plain "AM"/"PM", any case) before or after; "12:05 AM" is 0:05.
// A date and time is the date, a blank, the time; the time may be left out.
// Text that does not convert throws EConvertError naming the text.
TDateTime StrToDate(const std::wstring& text, const FormatSettings& settings,
                    int currentYear);
TDateTime StrToTime(const std::wstring& text, const FormatSettings& settings);
TDateTime StrToDateTime(const std::wstring& text, const FormatSettings& settings,
                        int currentYear);
// Versions that use CurrentFormatSettings() and the current year of the clock.
TDateTime StrToDate(const std::wstring& text);
TDateTime StrToTime(const std::wstring& text);
TDateTime StrToDateTime(const std::wstring& text);

// The same conversions without throwing: nothing when the text does not convert.
std::optional<TDateTime> TryStrToDate(const std::wstring& text, const FormatSettings& settings,
                                      int currentYear);
std::optional<TDateTime> TryStrToTime(const std::wstring& text, const FormatSettings& settings);
std::optional<TDateTime> TryStrToDateTime(const std::wstring& text,
                                          const FormatSettings& settings, int currentYear);

// The two-digit-year rule: yy becomes the century of (currentYear - window)
// plus yy, and 100 more when that is still before (currentYear - window).
// A window of 0 or less puts yy in the current century; a yy outside 0..99 is
// returned unchanged.
int ExpandTwoDigitYear(int yy, int currentYear, int window);

// Strict decimal conversion (optional sign, digits only, no blanks); throws
// EConvertError "'text' is not a valid integer value".
int StrToInt(const std::wstring& text);
std::optional<int> TryStrToInt(const std::wstring& text);
