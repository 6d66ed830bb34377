#include "calendar/MonthGrid.h"

#include "EventTestFixture.h"
#include "common/CountingStore.h"
#include "common/StoreAccess.h"

namespace {

struct CellCase {
    const char* name;
    TDateTime shown;
    int column, row;
    TDateTime expected;
    bool inMonth;
    int day;
    friend void PrintTo(const CellCase& c, std::ostream* os) { *os << c.name; }
};

class CellDates : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellDates, NameTheDayOfEachCell) {
    const CellCase& c = GetParam();
    const CellDay cell = CellDate(MonthViewOf(c.shown), c.column, c.row);
    EXPECT_EQ(cell.date, c.expected);
    EXPECT_EQ(cell.inMonth, c.inMonth);
    EXPECT_EQ(cell.day, c.day);
}

// September 2024 and February 2026 begin on a Sunday; January 2025 on a Wednesday.
INSTANTIATE_TEST_SUITE_P(
    Months, CellDates,
    ::testing::Values(
        CellCase{"SundayStartFirstCell", EncodeDate(2024, 9, 10), 0, 1, EncodeDate(2024, 9, 1), true, 1},
        CellCase{"SundayStartDayNameRow", EncodeDate(2024, 9, 10), 6, 0, EncodeDate(2024, 8, 31), false, 31},
        CellCase{"SundayStartLastDay", EncodeDate(2024, 9, 10), 1, 5, EncodeDate(2024, 9, 30), true, 30},
        CellCase{"FebruaryLastDay", EncodeDate(2026, 2, 14), 6, 4, EncodeDate(2026, 2, 28), true, 28},
        CellCase{"FebruaryRow5IsMarch", EncodeDate(2026, 2, 14), 0, 5, EncodeDate(2026, 3, 1), false, 1},
        CellCase{"FebruaryLastCell", EncodeDate(2026, 2, 14), 6, 6, EncodeDate(2026, 3, 14), false, 14},
        CellCase{"JanuaryStartsInDecember", EncodeDate(2025, 1, 20), 0, 1, EncodeDate(2024, 12, 29), false, 29},
        CellCase{"DecemberEndsInJanuary", EncodeDate(2024, 12, 1), 6, 6, EncodeDate(2025, 1, 11), false, 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MonthGrid, ShownDayLiesInItsCell) {
    const MonthView sundayStart = MonthViewOf(EncodeDate(2024, 9, 10));
    EXPECT_EQ(sundayStart.firstCellOffset, 1);
    EXPECT_EQ(CellOfDay(sundayStart, 1), (GridCell{0, 1}));
    EXPECT_EQ(CellOfDay(sundayStart, 10), (GridCell{2, 2}));
    const MonthView january = MonthViewOf(EncodeDate(2025, 1, 31));
    EXPECT_EQ(CellOfDay(january, 31), (GridCell{5, 5}));
    EXPECT_EQ(CellDate(january, 5, 5).date, EncodeDate(2025, 1, 31));
}

struct StepCase {
    TDateTime from;
    GridStep step;
    TDateTime to;
};

class GridSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(GridSteps, KeepTheDayCutToTheMonth) {
    EXPECT_EQ(StepDate(GetParam().from, GetParam().step), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, GridSteps,
    ::testing::Values(StepCase{EncodeDate(2024, 1, 31), GridStep::ForwardMonth, EncodeDate(2024, 2, 29)},
                      StepCase{EncodeDate(2023, 3, 31), GridStep::BackMonth, EncodeDate(2023, 2, 28)},
                      StepCase{EncodeDate(2024, 2, 29), GridStep::BackYear, EncodeDate(2023, 2, 28)},
                      StepCase{EncodeDate(2024, 12, 25), GridStep::ForwardYear, EncodeDate(2025, 12, 25)},
                      StepCase{EncodeDate(2025, 1, 1), GridStep::BackDay, EncodeDate(2024, 12, 31)},
                      StepCase{EncodeDate(2024, 12, 31), GridStep::ForwardDay, EncodeDate(2025, 1, 1)}));

TEST(MonthGrid, DayNameRowStartsWithSunInEveryLocale) {
    const FormatSettings german = GermanSettings();
    EXPECT_EQ(DayNameHeader(0, german), L"Sun");
    EXPECT_EQ(DayNameHeader(1, german), L"Mo");
    EXPECT_EQ(DayNameHeader(6, german), L"Sa");
    EXPECT_EQ(MonthCaption(EncodeDate(2024, 12, 25), german), L"Dezember 2024");
}

TEST(MonthGrid, CellSizeLeavesRoomForSixLines) {
    const CellSize size = GridCellSize(273, 150, 1);
    EXPECT_EQ(size.width, 38);
    EXPECT_EQ(size.height, 20);
}

TEST(DayNumberColours, FollowTheBackground) {
    const TColor white[] = {clBlack, clMaroon, clRed, clGreen, clOlive, clNavy, clPurple, clBlue};
    const TColor black[] = {clLime, clYellow, clTeal, clGray, clSilver, clFuchsia, clAqua};
    for (TColor b : white) EXPECT_EQ(TextColorOn(b, clHighlightText), clWhite) << b;
    for (TColor b : black) EXPECT_EQ(TextColorOn(b, clHighlightText), clBlack) << b;
    EXPECT_EQ(TextColorOn(clHighlight, clBlack), clHighlightText);
    EXPECT_EQ(TextColorOn(clInfoBk, clBlack), clInfoText);
    EXPECT_EQ(TextColorOn(clWhite, clHighlightText), clHighlightText);
    EXPECT_EQ(TextColorOn(12345, clBlack), clBlack);
}

struct CellColourCase {
    const char* name;
    DayCellState state;
    bool showHolidays;
    DayCellColors expected;
    friend void PrintTo(const CellColourCase& c, std::ostream* os) { *os << c.name; }
};

class DayCellColours : public ::testing::TestWithParam<CellColourCase> {};

TEST_P(DayCellColours, FollowTheDrawingRules) {
    CalendarPreferences prefs;
    prefs.HolidayColor = clFuchsia;
    prefs.ShowHolidays = GetParam().showHolidays;
    EXPECT_EQ(DayCellColorsOf(GetParam().state, prefs), GetParam().expected);
}

// State: column, in month, current cell, today, day colour, holiday.
INSTANTIATE_TEST_SUITE_P(
    Cells, DayCellColours,
    ::testing::Values(
        CellColourCase{"Weekday", {3, true, false, false, {}, false}, true,
                       {clWhite, clBlack, false, false, clFuchsia}},
        CellColourCase{"Weekend", {6, true, false, false, {}, false}, true,
                       {clInfoBk, clInfoText, false, false, clFuchsia}},
        CellColourCase{"OtherMonth", {0, false, false, false, {}, false}, true,
                       {cl3DLight, clBlack, false, false, clFuchsia}},
        CellColourCase{"CurrentPlain", {2, true, true, false, {}, false}, true,
                       {clHighlight, clHighlightText, true, false, clFuchsia}},
        CellColourCase{"CurrentColoured", {2, true, true, false, clYellow, false}, true,
                       {clYellow, clBlack, true, false, clFuchsia}},
        CellColourCase{"CurrentLightColour", {2, true, true, false, 0xE0E0FF, false}, true,
                       {0xE0E0FF, clHighlightText, true, false, clFuchsia}},
        CellColourCase{"DayColourOnWeekend", {0, true, false, false, clNavy, false}, true,
                       {clNavy, clWhite, false, false, clFuchsia}},
        CellColourCase{"HolidayOnDarkColour", {1, true, false, false, clNavy, true}, true,
                       {clNavy, clFuchsia, false, false, clFuchsia}},
        CellColourCase{"HolidayHidden", {1, true, false, false, clNavy, true}, false,
                       {clNavy, clWhite, false, false, clFuchsia}},
        CellColourCase{"TodayInOtherMonth", {4, false, false, true, {}, false}, true,
                       {cl3DLight, clBlack, false, true, clFuchsia}}),
    [](const auto& info) { return std::string(info.param.name); });

using DayCellPaints = EventStoreTest;

TEST_F(DayCellPaints, ReadTheDayFromItsKeys) {
    memory.WriteString(RegistryRoot + L"Holidays\\2024\\12/25", L"", L"Christmas");
    Put(L"Wed", L"", L"CalColor", L"8388608");
    Put(L"Wed", L"", L"CalIndex", L"9");
    Put(L"12/25", L"", L"CalIndex", L"3");
    const MonthView december = MonthViewOf(christmas);
    const GridCell cell = CellOfDay(december, 25);
    CalendarPreferences prefs;

    const DayCellPaint paint =
        PaintDayCell(events, december, cell.column, cell.row, false, christmas, prefs);
    EXPECT_EQ(paint.text, L"25");
    EXPECT_EQ(paint.colors.background, clNavy);
    EXPECT_EQ(paint.colors.text, clRed);
    EXPECT_TRUE(paint.colors.todayFrame);
    EXPECT_EQ(paint.icon, 3);  // the weekly key's icon is not drawn
    EXPECT_EQ(paint.storeReads, 2 + 1 + 3);
}

TEST_F(DayCellPaints, NegativeIconDrawsNothing) {
    Put(L"12/25/2024", L"", L"CalIndex", L"-1");
    const MonthView december = MonthViewOf(christmas);
    const GridCell cell = CellOfDay(december, 25);
    EXPECT_FALSE(PaintDayCell(events, december, cell.column, cell.row, true, christmas, {}).icon);
}

TEST_F(DayCellPaints, FullRepaintDoesBoundedReadsAndListsNothing) {
    for (int d = 1; d <= 31; ++d) PutEvent(std::to_wstring(d), L"9:00 AM", L"Monthly");
    CountingStore counter(memory);
    const EventStore counted(counter, settings);
    const MonthView december = MonthViewOf(christmas);
    CalendarPreferences prefs;
    for (bool showHolidays : {true, false}) {
        prefs.ShowHolidays = showHolidays;
        counter.Reset();
        for (int row = 1; row < GridRows; ++row)
            for (int column = 0; column < GridColumns; ++column) {
                const DayCellPaint paint =
                    PaintDayCell(counted, december, column, row, false, christmas, prefs);
                EXPECT_EQ(paint.storeReads, showHolidays ? 8 : 7);
            }
        EXPECT_EQ(counter.Lookups(), 42 * (showHolidays ? 8 : 7));
        EXPECT_EQ(counter.listings, 0);
    }
}

TEST_F(DayCellPaints, WholeMonthReadsEachValueOnce) {
    Put(L"Wed", L"", L"CalColor", L"255");
    Put(L"1", L"", L"CalIndex", L"2");
    CountingStore counter(memory);
    const EventStore counted(counter, settings);
    const MonthView december = MonthViewOf(christmas);
    const CalendarPreferences prefs;
    const GridCell current = CellOfDay(december, 25);

    const MonthPaint month = PaintMonth(counted, december, current, christmas, prefs);
    EXPECT_EQ(month.storeReads, counter.Lookups());
    for (int row = 1; row < GridRows; ++row)
        for (int column = 0; column < GridColumns; ++column) {
            const DayCellPaint cell = PaintDayCell(events, december, column, row,
                                                   current == GridCell{column, row}, christmas, prefs);
            EXPECT_EQ(month.at(column, row).colors, cell.colors);
            EXPECT_EQ(month.at(column, row).icon, cell.icon);
            EXPECT_EQ(month.at(column, row).text, cell.text);
        }
    EXPECT_EQ(month.at(0, 1).icon, 2);   // 1 December
    EXPECT_EQ(month.at(3, 5).icon, 2);   // 1 January
    EXPECT_EQ(month.at(3, 5).colors.background, clRed);

    // Empty store, December 2024 (1 December to 11 January): colour 42 full +
    // 7 weekly + 31 monthly + 42 yearly, icon 42 + 31 + 42, holidays 42.
    MemoryStore empty;
    CountingStore emptyCounter(empty);
    EXPECT_EQ(PaintMonth(EventStore(emptyCounter, settings), december, current, christmas, prefs).storeReads,
              279);
    EXPECT_EQ(emptyCounter.Lookups(), 279);
}

TEST(CalendarPreferencesLoad, DefaultsForMissingOrDamagedValues) {
    MemoryStore memory;
    const CalendarPreferences defaults = LoadCalendarPreferences(memory);
    EXPECT_EQ(defaults.WeekdayBackColor, 16777215);
    EXPECT_EQ(defaults.WeekendBackColor, -2147483624);
    EXPECT_EQ(defaults.CalTextColor, 0);
    EXPECT_EQ(defaults.HolidayColor, 255);
    EXPECT_TRUE(defaults.ShowHolidays);
    EXPECT_FALSE(defaults.ColumnWidths[0]);

    const std::wstring key = RegistryRoot + L"Preferences";
    memory.WriteString(key, L"Weekday Back Color", L"65535");
    memory.WriteString(key, L"Holiday Color", L"red");
    memory.WriteString(key, L"Show Holidays", L"no");
    memory.WriteString(key, L"Column2", L"120");
    CalendarPreferences prefs = LoadCalendarPreferences(memory);
    EXPECT_EQ(prefs.WeekdayBackColor, clYellow);
    EXPECT_EQ(prefs.HolidayColor, 255);
    EXPECT_TRUE(prefs.ShowHolidays);
    EXPECT_EQ(prefs.ColumnWidths[2], 120);

    memory.WriteString(key, L"Show Holidays", L"No");
    EXPECT_FALSE(LoadCalendarPreferences(memory).ShowHolidays);
}

}  // namespace
