#include "common/DateFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <functional>

#include "common/Errors.h"

namespace {

std::string Narrow(const std::wstring& s) {
    std::string out;
    for (wchar_t c : s) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return ComposeDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s, ms));
}

const FormatSettings Us = UsEnglishSettings();
const FormatSettings British = BritishEnglishSettings();
const FormatSettings German = GermanSettings();
const FormatSettings TwoDigit = TwoDigitYearSettings();

// Restores the program-wide settings when a test has changed them.
struct CurrentSettingsGuard {
    FormatSettings saved = CurrentFormatSettings();
    ~CurrentSettingsGuard() { SetCurrentFormatSettings(saved); }
};

// The message of the EConvertError that `convert` throws; "" when none.
std::wstring ConvertErrorOf(const std::function<void()>& convert) {
    try {
        convert();
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return L"";
}

TEST(FormatDateTime, PatternsInEachLocale) {
    const TDateTime christmas = At(2024, 12, 25, 14, 30);
    const TDateTime morning = At(2001, 1, 1, 9, 5, 7, 8);
    const struct {
        const FormatSettings* fs;
        const wchar_t* pattern;
        TDateTime value;
        const wchar_t* expected;
    } cases[] = {
        {&Us, L"ddddd", christmas, L"12/25/2024"},
        {&Us, L"t", christmas, L"2:30 PM"},
        {&Us, L"tt", christmas, L"2:30:00 PM"},
        {&Us, L"ddd", christmas, L"Wed"},
        {&Us, L"d", christmas, L"25"},
        {&Us, L"m/d", christmas, L"12/25"},
        {&Us, L"yyyy\\m/d", christmas, L"2024\\12/25"},
        {&Us, L"dddd, mmmm d, yyyy", christmas, L"Wednesday, December 25, 2024"},
        {&Us, L"dddddd", christmas, L"Wednesday, December 25, 2024"},
        {&Us, L"mmmm yyyy", christmas, L"December 2024"},
        {&Us, L"ddddd t", christmas, L"12/25/2024 2:30 PM"},
        {&Us, L"mmm dd, yy", morning, L"Jan 01, 01"},
        {&Us, L"DDDDD", christmas, L"12/25/2024"},
        {&Us, L"YYYY-MM-DD", christmas, L"2024-12-25"},
        {&Us, L"hh", christmas, L"14"},
        {&Us, L"hh:nn:ss.zzz", morning, L"09:05:07.008"},
        {&Us, L"h:n:s.z", morning, L"9:5:7.8"},
        {&Us, L"h:mm", morning, L"9:05"},
        {&Us, L"hh mm", morning, L"09 05"},
        {&Us, L"h:nn am/pm", christmas, L"2:30 pm"},
        {&Us, L"H:NN AM/PM", morning, L"9:05 AM"},
        {&Us, L"h:nn a/p", christmas, L"2:30 p"},
        {&Us, L"h:nn A/P", morning, L"9:05 A"},
        {&Us, L"t", At(2024, 12, 25), L"12:00 AM"},
        {&Us, L"t", At(2024, 12, 25, 12), L"12:00 PM"},
        {&Us, L"t", At(2024, 12, 25, 0, 59), L"12:59 AM"},
        {&Us, L"'d' d \"mm\"", christmas, L"d 25 mm"},
        {&Us, L"c, -", christmas, L"c, -"},
        {&British, L"ddddd", christmas, L"25/12/2024"},
        {&British, L"t", christmas, L"14:30"},
        {&British, L"tt", christmas, L"14:30:00"},
        {&British, L"t", At(2024, 12, 25), L"00:00"},
        {&British, L"dddddd", christmas, L"25 December 2024"},
        {&German, L"ddddd", christmas, L"25.12.2024"},
        {&German, L"t", christmas, L"14:30"},
        {&German, L"ddd dddd", christmas, L"Mi Mittwoch"},
        {&German, L"mmm mmmm", At(2024, 3, 1), L"M\u00E4r M\u00E4rz"},
        {&German, L"dddddd", christmas, L"Mittwoch, 25. Dezember 2024"},
        {&German, L"m/d", christmas, L"12.25"},
        {&TwoDigit, L"ddddd", christmas, L"25.12.24"},
        {&TwoDigit, L"ddddd", morning, L"01.01.01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.pattern, c.value, *c.fs), c.expected) << Narrow(c.pattern);
}

TEST(FormatDateTime, LocaleFormatThatNamesItselfStops) {
    FormatSettings fs = Us;
    fs.shortDateFormat = L"d ddddd";
    EXPECT_EQ(FormatDateTime(L"ddddd", At(2024, 12, 25), fs), L"25 25 25 ");
}

TEST(FormatDateTime, WithoutSettingsUsesTheCurrentOnes) {
    CurrentSettingsGuard guard;
    EXPECT_EQ(FormatDateTime(L"ddddd t", At(2024, 12, 25, 14, 30)), L"12/25/2024 2:30 PM");
    SetCurrentFormatSettings(German);
    EXPECT_EQ(FormatDateTime(L"ddddd t", At(2024, 12, 25, 14, 30)), L"25.12.2024 14:30");
    EXPECT_EQ(StrToDate(L"25.12.2024"), EncodeDate(2024, 12, 25));
}

TEST(WindowsPicture, ConvertsToPatternsThatPrintAsWindowsDoes) {
    const TDateTime christmas = At(2024, 12, 25, 14, 30);
    const struct {
        bool isTime;
        const wchar_t* picture;
        wchar_t separator;
        const wchar_t* pattern;
        const wchar_t* printed;
    } cases[] = {
        {false, L"M/d/yyyy", L'/', L"m/d/yyyy", L"12/25/2024"},
        {false, L"dd.MM.yyyy", L'.', L"dd/mm/yyyy", L"25.12.2024"},
        {false, L"dd.MM.yyyy", L'/', L"dd.mm.yyyy", L"25.12.2024"},
        {false, L"yyyy-MM-dd", L'-', L"yyyy/mm/dd", L"2024-12-25"},
        {false, L"MM/dd/yy", L'.', L"mm'/'dd'/'yy", L"12/25/24"},
        {false, L"d/M/yy", L'/', L"d/m/yy", L"25/12/24"},
        {false, L"dddd, MMMM d, yyyy", L'/', L"dddd, mmmm d, yyyy", L"Wednesday, December 25, 2024"},
        {false, L"ddd, d MMM yyyy", L'/', L"ddd, d mmm yyyy", L"Wed, 25 Dec 2024"},
        {false, L"dddd, d' de 'MMMM' de 'yyyy", L'/', L"dddd, d 'de' mmmm 'de' yyyy",
         L"Wednesday, 25 de December de 2024"},
        {false, L"yyyy'\u5E74'M'\u6708'd'\u65E5'", L'/', L"yyyy\u5E74m\u6708d\u65E5",
         L"2024\u5E7412\u670825\u65E5"},
        {false, L"dd''MM", L'/', L"dd\"'\"mm", L"25'12"},
        {false, L"dd/MM/yyyy gg", L'/', L"dd/mm/yyyy ", L"25/12/2024 "},
        {true, L"h:mm tt", L':', L"h:nn ampm", L"2:30 PM"},
        {true, L"h:mm t", L':', L"h:nn ampm", L"2:30 PM"},
        {true, L"hh:mm:ss tt", L':', L"hh:nn:ss ampm", L"02:30:00 PM"},
        {true, L"tt h:mm", L':', L"ampm h:nn", L"PM 2:30"},
        {true, L"HH:mm", L':', L"hh:nn", L"14:30"},
        {true, L"HH:mm:ss", L':', L"hh:nn:ss", L"14:30:00"},
        {true, L"H:mm", L':', L"h:nn", L"14:30"},
        {true, L"HH.mm", L'.', L"hh:nn", L"14.30"},
        {true, L"HH' h 'mm", L':', L"hh 'h' nn", L"14 h 30"},
        {true, L"H 'o''clock'", L':', L"h 'o'\"'\"'clock'", L"14 o'clock"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.picture));
        FormatSettings fs = Us;
        (c.isTime ? fs.timeSeparator : fs.dateSeparator) = c.separator;
        const std::wstring pattern = c.isTime ? ConvertWindowsTimePicture(c.picture, c.separator)
                                              : ConvertWindowsDatePicture(c.picture, c.separator);
        EXPECT_EQ(pattern, c.pattern);
        EXPECT_EQ(FormatDateTime(pattern, christmas, fs), c.printed);
    }
}

TEST(TwoDigitYear, FallsInTheHundredYearsFromTheWindowStart) {
    const struct {
        int yy, currentYear, window, expected;
    } cases[] = {
        {45, 2001, 50, 2045}, {60, 2001, 50, 1960}, {51, 2001, 50, 1951}, {50, 2001, 50, 2050},
        {0, 2001, 50, 2000},  {99, 2001, 50, 1999}, {50, 2000, 50, 1950}, {49, 2000, 50, 2049},
        {99, 2049, 50, 1999}, {0, 2049, 50, 2000},  {98, 2049, 50, 2098}, {0, 2050, 50, 2000},
        {99, 2050, 50, 2099}, {0, 2099, 50, 2100},  {49, 2099, 50, 2049}, {48, 2099, 50, 2148},
        {80, 2024, 44, 1980}, {79, 2024, 44, 2079},  // fixed epoch 1980
        {23, 2024, 0, 2023},  {99, 2024, 0, 2099},   // no window: current century
        {2024, 2024, 50, 2024},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandTwoDigitYear(c.yy, c.currentYear, c.window), c.expected)
            << c.yy << " in " << c.currentYear << " window " << c.window;
}

FormatSettings YearFirst() {
    FormatSettings fs = Us;
    fs.dateSeparator = L'-';
    fs.shortDateFormat = L"yyyy/mm/dd";
    return fs;
}

FormatSettings Epoch1980() {
    FormatSettings fs = Us;
    fs.twoDigitYearCenturyWindow = 2024 - 1980;
    return fs;
}

TEST(StrToDate, ReadsTheLocaleOrder) {
    const FormatSettings yearFirst = YearFirst();
    const FormatSettings epoch1980 = Epoch1980();
    const struct {
        const FormatSettings* fs;
        const wchar_t* text;
        int currentYear;
        int y, m, d;
    } cases[] = {
        {&Us, L"12/25/2024", 2024, 2024, 12, 25},
        {&Us, L" 12 / 25 / 2024 ", 2024, 2024, 12, 25},
        {&Us, L"01/02/2024", 2024, 2024, 1, 2},
        {&Us, L"12/25", 2030, 2030, 12, 25},
        {&Us, L"1/2/45", 2001, 2045, 1, 2},
        {&Us, L"1/2/60", 2001, 1960, 1, 2},
        {&Us, L"2/29/0", 2001, 2000, 2, 29},
        {&Us, L"1/1/0024", 2024, 24, 1, 1},
        {&British, L"25/12/2024", 2024, 2024, 12, 25},
        {&British, L"29/2/2024", 2024, 2024, 2, 29},
        {&British, L"25/12", 2024, 2024, 12, 25},
        {&German, L"25.12.2024", 2024, 2024, 12, 25},
        {&TwoDigit, L"25.12.24", 2024, 2024, 12, 25},
        {&TwoDigit, L"01.01.74", 2024, 1974, 1, 1},
        {&TwoDigit, L"01.01.73", 2024, 2073, 1, 1},
        {&yearFirst, L"2024-12-25", 2024, 2024, 12, 25},
        {&yearFirst, L"12-25", 2024, 2024, 12, 25},
        {&epoch1980, L"1/1/80", 2024, 1980, 1, 1},
        {&epoch1980, L"1/1/79", 2024, 2079, 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToDate(c.text, *c.fs, c.currentYear), EncodeDate(c.y, c.m, c.d))
            << Narrow(c.text);
}

TEST(StrToTime, ReadsHoursMinutesSecondsAndMarkers) {
    FormatSettings localMarkers = German;
    localMarkers.timeAMString = L"vorm.";
    localMarkers.timePMString = L"nachm.";
    const struct {
        const FormatSettings* fs;
        const wchar_t* text;
        int h, m, s, ms;
    } cases[] = {
        {&Us, L"2:30 PM", 14, 30, 0, 0},   {&Us, L"2:30PM", 14, 30, 0, 0},
        {&Us, L"2:30 pm", 14, 30, 0, 0},   {&Us, L"PM 2:30", 14, 30, 0, 0},
        {&Us, L"12:00 AM", 0, 0, 0, 0},    {&Us, L"12:15 am", 0, 15, 0, 0},
        {&Us, L"12:00 PM", 12, 0, 0, 0},   {&Us, L"11:59 PM", 23, 59, 0, 0},
        {&Us, L"2:30:15 AM", 2, 30, 15, 0}, {&Us, L"14:30", 14, 30, 0, 0},
        {&Us, L" 9:05 ", 9, 5, 0, 0},      {&Us, L"0:00", 0, 0, 0, 0},
        {&Us, L"23:59:59", 23, 59, 59, 0}, {&Us, L"14:30:15.250", 14, 30, 15, 250},
        {&Us, L"14:30:15.5", 14, 30, 15, 500},
        {&German, L"14:30", 14, 30, 0, 0}, {&German, L"2:30 pm", 14, 30, 0, 0},
        {&localMarkers, L"2:30 nachm.", 14, 30, 0, 0},
        {&localMarkers, L"vorm. 12:30", 0, 30, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToTime(c.text, *c.fs), EncodeTime(c.h, c.m, c.s, c.ms)) << Narrow(c.text);
}

TEST(StrToDateTime, ReadsDateBlankTime) {
    EXPECT_EQ(StrToDateTime(L"12/25/2024 2:30 PM", Us, 2024), At(2024, 12, 25, 14, 30));
    EXPECT_EQ(StrToDateTime(L"12/25/2024  14:30:15", Us, 2024), At(2024, 12, 25, 14, 30, 15));
    EXPECT_EQ(StrToDateTime(L"12/25/2024", Us, 2024), At(2024, 12, 25));
    EXPECT_EQ(StrToDateTime(L"25.12.2024 14:30", German, 2024), At(2024, 12, 25, 14, 30));
    EXPECT_EQ(StrToDateTime(L"12/29/1899 6:00 AM", Us, 2024), -1.25);
}

TEST(Conversion, InvalidTextThrowsNamingTheText) {
    using Convert = std::function<void(const std::wstring&)>;
    const Convert usDate = [](const std::wstring& t) { StrToDate(t, Us, 2024); };
    const Convert britishDate = [](const std::wstring& t) { StrToDate(t, British, 2024); };
    const Convert germanDate = [](const std::wstring& t) { StrToDate(t, German, 2024); };
    const Convert usTime = [](const std::wstring& t) { StrToTime(t, Us); };
    const Convert germanTime = [](const std::wstring& t) { StrToTime(t, German); };
    const Convert usDateTime = [](const std::wstring& t) { StrToDateTime(t, Us, 2024); };
    const Convert integer = [](const std::wstring& t) { StrToInt(t); };
    const struct {
        const Convert* convert;
        const wchar_t* text;
        const wchar_t* what;
    } cases[] = {
        {&britishDate, L"31/02/2024", L"date"}, {&usDate, L"31/02/2024", L"date"},
        {&usDate, L"", L"date"},                {&usDate, L"  ", L"date"},
        {&usDate, L"12", L"date"},              {&usDate, L"12/25/2024x", L"date"},
        {&usDate, L"12-25-2024", L"date"},      {&usDate, L"12//25", L"date"},
        {&usDate, L"12/25/", L"date"},          {&usDate, L"13/1/2024", L"date"},
        {&usDate, L"2/29/2023", L"date"},       {&usDate, L"12/25/99999", L"date"},
        {&usDate, L"1/2/3/4", L"date"},         {&usDate, L"-1/2/2024", L"date"},
        {&usDate, L"12/25/2024 14:30", L"date"}, {&germanDate, L"25/12/2024", L"date"},
        {&usTime, L"25:00", L"time"},           {&usTime, L"24:00", L"time"},
        {&usTime, L"12:60", L"time"},           {&usTime, L"12:30:60", L"time"},
        {&usTime, L"12", L"time"},              {&usTime, L"", L"time"},
        {&usTime, L"13:00 PM", L"time"},        {&usTime, L"12:30 XM", L"time"},
        {&usTime, L"PM", L"time"},              {&usTime, L"1:2:3:4", L"time"},
        {&usTime, L"12.30", L"time"},           {&usTime, L"12:30.5", L"time"},
        {&usTime, L"12:30:15.1234", L"time"},   {&usTime, L"ab:cd", L"time"},
        {&germanTime, L"14.30", L"time"},
        {&usDateTime, L"12/25/2024 25:00", L"date and time"},
        {&usDateTime, L"2:30 PM", L"date and time"},
        {&integer, L"x", L"integer value"},     {&integer, L"", L"integer value"},
        {&integer, L" 1", L"integer value"},    {&integer, L"1 ", L"integer value"},
        {&integer, L"-", L"integer value"},     {&integer, L"+", L"integer value"},
        {&integer, L"1.0", L"integer value"},   {&integer, L"0x10", L"integer value"},
        {&integer, L"2147483648", L"integer value"},
        {&integer, L"-2147483649", L"integer value"},
        {&integer, L"99999999999999999999", L"integer value"},
    };
    for (const auto& c : cases) {
        const std::wstring text = c.text;
        EXPECT_EQ(ConvertErrorOf([&] { (*c.convert)(text); }),
                  L"'" + text + L"' is not a valid " + c.what);
    }
}

TEST(StrToInt, ReadsStrictDecimal) {
    const struct {
        const wchar_t* text;
        int value;
    } cases[] = {{L"0", 0},           {L"42", 42},         {L"-17", -17},
                 {L"+5", 5},          {L"007", 7},         {L"2147483647", INT_MAX},
                 {L"-2147483648", INT_MIN}};
    for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << Narrow(c.text);
}

TEST(StrToDate, WithoutSettingsUsesTheClockYear) {
    CurrentSettingsGuard guard;
    SetCurrentFormatSettings(Us);
    const std::time_t now = std::time(nullptr);
    const int year = std::localtime(&now)->tm_year + 1900;
    EXPECT_EQ(StrToDate(L"12/25"), EncodeDate(year, 12, 25));
    EXPECT_EQ(StrToTime(L"2:30 PM"), EncodeTime(14, 30, 0));
}

// Dates and times written as key names must read back to the same day and
// minute in every locale.
TEST(RoundTrip, ShortDateAndShortTimeReadBack) {
    const struct {
        const char* name;
        const FormatSettings* fs;
    } locales[] = {{"us", &Us}, {"british", &British}, {"german", &German}, {"two-digit", &TwoDigit}};
    const TDateTime dates[] = {EncodeDate(1975, 1, 1), EncodeDate(2000, 2, 29),
                               EncodeDate(2024, 12, 25), EncodeDate(2073, 12, 31)};
    const int minutes[] = {0, 59, 11 * 60 + 59, 12 * 60, 12 * 60 + 1, 13 * 60 + 5, 23 * 60 + 59};
    for (const auto& locale : locales) {
        for (TDateTime date : dates) {
            for (int minute : minutes) {
                const TDateTime value = date + minute * OneMinute;
                const std::wstring dateText = FormatDateTime(L"ddddd", value, *locale.fs);
                const std::wstring timeText = FormatDateTime(L"t", value, *locale.fs);
                SCOPED_TRACE(std::string(locale.name) + " " + Narrow(dateText) + " " +
                             Narrow(timeText));
                const TDateTime time = EncodeTime(minute / 60, minute % 60, 0);
                EXPECT_EQ(StrToDate(dateText, *locale.fs, 2024), date);
                EXPECT_EQ(StrToTime(timeText, *locale.fs), time);
                const TDateTime both = StrToDateTime(dateText + L" " + timeText, *locale.fs, 2024);
                EXPECT_EQ(DateOf(both), date);
                EXPECT_EQ(TimeOf(both), time);
            }
        }
    }
}

}  // namespace
