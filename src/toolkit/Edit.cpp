#include "toolkit/Edit.h"

#include <commctrl.h>

#include "toolkit/Application.h"

namespace tk {
namespace {

DWORD AlignStyle(Alignment a) {
    return a == Alignment::Center ? ES_CENTER : a == Alignment::Right ? ES_RIGHT : ES_LEFT;
}

}  // namespace

void Edit::CreateEdit(Window& parent, const EditArgs& a, DWORD extraStyle) {
    DWORD style = WS_TABSTOP | AlignStyle(a.alignment) | (a.readOnly ? ES_READONLY : 0) | extraStyle;
    CreateChild(parent, WC_EDITW, style, a.border ? WS_EX_CLIENTEDGE : 0, a);
    SetMaxLength(a.maxLength);
}

void Edit::Create(Window& parent, const EditArgs& a) { CreateEdit(parent, a, ES_AUTOHSCROLL); }

void Edit::SetMaxLength(int length) {
    if (Handle()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length > 0 ? length : 0), 0);
}

void Edit::SetReadOnly(bool readOnly) {
    if (Handle()) SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

bool Edit::ReadOnly() const { return Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY); }

void Edit::SelectAll() { SetSelection(0, -1); }

void Edit::SetSelection(int start, int end) {
    if (Handle()) SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), end);
}

bool Edit::OnCommand(WORD code, LRESULT& result) {
    if (code != EN_CHANGE) return false;
    Invoke(OnChange);
    result = 0;
    return true;
}

LRESULT Edit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CHAR && OnKeyPress) {
        auto key = static_cast<wchar_t>(wp);
        Invoke(OnKeyPress, key);
        if (!key) return 0;
        wp = key;
    }
    return Window::WndProc(msg, wp, lp);
}

void Memo::Create(Window& parent, const MemoArgs& a) {
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | (a.wantReturns ? ES_WANTRETURN : 0);
    if (!a.wordWrap) style |= ES_AUTOHSCROLL;
    if (a.scrollBars == ScrollBars::Vertical || a.scrollBars == ScrollBars::Both) style |= WS_VSCROLL;
    if (a.scrollBars == ScrollBars::Horizontal || a.scrollBars == ScrollBars::Both) style |= WS_HSCROLL;
    wantTabs_ = a.wantTabs;
    CreateEdit(parent,
               EditArgs{.text = a.text, .bounds = a.bounds, .anchors = a.anchors, .align = a.align,
                        .visible = a.visible, .enabled = a.enabled, .maxLength = a.maxLength,
                        .readOnly = a.readOnly, .alignment = a.alignment, .border = a.border},
               style);
}

std::vector<std::wstring> Memo::Lines() const {
    std::vector<std::wstring> lines;
    const std::wstring text = Text();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void Memo::SetLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += L"\r\n";
        text += lines[i];
    }
    SetText(text);
}

int Memo::LineCount() const { return static_cast<int>(Lines().size()); }

LRESULT Memo::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_GETDLGCODE) {
        LRESULT code = Edit::WndProc(msg, wp, lp);
        // The edit control asks for every key, Tab included; give Tab back to
        // the dialog navigation unless the memo wants it.
        if (!wantTabs_ && lp) {
            auto m = reinterpret_cast<const MSG*>(lp);
            if (m->wParam == VK_TAB && (m->message == WM_KEYDOWN || m->message == WM_CHAR)) code &= ~DLGC_WANTALLKEYS;
        }
        if (!wantTabs_) code &= ~DLGC_WANTTAB;
        return code;
    }
    return Edit::WndProc(msg, wp, lp);
}

}  // namespace tk
