#include "toolkit/Panel.h"

#include "toolkit/Application.h"

namespace tk {
namespace {
constexpr wchar_t kPanelClass[] = L"tk_Panel";
}

void Panel::Create(Window& parent, const PanelArgs& a) {
    RegisterOwnClass(kPanelClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr, nullptr);
    style_ = a;
    if (a.color != CLR_INVALID) brush_.reset(CreateSolidBrush(a.color));
    CreateOwnChild(parent, kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT | (a.border ? WS_EX_CLIENTEDGE : 0), a);
    if (a.bold) UseMessageFont(true);
}

void Panel::SetColor(COLORREF color) {
    style_.color = color;
    brush_.reset(color == CLR_INVALID ? nullptr : CreateSolidBrush(color));
    Invalidate();
    // Children that take the panel's background repaint too.
    if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

COLORREF Panel::Color() const { return style_.color == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : style_.color; }

void Panel::SetFontColor(COLORREF color) {
    style_.fontColor = color;
    Invalidate();
}

COLORREF Panel::FontColor() const {
    return style_.fontColor == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : style_.fontColor;
}

void Panel::SetText(const std::wstring& text) {
    Window::SetText(text);
    Invalidate();
}

int Panel::BevelWidth() const {
    return (style_.bevelOuter != Bevel::None ? 1 : 0) + (style_.bevelInner != Bevel::None ? 1 : 0);
}

void Panel::AdjustClientRect(RECT& rect) const {
    const int b = BevelWidth();
    InflateRect(&rect, -b, -b);
}

HBRUSH Panel::ChildBackground(HDC dc, UINT msg) {
    if (msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN) return nullptr;
    if (brush_) {
        SetBkColor(dc, style_.color);
        return brush_.get();
    }
    if (Window* p = Parent()) {  // a plain panel shows what it stands on
        if (HWND ph = p->Handle())
            return reinterpret_cast<HBRUSH>(
                SendMessageW(ph, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Handle())));
    }
    return nullptr;
}

void Panel::Paint(HDC dc, const RECT& client, const RECT&) {
    RECT r = client;
    FillRect(dc, &r, brush_ ? brush_.get() : GetSysColorBrush(COLOR_BTNFACE));
    auto edge = [&](Bevel b) {
        if (b == Bevel::None) return;
        DrawEdge(dc, &r, b == Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    };
    edge(style_.bevelOuter);
    edge(style_.bevelInner);
    const std::wstring text = Text();
    if (!text.empty()) {
        SelectGuard font(dc, GetFont());
        SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, Enabled() ? FontColor() : GetSysColor(COLOR_GRAYTEXT));
        UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        flags |= style_.alignment == Alignment::Left    ? DT_LEFT
                 : style_.alignment == Alignment::Right ? DT_RIGHT
                                                        : DT_CENTER;
        RECT tr = r;
        InflateRect(&tr, -Scale(2), 0);
        DrawTextW(dc, text.c_str(), -1, &tr, flags);
    }
    Invoke(OnPaint, dc, client);
}

LRESULT Panel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONUP:
        Invoke(OnClick);
        return 0;
    case WM_LBUTTONDBLCLK:
        Invoke(OnDblClick);
        return 0;
    case WM_SETTEXT: {
        LRESULT r = PaintedControl::WndProc(msg, wp, lp);
        Invalidate();
        return r;
    }
    case WM_ENABLE:
        Invalidate();
        break;
    }
    return PaintedControl::WndProc(msg, wp, lp);
}

}  // namespace tk
