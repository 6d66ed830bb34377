#include "toolkit/TimeEdit.h"

#include "common/Errors.h"
#include "common/FormatSettings.h"
#include "toolkit/AnalogClock.h"
#include "toolkit/LocalTime.h"

namespace tk {
bool EntryReplacesWholeText(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthW(edit));
    return length == 0 || (start == 0 && end == length);
}

void TimeEdit::Create(Window& parent, const TimeEditArgs& a) {
    CreateEdit(parent,
               {.text = a.text, .bounds = a.bounds, .anchors = a.anchors, .align = a.align,
                .visible = a.visible, .enabled = a.enabled},
               ES_AUTOHSCROLL);
}

std::optional<TDateTime> TimeEdit::TryTime() const {
    return entry::ParseTimeEntry(Text(), CurrentFormatSettings());
}

TDateTime TimeEdit::Time() const {
    if (auto time = TryTime()) return *time;
    throw EConvertError(L"'" + Text() + L"' is not a valid time");
}

void TimeEdit::SetTime(TDateTime time) { SetText(entry::TimeEntryText(time, CurrentFormatSettings())); }

void TimeEdit::Step(int delta) {
    DWORD caret = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    const FormatSettings& fs = CurrentFormatSettings();
    const std::wstring text = Text();
    const TDateTime time = TryTime().value_or(TimeOf(LocalNow()));
    SetTime(entry::StepTime(time, entry::TimeFieldAt(text, caret, fs), delta));
    SetSelection(static_cast<int>(caret), static_cast<int>(caret));
}

LRESULT TimeEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CHAR:
        if (static_cast<wchar_t>(wp) == entry::TimeEditNowKey && !ReadOnly() && EntryReplacesWholeText(Handle())) {
            SetTime(TimeOf(LocalNow()));
            SetSelection(-1, -1);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if ((wp == VK_UP || wp == VK_DOWN) && !ReadOnly()) {
            Step(wp == VK_UP ? 1 : -1);
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        if (auto time = TryTime()) {
            const std::wstring canonical = entry::TimeEntryText(*time, CurrentFormatSettings());
            if (canonical != Text()) SetText(canonical);
        }
        break;
    }
    return Edit::WndProc(msg, wp, lp);
}

}  // namespace tk
