// Owner-drawn grids: equal cells in columns and rows, optional fixed rows at
// the top, a current cell moved by mouse and arrow keys, an optional vertical
// scroll bar over the non-fixed rows. Every cell is drawn by OnDrawCell into
// an off-screen bitmap, so a repaint does not flicker.
#pragma once
#include <functional>

#include "toolkit/Form.h"
#include "toolkit/PaintedControl.h"

namespace tk {

enum GridDrawState : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using GridDrawStates = unsigned;

enum class MouseButton { Left, Right, Middle };

struct DrawGridArgs {
    TK_CONTROL_ARGS
    int columns = 5;
    int rows = 5;
    int fixedRows = 0;
    int defaultColWidth = 64;   // design units
    int defaultRowHeight = 24;
    bool gridLines = true;      // one-pixel lines between cells
    bool verticalScrollBar = false;
    bool border = true;
    COLORREF color = RGB(255, 255, 255);  // behind and between the cells
};

class DrawGrid : public PaintedControl {
public:
    void Create(Window& parent, const DrawGridArgs& args);

    // rect is in client pixels; the DC is clipped to it and restored afterwards.
    std::function<void(HDC dc, int col, int row, const RECT& rect, GridDrawStates state)> OnDrawCell;
    // Once per repaint, before its first OnDrawCell: the place to read what
    // all the cells of this repaint share.
    std::function<void()> OnBeforePaint;
    // Before the current cell moves there (mouse or keys); canSelect = false refuses.
    std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
    // The user made a cell current (mouse or keys). Setting the cell from code
    // does not run it.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    // Client pixels.
    std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseDown;
    std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseUp;
    std::function<void(ShiftState shift, int x, int y)> OnMouseMove;

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    void SetColCount(int count);
    void SetRowCount(int count);
    int FixedRows() const { return fixedRows_; }

    // The current cell.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int col) { SetCurrentCell(col, row_); }
    void SetRow(int row) { SetCurrentCell(col_, row); }
    void SetCurrentCell(int col, int row);

    // Cell sizes in pixels (the design sizes are scaled at creation and on DPI changes).
    int DefaultColWidthPixels() const { return colWidth_; }
    int DefaultRowHeightPixels() const { return rowHeight_; }
    void SetDefaultColWidthPixels(int width);
    void SetDefaultRowHeightPixels(int height);
    int GridLineWidthPixels() const { return gridLines_ ? 1 : 0; }

    // The first non-fixed row shown (scrolling).
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);

    // The cell under a client point; false when the point lies in none.
    bool MouseToCell(int x, int y, int& col, int& row) const;
    // A cell's rectangle in client pixels (empty when it is scrolled away).
    RECT CellRect(int col, int row) const;
    void InvalidateCell(int col, int row);

    // As the user would: arrow keys and clicks (for tests).
    void KeyDown(WORD key);
    void ClickCell(int col, int row);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

private:
    void Paint(HDC dc, const RECT& client, const RECT& update) override;
    void MoveTo(int col, int row);  // user move: OnSelectCell, then OnClick
    int VisibleScrollRows() const;
    void UpdateScrollBar();
    void Scroll(WORD code);
    void ScrollIntoView();

    int cols_ = 0, rows_ = 0, fixedRows_ = 0;
    int col_ = 0, row_ = 0, topRow_ = 0;
    int colWidth_ = 64, rowHeight_ = 24;
    bool gridLines_ = true;
    bool vscroll_ = false;
    COLORREF color_ = RGB(255, 255, 255);
};

}  // namespace tk
