#include "toolkit/DropCalendar.h"

#include <windowsx.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "common/DateFormat.h"
#include "common/FormatSettings.h"
#include "toolkit/AnalogClock.h"
#include "toolkit/Application.h"
#include "toolkit/LocalTime.h"
#include "toolkit/OffscreenCanvas.h"
#include "toolkit/Screen.h"

namespace tk {
namespace {

constexpr wchar_t kCalendarClass[] = L"tk_DropCalendar";
// Design sizes.
constexpr int kMargin = 4, kHeader = 24, kWeekdays = 18, kCellW = 30, kCellH = 19, kFoot = 22;
constexpr int kWidth = 2 * kMargin + 7 * kCellW;
constexpr int kHeight = 2 * kMargin + kHeader + kWeekdays + 6 * kCellH + kFoot;

DropCalendar::PickHook& Hook() {
    static DropCalendar::PickHook hook;
    return hook;
}

}  // namespace

DropCalendar::PickHook DropCalendar::SetPickHook(PickHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

std::optional<TDateTime> DropCalendar::Pick(Window& anchor, TDateTime initial) {
    if (Hook()) return Hook()(initial);
    DropCalendar calendar(initial, DateOf(LocalNow()));
    return calendar.Run(anchor);
}

DropCalendar::DropCalendar(TDateTime initial, TDateTime today)
    : selected_(DateOf(initial)), today_(today) {
    const DateParts p = DecodeDate(selected_);
    year_ = p.year;
    month_ = p.month;
}

std::optional<TDateTime> DropCalendar::Run(Window& anchor) {
    RegisterOwnClass(kCalendarClass, CS_DROPSHADOW, nullptr, nullptr);
    RECT below;
    GetWindowRect(anchor.Handle(), &below);
    HWND owner = GetAncestor(anchor.Handle(), GA_ROOT);
    const int w = anchor.Scale(kWidth) + 2, h = anchor.Scale(kHeight) + 2;
    const RECT work = Screen::WorkAreaAt({below.left, below.bottom});
    int x = below.left, y = below.bottom;
    if (x + w > work.right) x = work.right - w;
    if (x < work.left) x = work.left;
    if (y + h > work.bottom) y = below.top - h;  // no room below: above the entry
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kCalendarClass, L"",
                                WS_POPUP | WS_BORDER, x, y, w, h, owner, nullptr,
                                Application::Instance(), static_cast<Window*>(this));
    if (!hwnd) throw std::runtime_error("cannot create the calendar");
    UseMessageFont();
    LOGFONTW lf{};
    GetObjectW(GetFont(), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    boldFont_.reset(CreateFontIndirectW(&lf));
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    SetFocus();

    // Ticks and other windows' messages go on while the calendar is open.
    while (!done_) {
        MSG msg;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (Handle()) DestroyWindow(Handle());
    if (IsWindow(owner)) SetForegroundWindow(owner);
    if (IsWindow(anchor.Handle())) anchor.SetFocus();
    return result_;
}

void DropCalendar::Finish(std::optional<TDateTime> result) {
    if (done_) return;
    result_ = result;
    done_ = true;
    PostMessageW(Handle(), WM_NULL, 0, 0);  // wakes the loop
}

DropCalendar::Layout DropCalendar::GetLayout() const {
    Layout l{};
    const int m = Scale(kMargin), cw = Scale(kCellW), ch = Scale(kCellH);
    const int left = m, right = m + 7 * cw;
    int top = m;
    l.previous = {left, top, left + Scale(kHeader), top + Scale(kHeader)};
    l.next = {right - Scale(kHeader), top, right, top + Scale(kHeader)};
    l.title = {l.previous.right, top, l.next.left, top + Scale(kHeader)};
    top += Scale(kHeader);
    l.weekdays = {left, top, right, top + Scale(kWeekdays)};
    top += Scale(kWeekdays);
    l.days = {left, top, right, top + 6 * ch};
    top += 6 * ch;
    l.today = {left, top, right, top + Scale(kFoot)};
    l.cellWidth = cw;
    l.cellHeight = ch;
    return l;
}

DropCalendar::Hit DropCalendar::HitTest(POINT pt, TDateTime& day) const {
    const Layout l = GetLayout();
    if (PtInRect(&l.previous, pt)) return Hit::Previous;
    if (PtInRect(&l.next, pt)) return Hit::Next;
    if (PtInRect(&l.today, pt)) return Hit::Today;
    if (PtInRect(&l.days, pt)) {
        const int col = (pt.x - l.days.left) / l.cellWidth, row = (pt.y - l.days.top) / l.cellHeight;
        day = FirstCellOfMonth(year_, month_) + row * 7 + col;
        return Hit::Day;
    }
    return Hit::None;
}

void DropCalendar::Select(TDateTime date) {
    selected_ = DateOf(date);
    const DateParts p = DecodeDate(selected_);
    year_ = p.year;
    month_ = p.month;
    Invalidate(false);
}

void DropCalendar::Paint(HDC target, const RECT& client, const RECT&) {
    OffscreenCanvas dc(target, client.right, client.bottom);
    FillRect(dc.get(), &client, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc.get(), TRANSPARENT);
    SelectGuard keepFont(dc.get(), GetFont());
    const FormatSettings& fs = CurrentFormatSettings();
    const Layout l = GetLayout();

    auto text = [&](const std::wstring& s, RECT r, UINT align, COLORREF color) {
        SetTextColor(dc.get(), color);
        DrawTextW(dc.get(), s.c_str(), -1, &r, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    };
    const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT), grey = GetSysColor(COLOR_GRAYTEXT);

    RECT prev = l.previous, next = l.next;
    DrawFrameControl(dc.get(), &prev, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_FLAT);
    DrawFrameControl(dc.get(), &next, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_FLAT);
    {
        SelectGuard bold(dc.get(), boldFont_ ? boldFont_.get() : GetFont());
        text(FormatDateTime(L"mmmm yyyy", EncodeDate(year_, month_, 1), fs), l.title, DT_CENTER, ink);
    }
    for (int d = 0; d < 7; ++d) {
        RECT r{l.weekdays.left + d * l.cellWidth, l.weekdays.top,
               l.weekdays.left + (d + 1) * l.cellWidth, l.weekdays.bottom};
        const std::wstring name = fs.shortDayNames[d].empty() ? std::wstring(1, L"SMTWTFS"[d])
                                                               : fs.shortDayNames[d];
        text(name, r, DT_CENTER, grey);
    }
    {
        HPEN pen = static_cast<HPEN>(GetStockObject(DC_PEN));
        SetDCPenColor(dc.get(), GetSysColor(COLOR_3DSHADOW));
        SelectGuard p(dc.get(), pen);
        MoveToEx(dc.get(), l.weekdays.left, l.weekdays.bottom - 1, nullptr);
        LineTo(dc.get(), l.weekdays.right, l.weekdays.bottom - 1);
        MoveToEx(dc.get(), l.today.left, l.today.top, nullptr);
        LineTo(dc.get(), l.today.right, l.today.top);
    }
    const TDateTime first = FirstCellOfMonth(year_, month_);
    for (int i = 0; i < 42; ++i) {
        const TDateTime day = first + i;
        const DateParts p = DecodeDate(day);
        RECT r{l.days.left + (i % 7) * l.cellWidth, l.days.top + (i / 7) * l.cellHeight,
               l.days.left + (i % 7 + 1) * l.cellWidth, l.days.top + (i / 7 + 1) * l.cellHeight};
        COLORREF color = p.month == month_ ? ink : grey;
        if (day == selected_) {
            FillRect(dc.get(), &r, GetSysColorBrush(COLOR_HIGHLIGHT));
            color = GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        if (day == today_) FrameRect(dc.get(), &r, GetSysColorBrush(COLOR_HOTLIGHT));
        text(std::to_wstring(p.day), r, DT_CENTER, color);
    }
    text(L"Today: " + FormatDateTime(L"dddddd", today_, fs), l.today, DT_CENTER, ink);
    dc.Present(client);
}

LRESULT DropCalendar::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN: {
        TDateTime day = 0;
        switch (HitTest({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, day)) {
        case Hit::Previous: Select(IncMonth(EncodeDate(year_, month_, 1), -1)); break;
        case Hit::Next: Select(IncMonth(EncodeDate(year_, month_, 1), 1)); break;
        case Hit::Today: Finish(today_); break;
        case Hit::Day: Finish(day); break;
        case Hit::None: break;
        }
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        switch (wp) {
        case VK_LEFT: Select(selected_ - 1); return 0;
        case VK_RIGHT: Select(selected_ + 1); return 0;
        case VK_UP: Select(selected_ - 7); return 0;
        case VK_DOWN: Select(selected_ + 7); return 0;
        case VK_PRIOR: Select(IncMonth(selected_, -1)); return 0;
        case VK_NEXT: Select(IncMonth(selected_, 1)); return 0;
        case VK_HOME: Select(today_); return 0;
        case VK_RETURN: Finish(selected_); return 0;
        case VK_ESCAPE: Finish(std::nullopt); return 0;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) Finish(std::nullopt);  // a click elsewhere
        break;
    case WM_CANCELMODE:
        Finish(std::nullopt);
        break;
    }
    return PaintedControl::WndProc(msg, wp, lp);
}

}  // namespace tk
