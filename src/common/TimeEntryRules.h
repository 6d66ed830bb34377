// How the time entry reads its text. Portable (no platform headers), so that
// the rules are tested natively; the control is tk::TimeEdit (src/toolkit/TimeEdit.h).
#pragma once
#include <cstddef>
#include <cwctype>
#include <optional>
#include <string>

#include "common/DateFormat.h"
#include "common/DateTime.h"
#include "common/FormatSettings.h"

namespace entry {

// Typed into an empty (or wholly selected) time entry, this enters the
// current time.
inline constexpr wchar_t TimeEditNowKey = L':';

namespace detail {

inline std::wstring UpperText(std::wstring s) {
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

inline bool HasDayHalfMarker(const std::wstring& text, const FormatSettings& fs) {
    const std::wstring upper = UpperText(text);
    for (const std::wstring& marker :
         {UpperText(fs.timeAMString), UpperText(fs.timePMString), std::wstring(L"AM"),
          std::wstring(L"PM")})
        if (!marker.empty() && upper.find(marker) != std::wstring::npos) return true;
    return false;
}

}  // namespace detail

// True when the locale's short time counts hours on the 12-hour clock.
inline bool UsesTwelveHourClock(const FormatSettings& fs) {
    const std::wstring f = detail::UpperText(fs.shortTimeFormat);
    return f.find(L"AMPM") != std::wstring::npos || f.find(L"AM/PM") != std::wstring::npos ||
           f.find(L"A/P") != std::wstring::npos;
}

// Hours and minutes; seconds typed are dropped. On a 12-hour clock a time of
// 1 to 11 o'clock typed without an AM/PM marker is taken as PM. A locale with
// a 24-hour clock reads hours as they are, or no morning could be entered.
inline std::optional<TDateTime> ParseTimeEntry(const std::wstring& text,
                                               const FormatSettings& settings) {
    const auto time = TryStrToTime(text, settings);
    if (!time) return std::nullopt;
    const TimeParts p = DecodeTime(*time);
    int hour = p.hour;
    if (UsesTwelveHourClock(settings) && !detail::HasDayHalfMarker(text, settings) && hour >= 1 &&
        hour < 12)
        hour += 12;
    return EncodeTime(hour, p.minute, 0);
}

inline std::wstring TimeEntryText(TDateTime time, const FormatSettings& settings) {
    return FormatDateTime(L"t", time, settings);
}

// Arrow keys step the part of the time that the caret stands in: hours,
// minutes, or the AM/PM marker (twelve hours).
enum class TimeField { Hour, Minute, HalfDay };

inline TimeField TimeFieldAt(const std::wstring& text, std::size_t caret,
                             const FormatSettings& settings) {
    const std::size_t lastDigit = text.find_last_of(L"0123456789");
    if (lastDigit != std::wstring::npos && caret > lastDigit + 1 &&
        detail::HasDayHalfMarker(text.substr(lastDigit + 1), settings))
        return TimeField::HalfDay;
    for (std::size_t i = 0; i < caret && i < text.size(); ++i)
        if (text[i] == settings.timeSeparator) return TimeField::Minute;
    return TimeField::Hour;
}

// Steps wrap around midnight; the result is a whole minute.
inline TDateTime StepTime(TDateTime time, TimeField field, int delta) {
    const int unit = field == TimeField::Hour ? 60 : field == TimeField::Minute ? 1 : 720;
    const TimeParts p = DecodeTime(time);
    int minutes = (p.hour * 60 + p.minute + delta * unit) % 1440;
    if (minutes < 0) minutes += 1440;
    return EncodeTime(minutes / 60, minutes % 60, 0);
}

}  // namespace entry
