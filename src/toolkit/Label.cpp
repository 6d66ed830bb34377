#include "toolkit/Label.h"

#include <commctrl.h>

#include "toolkit/Application.h"
#include "toolkit/Handles.h"

namespace tk {

void Label::Create(Window& parent, const LabelArgs& a) {
    DWORD style = SS_NOTIFY | (a.showAccelChar ? 0 : SS_NOPREFIX);
    switch (a.alignment) {
    case Alignment::Left: style |= a.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP; break;
    case Alignment::Center: style |= SS_CENTER; break;
    case Alignment::Right: style |= SS_RIGHT; break;
    }
    autoSize_ = a.autoSize;
    wordWrap_ = a.wordWrap;
    textColor_ = a.textColor;
    CreateChild(parent, WC_STATICW, style, 0, a);
    if (a.bold) UseMessageFont(true);
    FitToText();
}

void Label::SetText(const std::wstring& text) {
    Window::SetText(text);
    FitToText();
}

void Label::SetTextColor(COLORREF color) {
    textColor_ = color;
    Invalidate();
}

void Label::SetBold(bool bold) {
    UseMessageFont(bold);
    FitToText();
}

void Label::FitToText() {
    if (!autoSize_ || !Handle()) return;
    Rect b = BoundsPixels();
    WindowDC dc(Handle());
    SelectGuard font(dc, GetFont());
    std::wstring text = Text();
    RECT r{0, 0, wordWrap_ ? b.width : 0, 0};
    UINT flags = DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
    if (GetWindowLongPtrW(Handle(), GWL_STYLE) & SS_NOPREFIX) flags |= DT_NOPREFIX;
    if (text.empty()) {
        TEXTMETRICW tm;
        GetTextMetricsW(dc, &tm);
        r.bottom = tm.tmHeight;
    } else {
        DrawTextW(dc, text.c_str(), -1, &r, flags);
    }
    if (!wordWrap_) b.width = r.right;
    b.height = r.bottom;
    // Keeps the anchors' reference in step with the new size.
    SetBoundsPixels(b);
}

bool Label::OnCommand(WORD code, LRESULT& result) {
    if (code == STN_CLICKED) Invoke(OnClick);
    else if (code == STN_DBLCLK) Invoke(OnDblClick);
    else return false;
    result = 0;
    return true;
}

HBRUSH Label::OnCtlColor(HDC dc, HBRUSH parentBrush) {
    if (textColor_ != CLR_INVALID) ::SetTextColor(dc, textColor_);
    return parentBrush;
}

}  // namespace tk
