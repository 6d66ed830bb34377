#include "toolkit/Window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"

namespace tk {
namespace {

constexpr wchar_t kWindowProp[] = L"tk.Window";
constexpr UINT_PTR kSubclassId = 0x746B;  // "tk"

}  // namespace

Window::~Window() {
    if (parent_) {
        auto& sibs = parent_->children_;
        sibs.erase(std::remove(sibs.begin(), sibs.end(), this), sibs.end());
    }
    for (Window* c : children_) c->parent_ = nullptr;
    if (hwnd_) {
        HWND h = hwnd_;
        Detach();
        DestroyWindow(h);
    }
}

Window* Window::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Window*>(GetPropW(hwnd, kWindowProp)) : nullptr;
}

Form* Window::ParentForm() const {
    for (const Window* w = this; w; w = w->parent_) {
        if (auto f = dynamic_cast<const Form*>(w)) return const_cast<Form*>(f);
    }
    return nullptr;
}

int Window::NextControlId() {
    // Clear of IDOK..IDCLOSE, which the dialog manager sends for Enter and Esc,
    // and of the menu command range.
    static int next = 100;
    int id = next++;
    if (next > 0x3FFF) next = 100;
    return id;
}

UINT Window::Dpi() const {
    if (hwnd_) return DpiForWindow(hwnd_);
    return parent_ ? parent_->Dpi() : SystemDpi();
}
int Window::Scale(int design) const { return tk::Scale(design, Dpi()); }
int Window::Unscale(int pixels) const { return tk::Unscale(pixels, Dpi()); }

void Window::Attach(HWND hwnd, bool subclassed) {
    hwnd_ = hwnd;
    subclassed_ = subclassed;
    SetPropW(hwnd, kWindowProp, this);
    if (subclassed) SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void Window::Detach() {
    if (!hwnd_) return;
    RemovePropW(hwnd_, kWindowProp);
    if (subclassed_) RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
}

void Window::SetParentWindow(Window* parent) {
    if (parent_) {
        auto& sibs = parent_->children_;
        sibs.erase(std::remove(sibs.begin(), sibs.end(), this), sibs.end());
    }
    parent_ = parent;
    if (parent_) parent_->children_.push_back(this);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto w = reinterpret_cast<Window*>(data);
    if (msg == WM_NCDESTROY) {
        LRESULT r = w->Route(msg, wp, lp);
        w->Detach();
        return r;
    }
    return w->Route(msg, wp, lp);
}

LRESULT CALLBACK Window::OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        if (auto w = static_cast<Window*>(cs->lpCreateParams)) w->Attach(hwnd, false);
    }
    Window* w = FromHandle(hwnd);
    if (!w) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        LRESULT r = w->Route(msg, wp, lp);
        w->Detach();
        return r;
    }
    return w->Route(msg, wp, lp);
}

void Window::RegisterOwnClass(const wchar_t* name, UINT style, HBRUSH background, HICON icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(Application::Instance(), name, &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = OwnClassProc;
    wc.hInstance = Application::Instance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc)) throw std::runtime_error("RegisterClassEx failed");
}

// Exceptions end here: a handler's failure is reported and the message counts
// as handled, so nothing unwinds through the system's code.
LRESULT Window::Route(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        return WndProc(msg, wp, lp);
    } catch (...) {
        Application::HandleException(std::current_exception());
        return 0;
    }
}

LRESULT Window::Default(UINT msg, WPARAM wp, LPARAM lp) {
    if (!hwnd_) return 0;
    return subclassed_ ? DefSubclassProc(hwnd_, msg, wp, lp) : DefWindowProcW(hwnd_, msg, wp, lp);
}

bool Window::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND:
        if (lp) {
            if (Window* c = FromHandle(reinterpret_cast<HWND>(lp)); c && c != this)
                return c->OnCommand(HIWORD(wp), result);
        }
        return false;
    case WM_NOTIFY: {
        auto hdr = reinterpret_cast<NMHDR*>(lp);
        if (Window* c = FromHandle(hdr->hwndFrom); c && c != this) return c->OnNotify(*hdr, result);
        return false;
    }
    case WM_DRAWITEM: {
        auto dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (dis->CtlType == ODT_MENU) return false;
        if (Window* c = FromHandle(dis->hwndItem); c && c->OnDrawItem(*dis)) {
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_MEASUREITEM: {
        auto mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (mis->CtlType == ODT_MENU) return false;
        if (Window* c = FromHandle(GetDlgItem(hwnd_, static_cast<int>(mis->CtlID))); c && c->OnMeasureItem(*mis)) {
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lp) {
            if (Window* c = FromHandle(reinterpret_cast<HWND>(lp)); c && c != this && c->OnScroll(msg, LOWORD(wp))) {
                result = 0;
                return true;
            }
        }
        return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
        auto dc = reinterpret_cast<HDC>(wp);
        HBRUSH brush = ChildBackground(dc, msg);
        if (!brush) brush = reinterpret_cast<HBRUSH>(Default(msg, wp, lp));
        if (Window* c = FromHandle(reinterpret_cast<HWND>(lp)); c && c != this) brush = c->OnCtlColor(dc, brush);
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    default:
        return false;
    }
}

LRESULT Window::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (Reflect(msg, wp, lp, result)) return result;
    switch (msg) {
    case WM_SIZE: {
        LRESULT r = Default(msg, wp, lp);
        if (!children_.empty() && wp != SIZE_MINIMIZED) Realign();
        return r;
    }
    case WM_CONTEXTMENU:
        if (popup_ && ParentForm()) {
            POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (lp == -1) {  // from the keyboard: the window's top left corner
                pt = {0, 0};
                ClientToScreen(hwnd_, &pt);
            }
            popup_->Popup(pt.x, pt.y, *ParentForm());
            return 0;
        }
        break;
    }
    return Default(msg, wp, lp);
}

// ---- bounds and layout ----

void Window::SetBounds(const Rect& d) {
    SetBoundsPixels({Scale(d.left), Scale(d.top), Scale(d.width), Scale(d.height)});
}

Rect Window::Bounds() const {
    Rect p = BoundsPixels();
    return {Unscale(p.left), Unscale(p.top), Unscale(p.width), Unscale(p.height)};
}

void Window::MovePixels(const Rect& p) {
    if (!hwnd_) return;
    Rect cur = BoundsPixels();
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (cur.width == p.width && cur.height == p.height) flags |= SWP_NOSIZE;
    if (cur.left == p.left && cur.top == p.top) flags |= SWP_NOMOVE;
    if ((flags & (SWP_NOSIZE | SWP_NOMOVE)) == (SWP_NOSIZE | SWP_NOMOVE)) return;
    SetWindowPos(hwnd_, nullptr, p.left, p.top, p.width, p.height + ExtraHeightPixels(), flags);
}

void Window::SetBoundsPixels(const Rect& p) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, p.left, p.top, p.width, p.height + ExtraHeightPixels(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RememberAnchorOrigin();
    if (parent_ && align_ != Align::None) parent_->Realign();
}

Rect Window::BoundsPixels() const {
    if (!hwnd_) return {};
    RECT r;
    GetWindowRect(hwnd_, &r);
    if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) {
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
        // Mirrored parents swap the edges; keep left < right.
        if (r.left > r.right) std::swap(r.left, r.right);
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

int Window::ClientWidthPixels() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r.right;
}

int Window::ClientHeightPixels() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return r.bottom;
}

void Window::RememberAnchorOrigin() {
    anchorRect_ = BoundsPixels();
    anchorParent_ = {};
    if (HWND p = hwnd_ ? GetParent(hwnd_) : nullptr; p && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD)) {
        RECT r;
        GetClientRect(p, &r);
        anchorParent_ = {r.right, r.bottom};
    }
}

void Window::SetAnchors(Anchors anchors) {
    anchors_ = anchors;
    RememberAnchorOrigin();
}

void Window::SetAlign(Align align) {
    align_ = align;
    if (parent_) parent_->Realign();
}

void Window::Realign() {
    if (!hwnd_) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    RECT free = client;
    AdjustClientRect(free);
    for (Align kind : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
        for (Window* c : children_) {
            if (c->align_ != kind || !c->Visible()) continue;
            Rect cur = c->BoundsPixels();
            int w = free.right - free.left, h = free.bottom - free.top;
            Rect r;
            switch (kind) {
            case Align::Top: r = {free.left, free.top, w, cur.height}; free.top += cur.height; break;
            case Align::Bottom: r = {free.left, free.bottom - cur.height, w, cur.height}; free.bottom -= cur.height; break;
            case Align::Left: r = {free.left, free.top, cur.width, h}; free.left += cur.width; break;
            case Align::Right: r = {free.right - cur.width, free.top, cur.width, h}; free.right -= cur.width; break;
            default: r = {free.left, free.top, std::max(0, w), std::max(0, h)}; break;
            }
            c->MovePixels(r);
        }
    }
    const int cw = client.right, ch = client.bottom;
    for (Window* c : children_) {
        if (c->align_ != Align::None || c->anchors_ == (akLeft | akTop)) continue;
        if (c->anchorParent_.cx == 0 && c->anchorParent_.cy == 0) continue;
        Rect r = c->anchorRect_;
        const int dx = cw - c->anchorParent_.cx, dy = ch - c->anchorParent_.cy;
        if (c->anchors_ & akRight) {
            if (c->anchors_ & akLeft) r.width = std::max(0, r.width + dx); else r.left += dx;
        } else if (!(c->anchors_ & akLeft)) {
            r.left += dx / 2;
        }
        if (c->anchors_ & akBottom) {
            if (c->anchors_ & akTop) r.height = std::max(0, r.height + dy); else r.top += dy;
        } else if (!(c->anchors_ & akTop)) {
            r.top += dy / 2;
        }
        c->MovePixels(r);
    }
}

void Window::RescaleTree(UINT oldDpi, UINT newDpi) {
    auto sc = [&](int v) { return MulDiv(v, static_cast<int>(newDpi), static_cast<int>(oldDpi)); };
    for (Window* c : children_) {
        Rect p = c->BoundsPixels();
        c->MovePixels({sc(p.left), sc(p.top), sc(p.width), sc(p.height)});
        c->anchorRect_ = {sc(c->anchorRect_.left), sc(c->anchorRect_.top), sc(c->anchorRect_.width),
                          sc(c->anchorRect_.height)};
        c->anchorParent_ = {sc(c->anchorParent_.cx), sc(c->anchorParent_.cy)};
        c->ApplyFont();
        c->RescaleTree(oldDpi, newDpi);
        c->OnDpiChanged(oldDpi, newDpi);
    }
}

// ---- state ----

void Window::SetVisible(bool visible) {
    if (!hwnd_) return;
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    if (parent_ && align_ != Align::None) parent_->Realign();
}

bool Window::Visible() const {
    return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE);
}

void Window::SetEnabled(bool enabled) {
    if (hwnd_) EnableWindow(hwnd_, enabled);
}

bool Window::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void Window::SetText(const std::wstring& text) {
    if (hwnd_) SetWindowTextW(hwnd_, text.c_str());
}

std::wstring Window::Text() const {
    if (!hwnd_) return {};
    std::wstring s(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    s.resize(static_cast<size_t>(GetWindowTextW(hwnd_, s.data(), static_cast<int>(s.size()))));
    return s;
}

void Window::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}
bool Window::Focused() const { return hwnd_ && GetFocus() == hwnd_; }
bool Window::CanFocus() const { return hwnd_ && IsWindowVisible(hwnd_) && IsWindowEnabled(hwnd_); }
void Window::Invalidate(bool erase) {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, erase);
}
void Window::Update() {
    if (hwnd_) UpdateWindow(hwnd_);
}

void Window::SetTabOrder(int index) {
    if (!hwnd_) return;
    std::vector<HWND> sibs;
    for (HWND h = GetWindow(GetParent(hwnd_), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (h != hwnd_) sibs.push_back(h);
    index = std::clamp(index, 0, static_cast<int>(sibs.size()));
    HWND after = index == 0 ? HWND_TOP : sibs[static_cast<size_t>(index) - 1];
    SetWindowPos(hwnd_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int Window::TabOrder() const {
    if (!hwnd_) return -1;
    int i = 0;
    for (HWND h = GetWindow(GetParent(hwnd_), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT), ++i)
        if (h == hwnd_) return i;
    return -1;
}

void Window::SetFont(HFONT font) {
    customFont_ = font;
    ApplyFont();
}

void Window::UseMessageFont(bool bold) {
    customFont_ = nullptr;
    boldFont_ = bold;
    ApplyFont();
}

HFONT Window::GetFont() const { return customFont_ ? customFont_ : MessageFont(Dpi(), boldFont_); }

void Window::ApplyFont() {
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()), TRUE);
}

void Window::CreateOwnChild(Window& parent, const wchar_t* className, DWORD style, DWORD exStyle,
                            const std::wstring& text, const Rect& b, Anchors anchors, Align align,
                            bool visible, bool enabled) {
    style = ChildStyle(parent, style, enabled);
    HWND h = CreateWindowExW(exStyle, className, text.c_str(), style, 0, 0, 0, 0, parent.Handle(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())),
                             Application::Instance(), this);
    if (!h) throw std::runtime_error("CreateWindowEx failed");
    FinishCreate(parent, b, anchors, align, visible);
}

void Window::CreateChild(Window& parent, const wchar_t* className, DWORD style, DWORD exStyle,
                         const std::wstring& text, const Rect& b, Anchors anchors, Align align,
                         bool visible, bool enabled) {
    style = ChildStyle(parent, style, enabled);
    UINT dpi = parent.Dpi();
    HWND h = CreateWindowExW(exStyle, className, text.c_str(), style, tk::Scale(b.left, dpi),
                             tk::Scale(b.top, dpi), tk::Scale(b.width, dpi), tk::Scale(b.height, dpi),
                             parent.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())),
                             Application::Instance(), nullptr);
    if (!h) throw std::runtime_error("CreateWindowEx failed");
    Attach(h, true);
    FinishCreate(parent, b, anchors, align, visible);
}

DWORD Window::ChildStyle(const Window& parent, DWORD style, bool enabled) const {
    if (hwnd_) throw std::logic_error("control created twice");
    if (!parent.Handle()) throw std::logic_error("parent window has no handle");
    return style | WS_CHILD | WS_CLIPSIBLINGS | (enabled ? 0 : WS_DISABLED);
}

// What every child takes on once its window exists: its place in the
// layout, the font, the bounds and visibility.
void Window::FinishCreate(Window& parent, const Rect& b, Anchors anchors, Align align, bool visible) {
    SetParentWindow(&parent);
    anchors_ = anchors;
    align_ = align;
    ApplyFont();
    SetBounds(b);
    if (visible) ShowWindow(hwnd_, SW_SHOWNA);
    if (align_ != Align::None) parent.Realign();
}

}  // namespace tk
