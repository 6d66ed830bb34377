// The time entry: a text box in the locale's short time ("t"), hours and
// minutes. On a 12-hour clock a time typed without AM/PM is taken as PM.
// Typing ":" into an empty (or wholly selected) box enters the current time;
// Up and Down step the hour, minute or AM/PM at the caret.
#pragma once
#include <optional>

#include "common/DateTime.h"
#include "common/TimeEntryRules.h"
#include "toolkit/EntryEdit.h"

namespace tk {

struct TimeEditArgs {
    TK_CONTROL_ARGS
};

class TimeEdit : public EntryEdit {
public:
    void Create(Window& parent, const TimeEditArgs& args);

    // The time of day as a fraction; nothing when the text is not a time.
    std::optional<TDateTime> TryTime() const;
    // Throws EConvertError naming the text when it is not a time.
    TDateTime Time() const;
    void SetTime(TDateTime time);

protected:
    wchar_t NowKey() const override { return entry::TimeEditNowKey; }
    void EnterNow() override;
    void StepAt(std::size_t caret, int delta) override;
    std::optional<std::wstring> CanonicalText() const override;
};

}  // namespace tk
