#include "toolkit/Locale.h"

#include <windows.h>

#include <string_view>

namespace tk {

namespace {

// False when the system does not give the setting; an empty text is a setting too.
bool ReadLocale(LCTYPE type, std::wstring& text) {
    const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (size <= 0) return false;
    std::wstring buffer(static_cast<std::size_t>(size), L'\0');
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer.data(), size);
    if (written <= 0) return false;
    buffer.resize(static_cast<std::size_t>(written - 1));
    text = std::move(buffer);
    return true;
}

std::wstring LocaleText(LCTYPE type) {
    std::wstring text;
    ReadLocale(type, text);
    return text;
}

void ReadInto(std::wstring& field, LCTYPE type) {
    if (std::wstring text = LocaleText(type); !text.empty()) field = std::move(text);
}

// The first character of a picture that is neither a field letter nor quoted
// text: the separator the picture uses. 0 when there is none.
wchar_t SeparatorOf(const std::wstring& picture, std::wstring_view fieldLetters) {
    bool quoted = false;
    for (const wchar_t c : picture) {
        if (c == L'\'') quoted = !quoted;
        else if (!quoted && c != L' ' && fieldLetters.find(c) == std::wstring_view::npos) return c;
    }
    return 0;
}

wchar_t Separator(LCTYPE type, const std::wstring& picture, std::wstring_view fieldLetters, wchar_t fallback) {
    const std::wstring stated = LocaleText(type);
    if (!stated.empty()) return stated.front();
    const wchar_t derived = SeparatorOf(picture, fieldLetters);
    return derived ? derived : fallback;
}

}  // namespace

FormatSettings ReadUserFormatSettings() {
    FormatSettings s;
    const std::wstring shortDate = LocaleText(LOCALE_SSHORTDATE);
    const std::wstring longDate = LocaleText(LOCALE_SLONGDATE);
    const std::wstring longTime = LocaleText(LOCALE_STIMEFORMAT);
    const std::wstring shortTime = LocaleText(LOCALE_SSHORTTIME);

    s.dateSeparator = Separator(LOCALE_SDATE, shortDate, L"dMyg", s.dateSeparator);
    s.timeSeparator = Separator(LOCALE_STIME, longTime.empty() ? shortTime : longTime, L"hHmst",
                                s.timeSeparator);

    if (!shortDate.empty()) s.shortDateFormat = ConvertWindowsDatePicture(shortDate, s.dateSeparator);
    if (!longDate.empty()) s.longDateFormat = ConvertWindowsDatePicture(longDate, s.dateSeparator);
    if (!longTime.empty()) s.longTimeFormat = ConvertWindowsTimePicture(longTime, s.timeSeparator);
    if (!shortTime.empty()) s.shortTimeFormat = ConvertWindowsTimePicture(shortTime, s.timeSeparator);

    // A locale without AM/PM markers gives empty texts; they are kept empty,
    // since its pictures do not ask for them.
    ReadLocale(LOCALE_S1159, s.timeAMString);
    ReadLocale(LOCALE_S2359, s.timePMString);

    for (int m = 0; m < 12; ++m) {
        ReadInto(s.longMonthNames[m], LOCALE_SMONTHNAME1 + m);
        ReadInto(s.shortMonthNames[m], LOCALE_SABBREVMONTHNAME1 + m);
    }
    // The system counts Monday = 1 ... Sunday = 7; the settings start with Sunday.
    for (int d = 0; d < 7; ++d) {
        const int systemDay = d == 0 ? 6 : d - 1;
        ReadInto(s.longDayNames[d], LOCALE_SDAYNAME1 + systemDay);
        ReadInto(s.shortDayNames[d], LOCALE_SABBREVDAYNAME1 + systemDay);
    }
    return s;
}

}  // namespace tk
