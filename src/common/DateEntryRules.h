// How the date entry reads its text. Portable (no platform headers), so that
// the rules are tested natively; the control is tk::DateEdit (src/toolkit/DateEdit.h).
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "common/DateFormat.h"
#include "common/DateTime.h"
#include "common/FormatSettings.h"

namespace entry {

// Typed into an empty (or wholly selected) date entry, this enters today.
inline constexpr wchar_t DateEditTodayKey = L'/';
inline constexpr int DateEditDefaultEpoch = 1980;

// The text in the locale's short date: month and day are required, the year
// may be left out (the current year). A year of one or two digits falls in the
// hundred years that begin at `epoch`. The time of day is dropped.
inline std::optional<TDateTime> ParseDateEntry(const std::wstring& text,
                                               const FormatSettings& settings, int currentYear,
                                               int epoch = DateEditDefaultEpoch) {
    FormatSettings fs = settings;
    // ExpandTwoDigitYear counts its window back from the current year.
    fs.twoDigitYearCenturyWindow = currentYear - epoch;
    const auto date = TryStrToDate(text, fs, currentYear);
    if (!date) return std::nullopt;
    return DateOf(*date);
}

inline std::wstring DateEntryText(TDateTime date, const FormatSettings& settings) {
    return FormatDateTime(L"ddddd", date, settings);
}

// Arrow keys step the part of the date that the caret stands in.
enum class DateField { Day, Month, Year };

// The parts in the order of the locale's short date, found by the date
// separators before the caret.
inline DateField DateFieldAt(const std::wstring& text, std::size_t caret,
                             const FormatSettings& settings) {
    std::wstring order;
    for (wchar_t c : settings.shortDateFormat) {
        const wchar_t lower = c >= L'A' && c <= L'Z' ? wchar_t(c + 32) : c;
        if ((lower == L'd' || lower == L'm' || lower == L'y') && order.find(lower) == std::wstring::npos)
            order += lower;
    }
    if (order.empty()) order = L"mdy";
    std::size_t index = 0;
    for (std::size_t i = 0; i < caret && i < text.size(); ++i)
        if (text[i] == settings.dateSeparator) ++index;
    const wchar_t field = order[index < order.size() ? index : order.size() - 1];
    return field == L'd' ? DateField::Day : field == L'm' ? DateField::Month : DateField::Year;
}

// A month or year step keeps the day, cut to the target month's length.
inline TDateTime StepDate(TDateTime date, DateField field, int delta) {
    switch (field) {
    case DateField::Day: return DateOf(date) + delta;
    case DateField::Month: return DateOf(IncMonth(date, delta));
    case DateField::Year: return DateOf(IncMonth(date, 12 * delta));
    }
    return date;
}

}  // namespace entry
