// The base of the date and time entries: a text box that holds one value in
// the locale's own form. A key enters "now" into an empty (or wholly selected)
// box, Up and Down step the field under the caret and keep the caret where it
// is, and a text that reads is rewritten in its canonical form when the box
// loses the focus. The derived entry says how its value reads and steps.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "toolkit/Edit.h"

namespace tk {

// True when what is typed next into the edit box replaces its whole text: the
// box is empty or all of it is selected.
bool EntryReplacesWholeText(HWND edit);

class EntryEdit : public Edit {
protected:
    template <class Args>
    void CreateEntry(Window& parent, const Args& a, const Rect& bounds) {
        CreateEdit(parent,
                   {.text = a.text, .bounds = bounds, .anchors = a.anchors, .align = a.align,
                    .visible = a.visible, .enabled = a.enabled},
                   ES_AUTOHSCROLL);
    }

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

    virtual wchar_t NowKey() const = 0;
    virtual void EnterNow() = 0;
    // Sets the value stepped by delta in the field at caret (the text's value,
    // or now when the text does not read).
    virtual void StepAt(std::size_t caret, int delta) = 0;
    // The text in its canonical form; nothing when the text does not read.
    virtual std::optional<std::wstring> CanonicalText() const = 0;

private:
    void Step(int delta);
};

}  // namespace tk
