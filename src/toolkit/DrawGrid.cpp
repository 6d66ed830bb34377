#include "toolkit/DrawGrid.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/OffscreenCanvas.h"

namespace tk {
namespace {
constexpr wchar_t kGridClass[] = L"tk_DrawGrid";
constexpr COLORREF kLineColor = RGB(192, 192, 192);
}  // namespace

void DrawGrid::Create(Window& parent, const DrawGridArgs& a) {
    if (Handle()) throw std::logic_error("grid created twice");
    RegisterOwnClass(kGridClass, CS_DBLCLKS, nullptr, nullptr);
    cols_ = std::max(a.columns, 1);
    rows_ = std::max(a.rows, 1);
    fixedRows_ = std::clamp(a.fixedRows, 0, rows_ - 1);
    row_ = topRow_ = fixedRows_;
    gridLines_ = a.gridLines;
    vscroll_ = a.verticalScrollBar;
    color_ = a.color;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | (vscroll_ ? WS_VSCROLL : 0) |
                        (a.enabled ? 0 : WS_DISABLED);
    HWND h = CreateWindowExW(a.border ? WS_EX_CLIENTEDGE : 0, kGridClass, L"", style, 0, 0, 0, 0,
                             parent.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())),
                             Application::Instance(), static_cast<Window*>(this));
    if (!h) throw std::runtime_error("cannot create a grid");
    SetParentWindow(&parent);
    colWidth_ = Scale(a.defaultColWidth);
    rowHeight_ = Scale(a.defaultRowHeight);
    SetAnchors(a.anchors);
    SetBounds(a.bounds);
    SetAlign(a.align);
    UpdateScrollBar();
    if (a.visible) SetVisible(true);
}

void DrawGrid::SetColCount(int count) {
    cols_ = std::max(count, 1);
    col_ = std::min(col_, cols_ - 1);
    Invalidate(false);
}

void DrawGrid::SetRowCount(int count) {
    rows_ = std::max(count, fixedRows_ + 1);
    row_ = std::min(row_, rows_ - 1);
    SetTopRow(topRow_);
    UpdateScrollBar();
    Invalidate(false);
}

void DrawGrid::SetCurrentCell(int col, int row) {
    col = std::clamp(col, 0, cols_ - 1);
    row = std::clamp(row, fixedRows_, rows_ - 1);
    if (col == col_ && row == row_) return;
    InvalidateCell(col_, row_);
    col_ = col;
    row_ = row;
    ScrollIntoView();
    InvalidateCell(col_, row_);
}

void DrawGrid::SetDefaultColWidthPixels(int width) {
    colWidth_ = std::max(width, 1);
    Invalidate(false);
}

void DrawGrid::SetDefaultRowHeightPixels(int height) {
    rowHeight_ = std::max(height, 1);
    UpdateScrollBar();
    Invalidate(false);
}

int DrawGrid::VisibleScrollRows() const {
    if (!Handle()) return rows_ - fixedRows_;
    const int line = GridLineWidthPixels();
    const int free = ClientHeightPixels() - fixedRows_ * (rowHeight_ + line);
    return std::max(1, (free + line) / (rowHeight_ + line));
}

void DrawGrid::SetTopRow(int row) {
    const int lastTop = std::max(fixedRows_, rows_ - VisibleScrollRows());
    row = std::clamp(row, fixedRows_, lastTop);
    if (row == topRow_) return;
    topRow_ = row;
    UpdateScrollBar();
    Invalidate(false);
}

void DrawGrid::ScrollIntoView() {
    if (row_ < topRow_) SetTopRow(row_);
    else if (row_ >= topRow_ + VisibleScrollRows()) SetTopRow(row_ - VisibleScrollRows() + 1);
}

void DrawGrid::UpdateScrollBar() {
    if (!vscroll_ || !Handle()) return;
    SCROLLINFO si{sizeof(si)};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = rows_ - fixedRows_ - 1;
    si.nPage = static_cast<UINT>(VisibleScrollRows());
    si.nPos = topRow_ - fixedRows_;
    SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
}

void DrawGrid::Scroll(WORD code) {
    SCROLLINFO si{sizeof(si)};
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(Handle(), SB_VERT, &si);
    const int page = VisibleScrollRows();
    switch (code) {
    case SB_LINEUP: SetTopRow(topRow_ - 1); break;
    case SB_LINEDOWN: SetTopRow(topRow_ + 1); break;
    case SB_PAGEUP: SetTopRow(topRow_ - page); break;
    case SB_PAGEDOWN: SetTopRow(topRow_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTopRow(fixedRows_ + si.nTrackPos); break;
    case SB_TOP: SetTopRow(fixedRows_); break;
    case SB_BOTTOM: SetTopRow(rows_); break;
    }
}

RECT DrawGrid::CellRect(int col, int row) const {
    const int line = GridLineWidthPixels();
    int visualRow = row;
    if (row >= fixedRows_) {
        if (row < topRow_) return {};
        visualRow = row - topRow_ + fixedRows_;
    }
    const int left = col * (colWidth_ + line);
    const int top = visualRow * (rowHeight_ + line);
    return {left, top, left + colWidth_, top + rowHeight_};
}

bool DrawGrid::MouseToCell(int x, int y, int& col, int& row) const {
    const int line = GridLineWidthPixels();
    if (x < 0 || y < 0) return false;
    const int c = x / (colWidth_ + line);
    const int visualRow = y / (rowHeight_ + line);
    if (x % (colWidth_ + line) >= colWidth_ || y % (rowHeight_ + line) >= rowHeight_) return false;
    const int r = visualRow < fixedRows_ ? visualRow : visualRow - fixedRows_ + topRow_;
    if (c >= cols_ || r >= rows_) return false;
    col = c;
    row = r;
    return true;
}

void DrawGrid::InvalidateCell(int col, int row) {
    if (!Handle()) return;
    RECT r = CellRect(col, row);
    if (IsRectEmpty(&r)) return;
    InvalidateRect(Handle(), &r, FALSE);
}

void DrawGrid::MoveTo(int col, int row) {
    col = std::clamp(col, 0, cols_ - 1);
    row = std::clamp(row, fixedRows_, rows_ - 1);
    bool canSelect = true;
    Invoke(OnSelectCell, col, row, canSelect);
    if (!canSelect) return;
    SetCurrentCell(col, row);
    Invoke(OnClick);
}

void DrawGrid::KeyDown(WORD key) {
    switch (key) {
    case VK_LEFT: if (col_ > 0) MoveTo(col_ - 1, row_); break;
    case VK_RIGHT: if (col_ < cols_ - 1) MoveTo(col_ + 1, row_); break;
    case VK_UP: if (row_ > fixedRows_) MoveTo(col_, row_ - 1); break;
    case VK_DOWN: if (row_ < rows_ - 1) MoveTo(col_, row_ + 1); break;
    case VK_HOME: MoveTo(0, row_); break;
    case VK_END: MoveTo(cols_ - 1, row_); break;
    case VK_PRIOR: MoveTo(col_, row_ - VisibleScrollRows()); break;
    case VK_NEXT: MoveTo(col_, row_ + VisibleScrollRows()); break;
    }
}

void DrawGrid::ClickCell(int col, int row) {
    if (row < fixedRows_) return;
    MoveTo(col, row);
}

void DrawGrid::Paint(HDC target, const RECT& client, const RECT& update) {
    const int width = std::max<int>(client.right, 1), height = std::max<int>(client.bottom, 1);
    OffscreenCanvas dc(target, width, height);

    Brush back(CreateSolidBrush(gridLines_ ? kLineColor : color_));
    FillRect(dc.get(), &client, back.get());
    Brush blank(CreateSolidBrush(color_));
    const int line = GridLineWidthPixels();
    // What lies right of and below the cells shows the grid's own colour.
    RECT right{cols_ * (colWidth_ + line), 0, width, height};
    FillRect(dc.get(), &right, blank.get());

    SelectGuard font(dc.get(), GetFont());
    Invoke(OnBeforePaint);
    const bool focused = Focused();
    auto drawRow = [&](int row) {
        for (int col = 0; col < cols_; ++col) {
            RECT cell = CellRect(col, row);
            RECT hit;
            if (!IntersectRect(&hit, &cell, &update)) continue;
            FillRect(dc.get(), &cell, blank.get());
            GridDrawStates state = 0;
            if (row < fixedRows_) state |= gdFixed;
            if (col == col_ && row == row_) state |= gdSelected | (focused ? unsigned(gdFocused) : 0u);
            SaveDCGuard keep(dc.get());
            IntersectClipRect(dc.get(), cell.left, cell.top, cell.right, cell.bottom);
            Invoke(OnDrawCell, dc.get(), col, row, cell, state);
        }
    };
    for (int row = 0; row < fixedRows_; ++row) drawRow(row);
    const int shown = VisibleScrollRows() + 1;
    int last = 0;
    for (int row = topRow_; row < rows_ && row < topRow_ + shown; ++row) {
        drawRow(row);
        last = row;
    }
    RECT below{0, CellRect(0, last).bottom, width, height};
    FillRect(dc.get(), &below, blank.get());
    dc.Present(update);
}

void DrawGrid::OnDpiChanged(UINT oldDpi, UINT newDpi) {
    colWidth_ = MulDiv(colWidth_, static_cast<int>(newDpi), static_cast<int>(oldDpi));
    rowHeight_ = MulDiv(rowHeight_, static_cast<int>(newDpi), static_cast<int>(oldDpi));
    UpdateScrollBar();
    Invalidate(false);
}

LRESULT DrawGrid::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    auto button = [msg] {
        switch (msg) {
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: return MouseButton::Right;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: return MouseButton::Middle;
        default: return MouseButton::Left;
        }
    };
    switch (msg) {
    case WM_SIZE:
        UpdateScrollBar();
        SetTopRow(topRow_);
        Invalidate(false);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateCell(col_, row_);
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        KeyDown(static_cast<WORD>(wp));
        return 0;
    case WM_VSCROLL:
        if (!lp) {
            Scroll(LOWORD(wp));
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
        if (vscroll_) {
            SetTopRow(topRow_ - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
        if (msg == WM_LBUTTONDOWN) {
            if (CanFocus()) SetFocus();
            SetCapture(Handle());
            int col, row;
            if (MouseToCell(x, y, col, row) && row >= fixedRows_) MoveTo(col, row);
        }
        Invoke(OnMouseDown, button(), CurrentShiftState(), x, y);
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (msg == WM_LBUTTONUP && GetCapture() == Handle()) ReleaseCapture();
        Invoke(OnMouseUp, button(), CurrentShiftState(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        if (msg == WM_RBUTTONUP) break;  // WM_CONTEXTMENU follows
        return 0;
    case WM_MOUSEMOVE:
        Invoke(OnMouseMove, CurrentShiftState(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        return 0;
    case WM_LBUTTONDBLCLK:
        Invoke(OnDblClick);
        return 0;
    }
    return PaintedControl::WndProc(msg, wp, lp);
}

}  // namespace tk
