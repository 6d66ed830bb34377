#include "toolkit/EntryEdit.h"

namespace tk {

bool EntryReplacesWholeText(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthW(edit));
    return length == 0 || (start == 0 && end == length);
}

void EntryEdit::Step(int delta) {
    DWORD caret = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    StepAt(caret, delta);
    // Keep the caret in the same part of the new text.
    SetSelection(static_cast<int>(caret), static_cast<int>(caret));
}

LRESULT EntryEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CHAR:
        if (static_cast<wchar_t>(wp) == NowKey() && !ReadOnly() && EntryReplacesWholeText(Handle())) {
            EnterNow();
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
        if (auto canonical = CanonicalText(); canonical && *canonical != Text()) SetText(*canonical);
        break;
    }
    return Edit::WndProc(msg, wp, lp);
}

}  // namespace tk
