// The month grid's logic: which date each cell shows, stepping the shown date,
// and how a day cell is coloured from the store. Portable; the form only
// draws what PaintDayCell returns.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "calendar/CalendarColors.h"
#include "calendar/CalendarPrefs.h"
#include "calendar/EventStore.h"
#include "common/DateTime.h"
#include "common/FormatSettings.h"

inline constexpr int GridColumns = 7;
inline constexpr int GridRows = 7;  // row 0 holds the day names

// The shown month, taken apart from the selected date.
struct MonthView {
    int year = 1899, month = 12, day = 30;
    // 2 minus the weekday (Sunday = 1) of the first of the month: day n sits in
    // column (n - offset) mod 7, row (n - offset) div 7 + 1.
    int firstCellOffset = 0;
};
MonthView MonthViewOf(TDateTime currentDate);

struct CellDay {
    TDateTime date = 0;
    bool inMonth = false;
    int day = 0;
};
// Row 0 yields the week before row 1 (days of the previous month).
CellDay CellDate(const MonthView& view, int column, int row);

struct GridCell {
    int column = 0, row = 0;
    bool operator==(const GridCell&) const = default;
};
GridCell CellOfDay(const MonthView& view, int day);

// Cell size for a client area: (client - 6 lines) div 7 in each direction.
struct CellSize {
    int width = 0, height = 0;
};
CellSize GridCellSize(int clientWidth, int clientHeight, int lineWidth);

enum class GridStep { BackYear, BackMonth, ForwardMonth, ForwardYear, BackDay, ForwardDay };
// Month steps keep the day number, cut to the target month's length.
TDateTime StepDate(TDateTime currentDate, GridStep step);

// pnl_Date's caption: "mmmm yyyy".
std::wstring MonthCaption(TDateTime currentDate, const FormatSettings& settings);
// Row 0: "Sun" in column 0, the locale's abbreviated names of Monday to Saturday after it.
std::wstring DayNameHeader(int column, const FormatSettings& settings);

// The day number's colour on a background: white on the dark named colours,
// black on the light ones, the matching text colour on the highlight and
// tool-tip colours, `startingText` on anything else.
TColor TextColorOn(TColor background, TColor startingText);

struct DayCellState {
    int column = 0;
    bool inMonth = true;
    bool isCurrentCell = false;
    bool isToday = false;
    std::optional<TColor> dayColor;
    bool isHoliday = false;
};

struct DayCellColors {
    TColor background = clWhite;
    TColor text = clBlack;
    bool focusRect = false;   // the current cell's focus rectangle
    bool todayFrame = false;  // a one-pixel frame along the edges in frameColor
    TColor frameColor = clRed;
    bool operator==(const DayCellColors&) const = default;
};
DayCellColors DayCellColorsOf(const DayCellState& state, const CalendarPreferences& prefs);

// Everything needed to draw one day cell (rows 1 to 6).
struct DayCellPaint {
    std::wstring text;         // the day number
    DayCellColors colors;
    std::optional<int> icon;   // picture of the event images, when one is drawn
    int storeReads = 0;        // at most 4 colour + 3 icon + 1 holiday reads
};
DayCellPaint PaintDayCell(const EventStore& events, const MonthView& view, int column, int row,
                          bool isCurrentCell, TDateTime today, const CalendarPreferences& prefs);

// All 42 day cells of one repaint (index (row - 1) * 7 + column). Each value
// is read once: the weekly key is shared by a whole column and a day number
// can show twice, which saves about a fifth of the reads of 42 PaintDayCell
// calls. `storeReads` counts the reads that reached the store.
struct MonthPaint {
    std::array<DayCellPaint, 42> cells;
    int storeReads = 0;
    const DayCellPaint& at(int column, int row) const { return cells[(row - 1) * GridColumns + column]; }
};
MonthPaint PaintMonth(const EventStore& events, const MonthView& view, GridCell currentCell,
                      TDateTime today, const CalendarPreferences& prefs);
