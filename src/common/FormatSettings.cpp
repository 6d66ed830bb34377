#include "common/FormatSettings.h"

#include <cwctype>

namespace {

FormatSettings WithGermanNames(FormatSettings s) {
    s.shortDayNames = {L"So", L"Mo", L"Di", L"Mi", L"Do", L"Fr", L"Sa"};
    s.longDayNames = {L"Sonntag",    L"Montag",  L"Dienstag", L"Mittwoch",
                      L"Donnerstag", L"Freitag", L"Samstag"};
    s.shortMonthNames = {L"Jan", L"Feb", L"M\u00E4r", L"Apr", L"Mai", L"Jun",
                         L"Jul", L"Aug", L"Sep",      L"Okt", L"Nov", L"Dez"};
    s.longMonthNames = {L"Januar", L"Februar", L"M\u00E4rz",    L"April",   L"Mai",      L"Juni",
                        L"Juli",   L"August",  L"September", L"Oktober", L"November", L"Dezember"};
    return s;
}

// Maps one run of a picture's field letter (letter, run length) to the
// pattern language; nullptr when the letter is not a field of that picture.
using FieldMap = const wchar_t* (*)(wchar_t letter, int count);

const wchar_t* DateField(wchar_t letter, int count) {
    switch (letter) {
    case L'd': return count == 1 ? L"d" : count == 2 ? L"dd" : count == 3 ? L"ddd" : L"dddd";
    case L'M': return count == 1 ? L"m" : count == 2 ? L"mm" : count == 3 ? L"mmm" : L"mmmm";
    case L'y': return count <= 2 ? L"yy" : L"yyyy";
    case L'g': return L"";
    default: return nullptr;
    }
}

const wchar_t* TimeField(wchar_t letter, int count) {
    switch (letter) {
    case L'h':
    case L'H': return count == 1 ? L"h" : L"hh";
    case L'm': return count == 1 ? L"n" : L"nn";
    case L's': return count == 1 ? L"s" : L"ss";
    case L't': return L"ampm";
    default: return nullptr;
    }
}

// How a literal character must be written in the pattern language: letters
// and the two separator marks would be read as fields, so they go inside
// single quotes; a single quote itself goes inside double quotes.
enum class Quote { None, Single, Double };

Quote QuoteFor(wchar_t c) {
    if (c == L'\'') return Quote::Double;
    if (c == L'"' || c == L'/' || c == L':' || (c < 128 && std::iswalpha(c))) return Quote::Single;
    return Quote::None;
}

void AppendLiteral(std::wstring& out, const std::wstring& literal) {
    for (size_t i = 0; i < literal.size();) {
        const Quote q = QuoteFor(literal[i]);
        size_t end = i;
        while (end < literal.size() && QuoteFor(literal[end]) == q) ++end;
        const std::wstring run = literal.substr(i, end - i);
        if (q == Quote::None) out += run;
        else if (q == Quote::Single) out += L'\'' + run + L'\'';
        else out += L'"' + run + L'"';
        i = end;
    }
}

std::wstring ConvertPicture(const std::wstring& picture, wchar_t separator,
                            wchar_t separatorMark, FieldMap field) {
    std::wstring out, literal;
    size_t i = 0;
    while (i < picture.size()) {
        const wchar_t c = picture[i];
        if (c == L'\'') {
            // 'text' is literal, '' is one quote, inside or outside quotes.
            if (i + 1 < picture.size() && picture[i + 1] == L'\'') {
                literal += L'\'';
                i += 2;
                continue;
            }
            for (++i; i < picture.size(); ++i) {
                if (picture[i] != L'\'') literal += picture[i];
                else if (i + 1 < picture.size() && picture[i + 1] == L'\'') literal += picture[++i];
                else break;
            }
            ++i;
            continue;
        }
        size_t end = i;
        while (end < picture.size() && picture[end] == c) ++end;
        const wchar_t* mapped = field(c, static_cast<int>(end - i));
        if (mapped) {
            AppendLiteral(out, literal);
            literal.clear();
            out += mapped;
            i = end;
        } else if (c == separator) {
            AppendLiteral(out, literal);
            literal.clear();
            out += separatorMark;
            ++i;
        } else {
            literal += c;
            ++i;
        }
    }
    AppendLiteral(out, literal);
    return out;
}

}  // namespace

FormatSettings UsEnglishSettings() {
    return FormatSettings{};
}

FormatSettings BritishEnglishSettings() {
    FormatSettings s;
    s.shortDateFormat = L"dd/mm/yyyy";
    s.longDateFormat = L"dd mmmm yyyy";
    s.shortTimeFormat = L"hh:nn";
    s.longTimeFormat = L"hh:nn:ss";
    return s;
}

FormatSettings GermanSettings() {
    FormatSettings s = WithGermanNames(FormatSettings{});
    s.dateSeparator = L'.';
    s.shortDateFormat = L"dd/mm/yyyy";
    s.longDateFormat = L"dddd, d/ mmmm yyyy";
    s.shortTimeFormat = L"hh:nn";
    s.longTimeFormat = L"hh:nn:ss";
    s.timeAMString = L"";
    s.timePMString = L"";
    return s;
}

FormatSettings TwoDigitYearSettings() {
    FormatSettings s = GermanSettings();
    s.shortDateFormat = L"dd/mm/yy";
    return s;
}

std::wstring ConvertWindowsDatePicture(const std::wstring& picture, wchar_t dateSeparator) {
    return ConvertPicture(picture, dateSeparator, L'/', DateField);
}

std::wstring ConvertWindowsTimePicture(const std::wstring& picture, wchar_t timeSeparator) {
    return ConvertPicture(picture, timeSeparator, L':', TimeField);
}

FormatSettings& CurrentFormatSettings() {
    static FormatSettings current;
    return current;
}

void SetCurrentFormatSettings(const FormatSettings& settings) {
    CurrentFormatSettings() = settings;
}
