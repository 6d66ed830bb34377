#include "calendar/DayList.h"

#include <algorithm>

#include "EventTestFixture.h"
#include "calendar/EventEditor.h"

namespace {

class DayListRewrite : public EventStoreTest {
protected:
    // Rewrites christmas from `rows`, answering the icon question with `answer`.
    void Save(const std::vector<EventRow>& rows, bool answer = false) {
        SaveDayList(events, christmas, rows, [&](const std::wstring& q) {
            questions.push_back(q);
            return answer;
        });
    }
    std::vector<EventRow> WithoutTime(std::vector<EventRow> rows, const std::wstring& time) {
        rows.erase(std::remove_if(rows.begin(), rows.end(),
                                  [&](const EventRow& r) { return r.time == time; }),
                   rows.end());
        return rows;
    }
    std::vector<std::wstring> questions;
};

TEST_F(DayListRewrite, KeepsWhatTheRowsDoNotCarry) {
    PutEvent(L"12/25/2024", L"9:00 AM", L"Dentist");
    Put(L"12/25/2024", L"", L"CalColor", L"255");
    Put(L"Wed", L"", L"CalColor", L"65280");
    Put(L"Wed", L"", L"CalIndex", L"4");
    Put(L"25", L"", L"CalColor", L"32768");
    Put(L"25", L"", L"CalIndex", L"6");
    PutEvent(L"12/25", L"8:00 PM", L"Party");
    Put(L"12/25", L"Icons", L"8:00 PM", L"3");
    Put(L"12/25", L"", L"CalColor", L"8388608");
    Put(L"12/25", L"", L"CalIndex", L"8");

    Save(events.EventsOf(christmas));

    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(Get(L"Wed", L"", L"CalColor"), L"65280");
    EXPECT_EQ(Get(L"Wed", L"", L"CalIndex"), L"4");
    EXPECT_EQ(Get(L"25", L"", L"CalColor"), L"32768");
    EXPECT_EQ(Get(L"25", L"", L"CalIndex"), L"6");
    EXPECT_EQ(Get(L"12/25", L"", L"CalColor"), L"8388608");
    // A key that gets rows back takes the icon of its last row, and the day
    // the first icon found on it.
    EXPECT_EQ(Get(L"12/25", L"", L"CalIndex"), L"3");
    EXPECT_EQ(Get(L"12/25/2024", L"", L"CalIndex"), L"6");
    EXPECT_EQ(Get(L"12/25/2024", L"", L"CalColor"), L"255");
    EXPECT_EQ(Get(L"12/25/2024", L"Icons", L"9:00 AM"), L"0");
    EXPECT_EQ(Get(L"12/25/2024", L"Events", L"9:00 AM"), L"Dentist");
}

TEST_F(DayListRewrite, StoredColourOfBlackSurvives) {
    PutEvent(L"12/25/2024", L"9:00 AM", L"Dentist");
    Put(L"12/25/2024", L"", L"CalColor", L"0");
    Save(events.EventsOf(christmas));
    EXPECT_EQ(Get(L"12/25/2024", L"", L"CalColor"), L"0");
}

TEST_F(DayListRewrite, WeeklyEventDeletedOnOneWednesdayLeavesEveryWednesday) {
    PutEvent(L"Wed", L"7:00 PM", L"Choir");
    PutEvent(L"12/25/2024", L"9:00 AM", L"Dentist");
    Save(WithoutTime(events.EventsOf(christmas), L"7:00 PM"));

    EXPECT_TRUE(events.EventsOf(EncodeDate(2025, 1, 1)).empty());
    const std::vector<EventRow> left = events.EventsOf(christmas);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].description, L"Dentist");
}

struct IconQuestionCase {
    const char* name;
    bool dayHasIcon;
    bool answer;
    bool asked;
    std::wstring fullIcon, fullColour, weeklyIcon, weeklyColour;
    friend void PrintTo(const IconQuestionCase& c, std::ostream* os) { *os << c.name; }
};

class DayIconQuestion : public DayListRewrite,
                        public ::testing::WithParamInterface<IconQuestionCase> {};

TEST_P(DayIconQuestion, AfterTheLastEventOfTheDayGoes) {
    const IconQuestionCase& c = GetParam();
    PutEvent(L"12/25/2024", L"9:00 AM", L"Dentist");
    PutEvent(L"12/26/2024", L"9:00 AM", L"Other day");
    if (c.dayHasIcon) Put(L"12/25/2024", L"", L"CalIndex", L"5");
    Put(L"12/25/2024", L"", L"CalColor", L"255");
    Put(L"Wed", L"", L"CalIndex", L"2");
    Put(L"Wed", L"", L"CalColor", L"65280");

    Save({}, c.answer);

    const std::vector<std::wstring> expected =
        c.asked ? std::vector<std::wstring>{L"Wednesday, December 25, 2024 does not contain any "
                                            L"events. Do you want to remove the day's icon also?"}
                : std::vector<std::wstring>{};
    EXPECT_EQ(questions, expected);
    EXPECT_EQ(Get(L"12/25/2024", L"", L"CalIndex"), c.fullIcon);
    EXPECT_EQ(Get(L"12/25/2024", L"", L"CalColor"), c.fullColour);
    EXPECT_EQ(Get(L"Wed", L"", L"CalIndex"), c.weeklyIcon);
    EXPECT_EQ(Get(L"Wed", L"", L"CalColor"), c.weeklyColour);
    EXPECT_TRUE(events.EventsOf(christmas).empty());
    EXPECT_EQ(Get(L"12/26/2024", L"Events", L"9:00 AM"), L"Other day");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DayIconQuestion,
    ::testing::Values(IconQuestionCase{"Yes", true, true, true, L"", L"", L"", L"65280"},
                      IconQuestionCase{"No", true, false, true, L"5", L"255", L"2", L"65280"},
                      IconQuestionCase{"NoIcon", false, true, false, L"", L"255", L"2", L"65280"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DayListRewrite, MovedRowGoesToItsNewDayKey) {
    PutEvent(L"12/25/2024", L"9:00 AM", L"Dentist");
    Put(L"12/25/2024", L"Icons", L"9:00 AM", L"7");
    Put(L"12/25/2024", L"", L"CalIndex", L"7");
    EventRow moved = events.EventsOf(christmas)[0];
    moved.date = L"12/27/2024";
    moved.dayKey = L"12/27/2024";

    Save({moved}, true);

    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(Get(L"12/27/2024", L"Events", L"9:00 AM"), L"Dentist");
    EXPECT_EQ(Get(L"12/27/2024", L"", L"CalIndex"), L"7");
    EXPECT_FALSE(memory.KeyExists(DayKeyPath(L"12/25/2024")));
}

TEST_F(DayListRewrite, RowWhoseTimeIsNoTimeGoesBackUnchanged) {
    PutEvent(L"25", L"noon", L"Imported");
    PutEvent(L"25", L"14:05", L"Normalised");
    Save(events.EventsOf(christmas));
    EXPECT_EQ(Get(L"25", L"Events", L"noon"), L"Imported");
    EXPECT_EQ(Get(L"25", L"Events", L"2:05 PM"), L"Normalised");
}

TEST(DayListRewriteTwoDigitYears, WeeklyEventStaysOnItsWeekday) {
    // With a two-digit-year short date, "50" read back against the clock's
    // year would be 2050, whose 4 January is a Tuesday, not a Wednesday.
    MemoryStore memory;
    const FormatSettings settings = TwoDigitYearSettings();
    EventStore events(memory, settings);
    const TDateTime day = EncodeDate(1950, 1, 4);
    memory.WriteString(DayKeyPath(L"Mi", L"Events"), L"19:00", L"Chor");

    SaveDayList(events, day, events.EventsOf(day), [](const std::wstring&) { return false; });

    EXPECT_EQ(memory.ReadString(DayKeyPath(L"Mi", L"Events"), L"19:00"), L"Chor");
}

TEST(DayListSortState, ClicksSwitchColumnAndDirection) {
    DayListSort sort;
    sort.ColumnClick(ColDescription);
    EXPECT_EQ(sort.column, ColDescription);
    EXPECT_FALSE(sort.inverted);
    sort.ColumnClick(ColDescription);
    EXPECT_TRUE(sort.inverted);
    sort.ColumnClick(ColTime);
    EXPECT_EQ(sort.column, ColTime);
    EXPECT_FALSE(sort.inverted);
}

struct CompareCase {
    int column;
    bool inverted;
    std::vector<std::wstring> expectedTimes;
};

class DayListCompare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(DayListCompare, OrdersRowsByTheSortColumn) {
    auto row = [](const wchar_t* time, const wchar_t* description, const wchar_t* location) {
        EventRow r;
        r.time = time;
        r.description = description;
        r.location = location;
        return r;
    };
    std::vector<EventRow> rows{row(L"2:30 PM", L"apple", L"b"), row(L"lunch", L"Banana", L"a"),
                               row(L"9:00 AM", L"cherry", L"a"), row(L"10:15 AM", L"Apple", L"c")};
    SortEventRows(rows, {GetParam().column, GetParam().inverted}, UsEnglishSettings());
    std::vector<std::wstring> times;
    for (const EventRow& r : rows) times.push_back(r.time);
    EXPECT_EQ(times, GetParam().expectedTimes);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, DayListCompare,
    ::testing::Values(
        CompareCase{ColTime, true, {L"9:00 AM", L"10:15 AM", L"2:30 PM", L"lunch"}},
        CompareCase{ColTime, false, {L"lunch", L"2:30 PM", L"10:15 AM", L"9:00 AM"}},
        // By character code: capitals before small letters.
        CompareCase{ColDescription, false, {L"10:15 AM", L"lunch", L"2:30 PM", L"9:00 AM"}},
        CompareCase{ColDescription, true, {L"9:00 AM", L"2:30 PM", L"lunch", L"10:15 AM"}},
        CompareCase{ColLocation, false, {L"lunch", L"9:00 AM", L"2:30 PM", L"10:15 AM"}},
        CompareCase{ColDate, false, {L"2:30 PM", L"lunch", L"9:00 AM", L"10:15 AM"}}));

TEST(DayListCompareTimes, EqualTimesCompareEqual) {
    EventRow a, b;
    a.time = L"9:00 AM";
    b.time = L"9:00 AM";
    b.description = L"other";
    EXPECT_EQ(CompareEventRows(a, b, {ColTime, true}, UsEnglishSettings()), 0);
}

TEST(DayListRows, ColumnsRoundTrip) {
    EventRow row{L"2:30 PM", L"Carols", L"Home", L"25", {L"Yes", L"", L"Yes", L""},
                 L"d", L"12/25/2024", 9};
    const DayListTexts texts = ToColumns(row);
    EXPECT_EQ(texts[ColDate], L"25");
    EXPECT_EQ(texts[Col2WeeksBefore], L"Yes");
    EXPECT_EQ(texts[ColType], L"d");
    EXPECT_EQ(FromColumns(texts, 9), row);
    EXPECT_EQ(FindRowByTime({row, row}, L"2:30 PM"), 0);
    EXPECT_EQ(FindRowByTime({row}, L"3:00 PM"), -1);
}

TEST(DayPanel, ShowsTheHolidayOnlyWhenHolidaysAreShown) {
    const FormatSettings us = UsEnglishSettings();
    CalendarPreferences prefs;
    prefs.CalTextColor = clNavy;
    const TDateTime day = EncodeDate(2024, 12, 25);

    const DayPanelText plain = DayPanelFor(day, L"", prefs, us);
    EXPECT_EQ(plain.caption, L"Wednesday, December 25");
    EXPECT_EQ(plain.textColor, clNavy);

    const DayPanelText holiday = DayPanelFor(day, L"Christmas", prefs, us);
    EXPECT_EQ(holiday.caption, L"12/25/2024 - Christmas");
    EXPECT_EQ(holiday.textColor, clRed);

    prefs.ShowHolidays = false;
    EXPECT_EQ(DayPanelFor(day, L"Christmas", prefs, us).caption, L"Wednesday, December 25");
}

}  // namespace
