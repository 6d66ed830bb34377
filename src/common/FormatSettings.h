// The user's locale settings that formatting and parsing of dates depend on.
// Portable; filled from the Windows locale at start-up, or from a fixture in tests.
#pragma once
#include <array>
#include <string>

// A default-constructed value is US English.
struct FormatSettings {
    wchar_t dateSeparator = L'/';
    wchar_t timeSeparator = L':';
    std::wstring shortDateFormat = L"m/d/yyyy";       // pattern language, used by "ddddd"
    std::wstring longDateFormat = L"dddd, mmmm d, yyyy"; // used by "dddddd"
    std::wstring shortTimeFormat = L"h:nn ampm";      // used by "t"
    std::wstring longTimeFormat = L"h:nn:ss ampm";    // used by "tt"
    std::wstring timeAMString = L"AM";                // printed by "ampm"
    std::wstring timePMString = L"PM";
    std::array<std::wstring, 12> shortMonthNames{L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                                 L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
    std::array<std::wstring, 12> longMonthNames{
        L"January", L"February", L"March",     L"April",   L"May",      L"June",
        L"July",    L"August",   L"September", L"October", L"November", L"December"};
    std::array<std::wstring, 7> shortDayNames{L"Sun", L"Mon", L"Tue", L"Wed",
                                              L"Thu", L"Fri", L"Sat"};  // index 0 = Sunday
    std::array<std::wstring, 7> longDayNames{L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                             L"Thursday", L"Friday", L"Saturday"};
    // Two-digit years read as the hundred years that begin this many years
    // before the current year (see ExpandTwoDigitYear). A fixed epoch E, such
    // as an entry control's 1980, is the window (current year - E).
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
// Characters of the picture equal to the locale's separator become "/" (dates)
// or ":" (times), which print that separator again; every other literal is
// kept, quoted where the pattern language would read it as a field. The AM/PM
// markers "t" and "tt" both become "ampm" (the locale's full AM/PM texts).
// Era fields ("g", "gg") are dropped.
std::wstring ConvertWindowsDatePicture(const std::wstring& picture,
                                       wchar_t dateSeparator = L'/');
std::wstring ConvertWindowsTimePicture(const std::wstring& picture,
                                       wchar_t timeSeparator = L':');

// The settings in force for the whole program. Starts as US English; the
// program replaces it with the user's locale at start-up.
FormatSettings& CurrentFormatSettings();
void SetCurrentFormatSettings(const FormatSettings& settings);
