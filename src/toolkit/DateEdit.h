// The date entry: a text box in the locale's short date ("ddddd") with a
// button that drops down a month calendar. Month and day are required; a
// two-digit year falls in the hundred years from the epoch. Typing "/" into an
// empty (or wholly selected) box enters today; Up and Down step the day, month
// or year at the caret; Alt+Down or F4 drop the calendar down.
#pragma once
#include <memory>
#include <optional>

#include "common/DateTime.h"
#include "common/DateEntryRules.h"
#include "toolkit/EntryEdit.h"

namespace tk {

struct DateEditArgs {
    TK_CONTROL_ARGS
    int epoch = entry::DateEditDefaultEpoch;
};

class DateEdit : public EntryEdit {
public:
    DateEdit();
    ~DateEdit() override;
    void Create(Window& parent, const DateEditArgs& args);

    // Nothing when the text is not a date.
    std::optional<TDateTime> TryDate() const;
    // Throws EConvertError naming the text when it is not a date.
    TDateTime Date() const;
    void SetDate(TDateTime date);

    void DropDown();
    void SetVisible(bool visible) override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    wchar_t NowKey() const override { return entry::DateEditTodayKey; }
    void EnterNow() override;
    void StepAt(std::size_t caret, int delta) override;
    std::optional<std::wstring> CanonicalText() const override;

private:
    class DropButton;
    std::unique_ptr<DropButton> button_;
    int epoch_ = entry::DateEditDefaultEpoch;
};

}  // namespace tk
