#include "common/DateFormat.h"

#include <algorithm>
#include <cwctype>
#include <vector>

namespace {

enum class Kind {
    Literal,
    Day,      // count 1..6: d dd ddd dddd ddddd dddddd
    Month,    // count 1..4; 1..2 become minutes right after an hour
    Minute,   // n nn, or m mm after an hour
    Year,     // count 2 or 4
    Hour,     // count 1..2
    Second,   // count 1..2
    Msec,     // count 1 or 3
    Time,     // count 1 (t, short time) or 2 (tt, long time)
    AmPm,     // "am/pm" or "a/p", printed in the pattern's own case
    LocaleAmPm,  // "ampm", the locale's AM/PM texts
    DateSep,
    TimeSep,
};

struct Token {
    Kind kind;
    int count = 0;
    std::wstring text;  // Literal: the text; AmPm: the pattern's characters
};

wchar_t Lower(wchar_t c) {
    return c < 128 ? static_cast<wchar_t>(std::towlower(c)) : c;
}

bool MatchesAt(const std::wstring& s, size_t i, const wchar_t* word) {
    for (size_t k = 0; word[k]; ++k)
        if (i + k >= s.size() || Lower(s[i + k]) != word[k]) return false;
    return true;
}

size_t RunLength(const std::wstring& s, size_t i) {
    size_t end = i;
    while (end < s.size() && Lower(s[end]) == Lower(s[i])) ++end;
    return end - i;
}

std::vector<Token> Tokenize(const std::wstring& pattern) {
    std::vector<Token> tokens;
    auto literal = [&](std::wstring text) {
        if (!tokens.empty() && tokens.back().kind == Kind::Literal) tokens.back().text += text;
        else tokens.push_back({Kind::Literal, 0, std::move(text)});
    };
    size_t i = 0;
    while (i < pattern.size()) {
        const wchar_t c = pattern[i];
        const wchar_t lc = Lower(c);
        if (c == L'\'' || c == L'"') {
            const size_t close = pattern.find(c, i + 1);
            const size_t end = close == std::wstring::npos ? pattern.size() : close;
            literal(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (lc == L'a') {
            if (MatchesAt(pattern, i, L"am/pm")) {
                tokens.push_back({Kind::AmPm, 0, pattern.substr(i, 5)});
                i += 5;
            } else if (MatchesAt(pattern, i, L"ampm")) {
                tokens.push_back({Kind::LocaleAmPm, 0, {}});
                i += 4;
            } else if (MatchesAt(pattern, i, L"a/p")) {
                tokens.push_back({Kind::AmPm, 0, pattern.substr(i, 3)});
                i += 3;
            } else {
                literal(std::wstring(1, c));
                ++i;
            }
            continue;
        }
        if (c == L'/' || c == L':') {
            tokens.push_back({c == L'/' ? Kind::DateSep : Kind::TimeSep, 0, {}});
            ++i;
            continue;
        }
        const int run = static_cast<int>(RunLength(pattern, i));
        Kind kind;
        int count = std::min(run, 2);
        switch (lc) {
        case L'd': kind = Kind::Day, count = std::min(run, 6); break;
        case L'm': kind = Kind::Month, count = std::min(run, 4); break;
        case L'y': kind = Kind::Year, count = run <= 2 ? 2 : 4; break;
        case L'h': kind = Kind::Hour; break;
        case L'n': kind = Kind::Minute; break;
        case L's': kind = Kind::Second; break;
        case L'z': kind = Kind::Msec, count = run < 3 ? 1 : 3; break;
        case L't': kind = Kind::Time; break;
        default:
            literal(std::wstring(1, c));
            ++i;
            continue;
        }
        tokens.push_back({kind, count, {}});
        // Seven d's are "dddddd" and "d"; other over-long runs are one field.
        i += kind == Kind::Day || kind == Kind::Month ? count : run;
    }
    // "m" and "mm" right after an hour field are minutes; literals and
    // separators in between do not count.
    bool afterHour = false;
    for (Token& t : tokens) {
        if (t.kind == Kind::Literal || t.kind == Kind::DateSep || t.kind == Kind::TimeSep) continue;
        if (t.kind == Kind::Month && t.count <= 2 && afterHour) t.kind = Kind::Minute;
        afterHour = t.kind == Kind::Hour;
    }
    return tokens;
}

std::wstring Padded(int value, int width) {
    std::wstring digits = std::to_wstring(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, width - digits.size(), L'0');
    return digits;
}

// Nested "ddddd"/"t" inside a locale format go at most this deep, so a format
// that names itself cannot recurse without end.
constexpr int MaxNesting = 3;

void Format(std::wstring& out, const std::wstring& pattern, TDateTime value,
            const FormatSettings& fs, int depth) {
    if (depth > MaxNesting) return;
    const std::vector<Token> tokens = Tokenize(pattern);
    bool twelveHour = false;
    for (const Token& t : tokens)
        twelveHour = twelveHour || t.kind == Kind::AmPm || t.kind == Kind::LocaleAmPm;

    const DateParts date = DecodeDate(value);
    const TimeParts time = DecodeTime(value);
    const bool pm = time.hour >= 12;
    const int dow = DayOfWeek(value) - 1;
    for (const Token& t : tokens) {
        switch (t.kind) {
        case Kind::Literal: out += t.text; break;
        case Kind::DateSep: out += fs.dateSeparator; break;
        case Kind::TimeSep: out += fs.timeSeparator; break;
        case Kind::Day:
            switch (t.count) {
            case 1: out += std::to_wstring(date.day); break;
            case 2: out += Padded(date.day, 2); break;
            case 3: out += fs.shortDayNames[dow]; break;
            case 4: out += fs.longDayNames[dow]; break;
            case 5: Format(out, fs.shortDateFormat, value, fs, depth + 1); break;
            default: Format(out, fs.longDateFormat, value, fs, depth + 1); break;
            }
            break;
        case Kind::Month:
            switch (t.count) {
            case 1: out += std::to_wstring(date.month); break;
            case 2: out += Padded(date.month, 2); break;
            case 3: out += fs.shortMonthNames[date.month - 1]; break;
            default: out += fs.longMonthNames[date.month - 1]; break;
            }
            break;
        case Kind::Year:
            out += t.count == 2 ? Padded(date.year % 100, 2) : Padded(date.year, 4);
            break;
        case Kind::Hour: {
            int hour = time.hour;
            if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
            out += Padded(hour, t.count);
            break;
        }
        case Kind::Minute: out += Padded(time.minute, t.count); break;
        case Kind::Second: out += Padded(time.second, t.count); break;
        case Kind::Msec: out += Padded(time.msec, t.count); break;
        case Kind::Time:
            Format(out, t.count == 1 ? fs.shortTimeFormat : fs.longTimeFormat, value, fs,
                   depth + 1);
            break;
        case Kind::AmPm:
            // "am/pm" -> "am" or "pm", "a/p" -> "a" or "p", as the pattern spells them.
            if (t.text.size() == 5) out += pm ? t.text.substr(3, 2) : t.text.substr(0, 2);
            else out += pm ? t.text[2] : t.text[0];
            break;
        case Kind::LocaleAmPm: out += pm ? fs.timePMString : fs.timeAMString; break;
        }
    }
}

}  // namespace

std::wstring FormatDateTime(const std::wstring& pattern, TDateTime value,
                            const FormatSettings& settings) {
    std::wstring out;
    Format(out, pattern, value, settings, 0);
    return out;
}

std::wstring FormatDateTime(const std::wstring& pattern, TDateTime value) {
    return FormatDateTime(pattern, value, CurrentFormatSettings());
}
