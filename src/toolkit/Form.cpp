#include "toolkit/Form.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Dpi.h"
#include "toolkit/Menu.h"
#include "toolkit/Screen.h"

namespace tk {
namespace {

std::vector<Form*>& AllForms() {
    static std::vector<Form*> forms;
    return forms;
}

UINT ReleaseMessage() {
    static UINT msg = RegisterWindowMessageW(L"tk_FormRelease");
    return msg;
}

// Runs a close handler; a throw is reported and counts as "do not close".
template <class Fn>
bool RunCloseHandler(Fn&& fn) {
    try {
        fn();
        return true;
    } catch (...) {
        Application::HandleException(std::current_exception());
        return false;
    }
}

void StylesFor(const FormArgs& a, DWORD& style, DWORD& ex) {
    const DWORD boxes = (a.minimizeBox ? WS_MINIMIZEBOX : 0) | (a.maximizeBox ? WS_MAXIMIZEBOX : 0);
    style = 0;
    ex = 0;
    switch (a.border) {
    case BorderStyle::Sizeable: style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | boxes; break;
    case BorderStyle::Single: style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | boxes; break;
    case BorderStyle::Dialog: style = WS_POPUP | WS_CAPTION | WS_SYSMENU; ex = WS_EX_DLGMODALFRAME; break;
    case BorderStyle::ToolWindow: style = WS_POPUP | WS_CAPTION | WS_SYSMENU; ex = WS_EX_TOOLWINDOW; break;
    case BorderStyle::SizeToolWin: style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; ex = WS_EX_TOOLWINDOW; break;
    case BorderStyle::None: style = WS_POPUP; break;
    }
    style |= WS_CLIPCHILDREN;
    ex |= WS_EX_CONTROLPARENT | a.exStyle;
    if (a.appWindow) ex |= WS_EX_APPWINDOW;
    if (a.topMost) ex |= WS_EX_TOPMOST;
}

}  // namespace

ShiftState CurrentShiftState() {
    ShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

Form::Form(const FormArgs& a)
    : owner_(a.owner), keyPreview_(a.keyPreview), freeOnClose_(a.freeOnClose),
      minSize_{a.minWidth, a.minHeight}, minClientSize_{a.minClientWidth, a.minClientHeight} {
    const std::wstring cls = a.className.empty() ? L"Tdayloom_Form" : a.className;
    HINSTANCE inst = Application::Instance();
    RegisterOwnClass(cls.c_str(), CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                     LoadIconW(inst, MAKEINTRESOURCEW(1)));
    DWORD style, ex;
    StylesFor(a, style, ex);
    // A form with its own taskbar button has the desktop as parent; it stays
    // owned by its owner form all the same (destroyed with it).
    HWND parent = a.appWindow ? GetDesktopWindow() : (owner_ ? owner_->Handle() : nullptr);
    UINT dpi = SystemDpi();
    RECT r{0, 0, tk::Scale(a.clientWidth, dpi), tk::Scale(a.clientHeight, dpi)};
    AdjustWindowRectForDpi(r, style, false, ex, dpi);
    HWND h = CreateWindowExW(ex, cls.c_str(), a.caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                             r.right - r.left, r.bottom - r.top, parent, nullptr, inst, static_cast<Window*>(this));
    if (!h) throw std::runtime_error("CreateWindowEx failed for a form");
    AllForms().push_back(this);
    if (owner_) owner_->owned_.push_back(this);
    dpi_ = DpiForWindow(h);
    if (a.iconId) {
        auto small = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(a.iconId), IMAGE_ICON,
                                                   SystemMetricForDpi(SM_CXSMICON, dpi_),
                                                   SystemMetricForDpi(SM_CYSMICON, dpi_), LR_SHARED));
        auto big = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(a.iconId), IMAGE_ICON,
                                                 SystemMetricForDpi(SM_CXICON, dpi_),
                                                 SystemMetricForDpi(SM_CYICON, dpi_), LR_SHARED));
        if (small) SendMessageW(h, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
        if (big) SendMessageW(h, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    }
    PlaceWindow(a);
}

void Form::PlaceWindow(const FormArgs& a) {
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
    DWORD ex = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
    RECT r{0, 0, Scale(a.clientWidth), Scale(a.clientHeight)};
    AdjustWindowRectForDpi(r, style, false, ex, dpi_);
    const int w = r.right - r.left, h = r.bottom - r.top;
    Rect cur = BoundsPixels();
    int x = cur.left, y = cur.top;
    Position pos = a.position;
    if (pos == Position::OwnerCenter && !(owner_ && IsWindowVisible(owner_->Handle()))) pos = Position::ScreenCenter;
    switch (pos) {
    case Position::Default: break;
    case Position::Designed: x = Scale(a.left); y = Scale(a.top); break;
    case Position::ScreenCenter:
        x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
        break;
    case Position::OwnerCenter: {
        Rect o = owner_->BoundsPixels();
        x = o.left + (o.width - w) / 2;
        y = o.top + (o.height - h) / 2;
        break;
    }
    }
    SetWindowPos(Handle(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

Form::~Form() {
    *alive_ = false;
    if (Handle() && !destroying_) {
        // Deleted directly: the derived part is gone, so OnDestroy cannot run.
        destroying_ = true;
        DestroyOwned();
        if (mainMenu_) SetMenu(Handle(), nullptr);
    }
    DestroyOwned();
    if (owner_) {
        auto& o = owner_->owned_;
        o.erase(std::remove(o.begin(), o.end(), this), o.end());
    }
    auto& all = AllForms();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    if (Application::MainForm() == this) Application::SetMainFormDestroyed();
}

Form* Form::FromHandle(HWND hwnd) { return dynamic_cast<Form*>(Window::FromHandle(hwnd)); }
const std::vector<Form*>& Form::All() { return AllForms(); }

void Form::DestroyOwned() {
    while (!owned_.empty()) {
        Form* f = owned_.back();
        owned_.pop_back();
        f->owner_ = nullptr;
        f->Free();
    }
}

void Form::DestroyHandle() {
    if (!Handle() || destroying_) return;
    destroying_ = true;
    Invoke(OnDestroy);
    DestroyOwned();
    if (Application::MainForm() == this) Application::SetMainFormDestroyed();
    HWND h = Handle();
    if (mainMenu_) SetMenu(h, nullptr);
    DestroyWindow(h);
}

void Form::Free() {
    DestroyHandle();
    if (!held_) delete this;
}

void Form::Release() {
    if (Handle()) PostMessageW(Handle(), ReleaseMessage(), 0, 0);
    else Free();
}

// ---- showing ----

void Form::Show() {
    if (!Handle()) return;
    if (!Visible()) {
        Invoke(OnShow);
        if (!Handle()) return;
    }
    ShowWindow(Handle(), IsIconic(Handle()) || IsZoomed(Handle()) ? SW_SHOW : SW_SHOWNORMAL);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Form::Hide() {
    if (!Handle() || !Visible()) return;
    ShowWindow(Handle(), SW_HIDE);
    Invoke(OnHide);
}

void Form::SetVisible(bool visible) {
    if (visible) Show(); else Hide();
}

namespace {
BOOL CALLBACK CollectEnabledWindow(HWND h, LPARAM p) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(p);
    if (IsWindowVisible(h) && IsWindowEnabled(h)) windows->push_back(h);
    return TRUE;
}
}  // namespace

ModalResult Form::ShowModal() {
    if (modal_ || !Handle()) throw std::logic_error("ShowModal on a modal or destroyed form");
    auto alive = alive_;
    ReleaseCapture();
    // Like a dialog box, but for every window of the program: the user answers
    // this form first. Windows are re-enabled before this one hides, so that
    // activation goes back to one of them.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&disabled));
    disabled.erase(std::remove(disabled.begin(), disabled.end(), Handle()), disabled.end());
    for (HWND h : disabled) EnableWindow(h, FALSE);

    modal_ = true;
    modalResult_ = mrNone;
    modalCloseAction_ = caHide;
    Show();
    while (*alive && Handle()) {
        if (Application::Terminated() || !Application::HandleMessage()) {
            if (*alive) modalResult_ = mrCancel;
            break;
        }
        if (!*alive || !Handle()) break;
        if (modalResult_ != mrNone && CloseModal()) break;
    }
    for (HWND h : disabled)
        if (IsWindow(h)) EnableWindow(h, TRUE);
    if (!*alive) return mrCancel;
    modal_ = false;
    const ModalResult result = Handle() ? modalResult_ : (modalResult_ ? modalResult_ : mrCancel);
    if (Handle()) {
        Hide();
        if (modalCloseAction_ == caFree) Release();
        else if (modalCloseAction_ == caMinimize) SetWindowState(WindowState::Minimized);
    }
    return result;
}

bool Form::CloseQuery() {
    bool canClose = true;
    if (!RunCloseHandler([&] { if (OnCloseQuery) OnCloseQuery(canClose); })) return false;
    return canClose;
}

bool Form::CloseModal() {
    CloseAction action = caNone;
    if (CloseQuery()) {
        action = freeOnClose_ ? caFree : caHide;
        if (!RunCloseHandler([&] { if (OnClose) OnClose(action); })) action = caNone;
    }
    if (action == caNone) {
        modalResult_ = mrNone;
        return false;
    }
    modalCloseAction_ = action;
    return true;
}

void Form::Close() {
    if (!Handle()) return;
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    CloseAction action = freeOnClose_ ? caFree : caHide;
    if (!RunCloseHandler([&] { if (OnClose) OnClose(action); })) return;
    if (action == caNone) return;
    if (Application::MainForm() == this) {
        Application::Terminate();
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(WindowState::Minimized); break;
    case caFree: Release(); break;
    default: break;
    }
}

// ---- state ----

WindowState Form::GetWindowState() const {
    if (!Handle()) return WindowState::Normal;
    if (IsIconic(Handle())) return WindowState::Minimized;
    if (IsZoomed(Handle())) return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::SetWindowState(WindowState state) {
    if (!Handle()) return;
    const bool visible = Visible();
    if (!visible && state == WindowState::Normal && !IsIconic(Handle()) && !IsZoomed(Handle())) return;
    if (!visible) {
        // Applies the state without showing the window.
        WINDOWPLACEMENT wp{sizeof(wp)};
        GetWindowPlacement(Handle(), &wp);
        wp.showCmd = SW_HIDE;
        if (state == WindowState::Maximized) wp.flags |= WPF_RESTORETOMAXIMIZED;
        SetWindowPlacement(Handle(), &wp);
        if (state == WindowState::Maximized) {
            ShowWindow(Handle(), SW_SHOWMAXIMIZED);
            ShowWindow(Handle(), SW_HIDE);
        }
        return;
    }
    if (state == WindowState::Normal) {
        // A window minimised from maximised comes back maximised from its
        // first restore; the second gives it its normal bounds.
        if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
        if (IsZoomed(Handle())) ShowWindow(Handle(), SW_RESTORE);
        return;
    }
    ShowWindow(Handle(), state == WindowState::Minimized ? SW_MINIMIZE : SW_MAXIMIZE);
}

void Form::BringToFront() {
    if (Handle()) SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void Form::SetForeground() {
    if (Handle()) SetForegroundWindow(Handle());
}

void Form::SetTopMost(bool topMost) {
    if (Handle())
        SetWindowPos(Handle(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Form::TopMost() const {
    return Handle() && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

void Form::SetActiveControl(Window& control) {
    activeControl_ = control.Handle();
    if (Handle() && GetActiveWindow() == Handle()) control.SetFocus();
}

Window* Form::ActiveControl() const {
    HWND f = GetFocus();
    if (f && IsChild(Handle(), f)) return Window::FromHandle(f);
    return activeControl_ && IsWindow(activeControl_) ? Window::FromHandle(activeControl_) : nullptr;
}

void Form::SetDefaultButton(Button* b) { defaultButton_ = b ? b->Handle() : nullptr; }
void Form::SetCancelButton(Button* b) { cancelButton_ = b ? b->Handle() : nullptr; }
Button* Form::DefaultButton() const { return dynamic_cast<Button*>(Window::FromHandle(defaultButton_)); }
Button* Form::CancelButton() const { return dynamic_cast<Button*>(Window::FromHandle(cancelButton_)); }

void Form::ClickButton(HWND button) {
    auto b = dynamic_cast<Button*>(Window::FromHandle(button));
    if (b && IsWindowVisible(button) && IsWindowEnabled(button)) b->Click();
}

void Form::SetMainMenu(MainMenu* menu) {
    if (!Handle()) return;
    const int cw = ClientWidthPixels(), ch = ClientHeightPixels();
    mainMenu_ = menu;
    SetMenu(Handle(), menu ? menu->Handle() : nullptr);
    // The designed client size excludes the menu bar: grow the window by
    // whatever the bar (one line or wrapped) took.
    Rect b = BoundsPixels();
    SetWindowPos(Handle(), nullptr, 0, 0, b.width + cw - ClientWidthPixels(), b.height + ch - ClientHeightPixels(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ApplyMinSize(MINMAXINFO& info) const {
    if (minSize_.cx) info.ptMinTrackSize.x = std::max<LONG>(info.ptMinTrackSize.x, Scale(minSize_.cx));
    if (minSize_.cy) info.ptMinTrackSize.y = std::max<LONG>(info.ptMinTrackSize.y, Scale(minSize_.cy));
    if (minClientSize_.cx || minClientSize_.cy) {
        RECT r{0, 0, Scale(minClientSize_.cx), Scale(minClientSize_.cy)};
        AdjustWindowRectForDpi(r, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), GetMenu(Handle()) != nullptr,
                               static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), Dpi());
        if (minClientSize_.cx) info.ptMinTrackSize.x = std::max<LONG>(info.ptMinTrackSize.x, r.right - r.left);
        if (minClientSize_.cy) info.ptMinTrackSize.y = std::max<LONG>(info.ptMinTrackSize.y, r.bottom - r.top);
    }
}

LRESULT Form::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (HandleMessage(msg, wp, lp, result)) return result;
    if (msg == ReleaseMessage()) {
        Free();  // may delete this: touch nothing afterwards
        return 0;
    }
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_COMMAND:
        if (lp == 0) {
            const WORD id = LOWORD(wp);
            if (id == IDCANCEL) {  // Esc, from the dialog manager
                if (cancelButton_) ClickButton(cancelButton_);
                return 0;
            }
            if (id == IDOK) {
                if (defaultButton_) ClickButton(defaultButton_);
                return 0;
            }
            if (MenuItem::HandleCommand(id)) return 0;
        }
        break;
    case DM_GETDEFID:
        if (defaultButton_ && IsWindow(defaultButton_))
            return MAKELRESULT(GetDlgCtrlID(defaultButton_), DC_HASDEFID);
        return 0;
    case WM_MEASUREITEM:
        if (reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->CtlType == ODT_MENU)
            return MenuItem::MeasureImage(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
        break;
    case WM_DRAWITEM:
        if (reinterpret_cast<DRAWITEMSTRUCT*>(lp)->CtlType == ODT_MENU)
            return MenuItem::DrawImage(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
        break;
    case WM_SIZE: {
        LRESULT r = Window::WndProc(msg, wp, lp);
        Invoke(OnResize);
        return r;
    }
    case WM_GETMINMAXINFO:
        ApplyMinSize(*reinterpret_cast<MINMAXINFO*>(lp));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND f = GetFocus();
            if (f && IsChild(Handle(), f)) activeControl_ = f;
            Invoke(OnDeactivate);
        } else {
            if (!HIWORD(wp)) {
                HWND target = activeControl_;
                if (!target || !IsWindow(target) || !IsChild(Handle(), target) || !IsWindowVisible(target) ||
                    !IsWindowEnabled(target))
                    target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
                ::SetFocus(target ? target : Handle());
            }
            Invoke(OnActivate);
        }
        return 0;
    case WM_SETFOCUS:
        if (activeControl_ && IsWindow(activeControl_) && IsChild(Handle(), activeControl_) &&
            IsWindowVisible(activeControl_) && IsWindowEnabled(activeControl_))
            ::SetFocus(activeControl_);
        return 0;
    case WM_CHAR: {
        auto key = static_cast<wchar_t>(wp);
        Invoke(OnKeyPress, key);
        return 0;
    }
    case WM_KEYDOWN: {
        auto key = static_cast<WORD>(wp);
        Invoke(OnKeyDown, key, CurrentShiftState());
        if (!key) return 0;
        break;
    }
    case WM_DPICHANGED: {
        const UINT oldDpi = dpi_;
        dpi_ = HIWORD(wp);
        RescaleTree(oldDpi, dpi_);
        auto r = reinterpret_cast<const RECT*>(lp);
        SetWindowPos(Handle(), nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_SETCURSOR:
        if (BusyCursor::Active() && LOWORD(lp) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_DESTROY:
        if (!destroying_) {  // destroyed from outside the toolkit
            destroying_ = true;
            Invoke(OnDestroy);
            DestroyOwned();
            if (Application::MainForm() == this) Application::SetMainFormDestroyed();
        }
        break;
    }
    return Window::WndProc(msg, wp, lp);
}

}  // namespace tk
