// Reading date, time and number texts back into values.
#include <climits>
#include <ctime>
#include <cwctype>
#include <optional>
#include <vector>

#include "common/DateFormat.h"
#include "common/Errors.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

std::wstring Trimmed(const std::wstring& s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::wstring Upper(std::wstring s) {
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

struct Number {
    int value;
    int digits;
};

// Numbers of at most four digits separated by `separator`, blanks allowed
// around each separator (a blank separator is any run of blanks). Returns
// nothing when the text is anything else.
std::optional<std::vector<Number>> ScanNumbers(const std::wstring& text, wchar_t separator,
                                               size_t maxCount) {
    std::vector<Number> numbers;
    size_t i = 0;
    while (true) {
        Number n{0, 0};
        while (i < text.size() && IsDigit(text[i])) {
            if (++n.digits > 4) return std::nullopt;
            n.value = n.value * 10 + (text[i++] - L'0');
        }
        if (n.digits == 0 || numbers.size() == maxCount) return std::nullopt;
        numbers.push_back(n);
        if (i == text.size()) return numbers;
        const size_t afterNumber = i;
        while (i < text.size() && IsBlank(text[i])) ++i;
        if (i < text.size() && text[i] == separator) {
            ++i;
            while (i < text.size() && IsBlank(text[i])) ++i;
        } else if (!(IsBlank(separator) && i > afterNumber && i < text.size())) {
            return std::nullopt;
        }
    }
}

enum class DateOrder { MDY, DMY, YMD };

// The order of the first day, month and year fields of the short date format;
// quoted text is skipped. Month/day/year when the format shows no order.
DateOrder OrderOf(const std::wstring& format) {
    std::wstring order;
    for (size_t i = 0; i < format.size() && order.size() < 3; ++i) {
        const wchar_t c = format[i];
        if (c == L'\'' || c == L'"') {
            const size_t close = format.find(c, i + 1);
            if (close == std::wstring::npos) break;
            i = close;
            continue;
        }
        const wchar_t lc = c < 128 ? static_cast<wchar_t>(std::towlower(c)) : c;
        if ((lc == L'd' || lc == L'm' || lc == L'y') && order.find(lc) == std::wstring::npos)
            order += lc;
    }
    if (order.rfind(L"d", 0) == 0) return DateOrder::DMY;
    if (order.rfind(L"y", 0) == 0) return DateOrder::YMD;
    return DateOrder::MDY;
}

std::optional<TDateTime> ParseDate(const std::wstring& text, const FormatSettings& fs,
                                   int currentYear) {
    const auto numbers = ScanNumbers(Trimmed(text), fs.dateSeparator, 3);
    if (!numbers || numbers->size() < 2) return std::nullopt;
    const std::vector<Number>& n = *numbers;
    const DateOrder order = OrderOf(fs.shortDateFormat);
    Number day, month, year{currentYear, 4};
    if (n.size() == 2) {
        // Without a year the day and month keep their order.
        month = order == DateOrder::DMY ? n[1] : n[0];
        day = order == DateOrder::DMY ? n[0] : n[1];
    } else if (order == DateOrder::DMY) {
        day = n[0], month = n[1], year = n[2];
    } else if (order == DateOrder::MDY) {
        month = n[0], day = n[1], year = n[2];
    } else {
        year = n[0], month = n[1], day = n[2];
    }
    if (year.digits <= 2)
        year.value = ExpandTwoDigitYear(year.value, currentYear, fs.twoDigitYearCenturyWindow);
    if (!IsValidDate(year.value, month.value, day.value)) return std::nullopt;
    return EncodeDate(year.value, month.value, day.value);
}

// Removes an AM/PM marker from the start or the end of `text`; the marker is
// the locale's text or plain "AM"/"PM", in any case. 0 none, 1 AM, 2 PM.
int TakeMarker(std::wstring& text, const FormatSettings& fs) {
    const std::wstring upper = Upper(text);
    const std::pair<std::wstring, int> markers[] = {
        {Upper(fs.timeAMString), 1}, {Upper(fs.timePMString), 2}, {L"AM", 1}, {L"PM", 2}};
    size_t bestLength = 0;
    int found = 0;
    bool atStart = false;
    for (const auto& [marker, kind] : markers) {
        if (marker.empty() || marker.size() <= bestLength || marker.size() > upper.size()) continue;
        if (upper.compare(0, marker.size(), marker) == 0) {
            bestLength = marker.size(), found = kind, atStart = true;
        } else if (upper.compare(upper.size() - marker.size(), marker.size(), marker) == 0) {
            bestLength = marker.size(), found = kind, atStart = false;
        }
    }
    if (found)
        text = Trimmed(atStart ? text.substr(bestLength) : text.substr(0, text.size() - bestLength));
    return found;
}

std::optional<TDateTime> ParseTime(const std::wstring& text, const FormatSettings& fs) {
    std::wstring rest = Trimmed(text);
    const int marker = TakeMarker(rest, fs);
    // Milliseconds, one to three digits, follow the seconds after a '.'.
    int msec = 0;
    const size_t dot = fs.timeSeparator == L'.' ? std::wstring::npos : rest.find(L'.');
    if (dot != std::wstring::npos) {
        const std::wstring digits = rest.substr(dot + 1);
        if (digits.empty() || digits.size() > 3) return std::nullopt;
        for (size_t k = 0; k < 3; ++k) {
            if (k < digits.size() && !IsDigit(digits[k])) return std::nullopt;
            msec = msec * 10 + (k < digits.size() ? digits[k] - L'0' : 0);
        }
        rest.resize(dot);
    }
    const auto numbers = ScanNumbers(rest, fs.timeSeparator, 3);
    if (dot != std::wstring::npos && numbers && numbers->size() != 3) return std::nullopt;
    if (!numbers || numbers->size() < 2) return std::nullopt;
    const std::vector<Number>& n = *numbers;
    int hour = n[0].value;
    if (marker) {
        if (hour > 12) return std::nullopt;
        if (hour == 12) hour = 0;
        if (marker == 2) hour += 12;
    }
    const int second = n.size() > 2 ? n[2].value : 0;
    if (!IsValidTime(hour, n[1].value, second, msec)) return std::nullopt;
    return EncodeTime(hour, n[1].value, second, msec);
}

std::optional<TDateTime> ParseDateTime(const std::wstring& text, const FormatSettings& fs,
                                       int currentYear) {
    const std::wstring trimmed = Trimmed(text);
    if (auto date = ParseDate(trimmed, fs, currentYear)) return date;
    // The date ends at a blank; try each one, as the date may hold blanks too.
    for (size_t i = 0; i < trimmed.size(); ++i) {
        if (!IsBlank(trimmed[i])) continue;
        const auto date = ParseDate(trimmed.substr(0, i), fs, currentYear);
        const auto time = date ? ParseTime(trimmed.substr(i + 1), fs) : std::nullopt;
        if (time) return ComposeDateTime(*date, *time);
    }
    return std::nullopt;
}

int ClockYear() {
    const std::time_t now = std::time(nullptr);
    return std::localtime(&now)->tm_year + 1900;
}

[[noreturn]] void Fail(const std::wstring& text, const wchar_t* what) {
    throw EConvertError(L"'" + text + L"' is not a valid " + what);
}

}  // namespace

int ExpandTwoDigitYear(int yy, int currentYear, int window) {
    if (yy < 0 || yy > 99) return yy;
    if (window <= 0) return currentYear / 100 * 100 + yy;
    const int first = currentYear - window;
    const int year = first / 100 * 100 + yy;
    return year < first ? year + 100 : year;
}

std::optional<TDateTime> TryStrToDate(const std::wstring& text, const FormatSettings& settings,
                                      int currentYear) {
    return ParseDate(text, settings, currentYear);
}

std::optional<TDateTime> TryStrToTime(const std::wstring& text, const FormatSettings& settings) {
    return ParseTime(text, settings);
}

std::optional<TDateTime> TryStrToDateTime(const std::wstring& text,
                                          const FormatSettings& settings, int currentYear) {
    return ParseDateTime(text, settings, currentYear);
}

TDateTime StrToDate(const std::wstring& text, const FormatSettings& settings, int currentYear) {
    if (auto value = ParseDate(text, settings, currentYear)) return *value;
    Fail(text, L"date");
}

TDateTime StrToTime(const std::wstring& text, const FormatSettings& settings) {
    if (auto value = ParseTime(text, settings)) return *value;
    Fail(text, L"time");
}

TDateTime StrToDateTime(const std::wstring& text, const FormatSettings& settings,
                        int currentYear) {
    if (auto value = ParseDateTime(text, settings, currentYear)) return *value;
    Fail(text, L"date and time");
}

TDateTime StrToDate(const std::wstring& text) {
    return StrToDate(text, CurrentFormatSettings(), ClockYear());
}

TDateTime StrToTime(const std::wstring& text) {
    return StrToTime(text, CurrentFormatSettings());
}

TDateTime StrToDateTime(const std::wstring& text) {
    return StrToDateTime(text, CurrentFormatSettings(), ClockYear());
}

std::optional<int> TryStrToInt(const std::wstring& text) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == L'-';
    if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) i = 1;
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - L'0');
        if (value > 1LL + INT_MAX) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

int StrToInt(const std::wstring& text) {
    if (auto value = TryStrToInt(text)) return *value;
    Fail(text, L"integer value");
}
