// The user's locale settings that formatting and parsing of dates depend on.
// Portable; filled from the Windows locale at start-up, or from a fixture in tests.
#pragma once
#include <array>
#include <string>

struct FormatSettings {
    wchar_t dateSeparator = L'/';
    wchar_t timeSeparator = L':';
    std::wstring shortDateFormat = L"m/d/yyyy";       // pattern language, used by "ddddd"
    std::wstring longDateFormat = L"dddd, mmmm d, yyyy"; // used by "dddddd"
    std::wstring shortTimeFormat = L"h:nn AMPM";      // used by "t"
    std::wstring longTimeFormat = L"h:nn:ss AMPM";    // used by "tt"
    std::wstring timeAMString = L"AM";
    std::wstring timePMString = L"PM";
    std::array<std::wstring, 12> shortMonthNames;
    std::array<std::wstring, 12> longMonthNames;
    std::array<std::wstring, 7> shortDayNames;          // index 0 = Sunday
    std::array<std::wstring, 7> longDayNames;
    int twoDigitYearCenturyWindow = 50;
};

// Fixtures: the settings as a user of each locale has them.
FormatSettings UsEnglishSettings();
FormatSettings BritishEnglishSettings();
FormatSettings GermanSettings();
// A short date with a two-digit year ("dd.mm.yy" style).
FormatSettings TwoDigitYearSettings();

// Converts a Windows locale picture string ("M/d/yyyy", "h:mm tt",
// "dddd, MMMM d, yyyy") to the pattern language used by FormatDateTime.
std::wstring ConvertWindowsDatePicture(const std::wstring& picture);
std::wstring ConvertWindowsTimePicture(const std::wstring& picture);

// The settings in force for the whole program. Starts as US English; the
// program replaces it with the user's locale at start-up.
FormatSettings& CurrentFormatSettings();
void SetCurrentFormatSettings(const FormatSettings& settings);
