#include "toolkit/TimeEdit.h"

#include "common/Errors.h"
#include "common/FormatSettings.h"
#include "toolkit/LocalTime.h"

namespace tk {

void TimeEdit::Create(Window& parent, const TimeEditArgs& a) { CreateEntry(parent, a, a.bounds); }

std::optional<TDateTime> TimeEdit::TryTime() const {
    return entry::ParseTimeEntry(Text(), CurrentFormatSettings());
}

TDateTime TimeEdit::Time() const {
    if (auto time = TryTime()) return *time;
    throw EConvertError(L"'" + Text() + L"' is not a valid time");
}

void TimeEdit::SetTime(TDateTime time) { SetText(entry::TimeEntryText(time, CurrentFormatSettings())); }

void TimeEdit::EnterNow() { SetTime(TimeOf(LocalNow())); }

void TimeEdit::StepAt(std::size_t caret, int delta) {
    const TDateTime time = TryTime().value_or(TimeOf(LocalNow()));
    SetTime(entry::StepTime(time, entry::TimeFieldAt(Text(), caret, CurrentFormatSettings()), delta));
}

std::optional<std::wstring> TimeEdit::CanonicalText() const {
    if (auto time = TryTime()) return entry::TimeEntryText(*time, CurrentFormatSettings());
    return std::nullopt;
}

}  // namespace tk
