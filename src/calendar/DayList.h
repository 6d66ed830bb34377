// The day list's logic: its rows as list columns, its sort order, the day
// panel's text, and the rewrite of a day's keys from the rows. Portable.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "calendar/CalendarPrefs.h"
#include "calendar/EventStore.h"

// Columns of lsv_Events: the caption (column 0) and sub-items 0 to 8.
enum DayListColumn : int {
    ColTime, ColDescription, ColLocation, ColDate, ColDayBefore, ColWeekBefore,
    Col2WeeksBefore, ColMonthBefore, ColType, ColShortDate, DayListColumnCount
};
using DayListTexts = std::array<std::wstring, DayListColumnCount>;
DayListTexts ToColumns(const EventRow& row);
EventRow FromColumns(const DayListTexts& texts, int imageIndex);

inline const std::wstring MsgNothingToEdit = L"Nothing selected to edit!";

// Sort state: a click on the sort column reverses it, a click on another
// column sorts by it ascending.
struct DayListSort {
    int column = 0;
    bool inverted = true;
    void ColumnClick(int clicked);
};

// < 0 when `a` comes first. Column 0 compares the captions as times (with
// `inverted` the earlier first; a caption that is no time sorts after every
// time); columns 1 and 2 compare texts by character code (with `inverted` the
// larger first); later columns define no order and compare equal.
int CompareEventRows(const EventRow& a, const EventRow& b, const DayListSort& sort,
                     const FormatSettings& settings);
// Stable: rows that compare equal keep their order.
void SortEventRows(std::vector<EventRow>& rows, const DayListSort& sort,
                   const FormatSettings& settings);

// Index of the first row whose time name is `time`; -1 when none.
int FindRowByTime(const std::vector<EventRow>& rows, const std::wstring& time);

// pnl_Day: the short date, " - " and the holiday in the holiday colour when
// holidays are shown, else "dddd, mmmm d" in the calendar text colour.
struct DayPanelText {
    std::wstring caption;
    TColor textColor = clBlack;
};
DayPanelText DayPanelFor(TDateTime date, const std::wstring& holiday,
                         const CalendarPreferences& prefs, const FormatSettings& settings);

// The question SaveDayList asks when no row is left on the day and it has an icon.
std::wstring RemoveDayIconQuestion(TDateTime date, const FormatSettings& settings);

// Rewrites the four day keys of `currentDate` from the rows: the keys are
// deleted and every row is written back under its own day key (with an
// "\Icons" value and the key's "CalIndex" for each). What the rows do not
// carry is kept: "CalColor" of all four keys, and "CalIndex" of a key that
// receives no row. When no row is left on the day and the day has an icon,
// `confirmRemoveIcon` decides whether the day's icon, its colour and the kept
// icons go. A row whose date or time cannot be read goes back under the day
// key and time name it carries.
void SaveDayList(const EventStore& events, TDateTime currentDate, const std::vector<EventRow>& rows,
                 const Confirm& confirmRemoveIcon);
