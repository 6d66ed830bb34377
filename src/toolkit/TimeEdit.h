// The time entry: a text box in the locale's short time ("t"), hours and
// minutes. On a 12-hour clock a time typed without AM/PM is taken as PM.
// Typing ":" into an empty (or wholly selected) box enters the current time;
// Up and Down step the hour, minute or AM/PM at the caret.
#pragma once
#include <optional>

#include "common/DateTime.h"
#include "toolkit/Edit.h"
#include "common/TimeEntryRules.h"

namespace tk {

struct TimeEditArgs {
    TK_CONTROL_ARGS
};

// True when what is typed next into the edit box replaces its whole text: the
// box is empty or all of it is selected.
bool EntryReplacesWholeText(HWND edit);

class TimeEdit : public Edit {
public:
    void Create(Window& parent, const TimeEditArgs& args);

    // The time of day as a fraction; nothing when the text is not a time.
    std::optional<TDateTime> TryTime() const;
    // Throws EConvertError naming the text when it is not a time.
    TDateTime Time() const;
    void SetTime(TDateTime time);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Step(int delta);
};

}  // namespace tk
