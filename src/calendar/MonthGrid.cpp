#include "calendar/MonthGrid.h"

#include "calendar/StoreReadCache.h"
#include "common/CountingStore.h"
#include "common/DateFormat.h"
#include "holidays/HolidayStore.h"

MonthView MonthViewOf(TDateTime currentDate) {
    const DateParts parts = DecodeDate(currentDate);
    MonthView view;
    view.year = parts.year;
    view.month = parts.month;
    view.day = parts.day;
    view.firstCellOffset = 2 - DayOfWeek(EncodeDate(parts.year, parts.month, 1));
    return view;
}

CellDay CellDate(const MonthView& view, int column, int row) {
    const int n = view.firstCellOffset + column + 7 * row - 7;
    const int length = DaysInMonth(view.year, view.month);
    if (n < 1) {
        const int year = view.month == 1 ? view.year - 1 : view.year;
        const int month = view.month == 1 ? 12 : view.month - 1;
        const int day = DaysInMonth(year, month) + n;
        return {EncodeDate(year, month, day), false, day};
    }
    if (n > length) {
        const int year = view.month == 12 ? view.year + 1 : view.year;
        const int month = view.month == 12 ? 1 : view.month + 1;
        return {EncodeDate(year, month, n - length), false, n - length};
    }
    return {EncodeDate(view.year, view.month, n), true, n};
}

GridCell CellOfDay(const MonthView& view, int day) {
    const int position = day - view.firstCellOffset;
    return {position % 7, position / 7 + 1};
}

CellSize GridCellSize(int clientWidth, int clientHeight, int lineWidth) {
    return {(clientWidth - 6 * lineWidth) / 7, (clientHeight - 6 * lineWidth) / 7};
}

TDateTime StepDate(TDateTime currentDate, GridStep step) {
    switch (step) {
    case GridStep::BackYear: return IncMonth(currentDate, -12);
    case GridStep::BackMonth: return IncMonth(currentDate, -1);
    case GridStep::ForwardMonth: return IncMonth(currentDate, 1);
    case GridStep::ForwardYear: return IncMonth(currentDate, 12);
    case GridStep::BackDay: return currentDate - 1;
    case GridStep::ForwardDay: return currentDate + 1;
    }
    return currentDate;
}

std::wstring MonthCaption(TDateTime currentDate, const FormatSettings& settings) {
    return FormatDateTime(L"mmmm yyyy", currentDate, settings);
}

std::wstring DayNameHeader(int column, const FormatSettings& settings) {
    return column == 0 ? L"Sun" : settings.shortDayNames[column];
}

TColor TextColorOn(TColor background, TColor startingText) {
    switch (background) {
    case clBlack:
    case clMaroon:
    case clRed:
    case clGreen:
    case clOlive:
    case clNavy:
    case clPurple:
    case clBlue: return clWhite;
    case clLime:
    case clYellow:
    case clTeal:
    case clGray:
    case clSilver:
    case clFuchsia:
    case clAqua: return clBlack;
    case clHighlight: return clHighlightText;
    case clInfoBk: return clInfoText;
    default: return startingText;
    }
}

DayCellColors DayCellColorsOf(const DayCellState& state, const CalendarPreferences& prefs) {
    DayCellColors colors;
    TColor startingText = clBlack;
    if (state.isCurrentCell) {
        startingText = clHighlightText;
        colors.background = state.dayColor.value_or(clHighlight);
    } else if (state.dayColor) {
        colors.background = *state.dayColor;
    } else if (!state.inMonth) {
        colors.background = cl3DLight;
    } else {
        const bool weekend = state.column == 0 || state.column == 6;
        colors.background = weekend ? prefs.WeekendBackColor : prefs.WeekdayBackColor;
    }
    colors.text = TextColorOn(colors.background, startingText);
    if (prefs.ShowHolidays && state.isHoliday) colors.text = prefs.HolidayColor;
    colors.focusRect = state.isCurrentCell;
    colors.todayFrame = state.isToday;
    colors.frameColor = prefs.HolidayColor;
    return colors;
}

DayCellPaint PaintDayCell(const EventStore& events, const MonthView& view, int column, int row,
                          bool isCurrentCell, TDateTime today, const CalendarPreferences& prefs) {
    const CellDay cell = CellDate(view, column, row);
    const DayKeys keys = events.DayKeysOf(cell.date);
    DayCellPaint paint;
    paint.text = std::to_wstring(cell.day);

    DayCellState state;
    state.column = column;
    state.inMonth = cell.inMonth;
    state.isCurrentCell = isCurrentCell;
    state.isToday = keys[TypeDayOnly] == events.Format(L"ddddd", today);

    const LookUp color = events.DayColorText(keys);
    state.dayColor = StoredNumber(color.text);
    paint.storeReads += color.reads;

    // The holiday only changes the drawing when holidays are shown.
    if (prefs.ShowHolidays) {
        state.isHoliday = !HolidayOf(events.store(), cell.date, events.settings()).empty();
        ++paint.storeReads;
    }

    const LookUp icon = events.GridIconText(keys);
    paint.icon = StoredNumber(icon.text);
    if (paint.icon && *paint.icon < 0) paint.icon.reset();
    paint.storeReads += icon.reads;

    paint.colors = DayCellColorsOf(state, prefs);
    return paint;
}

MonthPaint PaintMonth(const EventStore& events, const MonthView& view, GridCell currentCell,
                      TDateTime today, const CalendarPreferences& prefs) {
    // Each value is read once per repaint however many cells ask for it; the
    // cache lives for this repaint only, so a change shows at the next one.
    // It reads value by value, so that storeReads counts the values the paint
    // needs; fetching whole keys is left to the store below (the window's own
    // cache).
    CountingStore counted(events.store());
    StoreReadCache once(counted, 4096, 0);
    const EventStore onceEvents(once, events.settings());
    MonthPaint paint;
    for (int row = 1; row < GridRows; ++row)
        for (int column = 0; column < GridColumns; ++column)
            paint.cells[(row - 1) * GridColumns + column] =
                PaintDayCell(onceEvents, view, column, row, currentCell == GridCell{column, row},
                             today, prefs);
    paint.storeReads = counted.reads;
    return paint;
}
