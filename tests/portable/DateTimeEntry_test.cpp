// The reading rules of the date and time entries the Alarm Manager uses.
#include <gtest/gtest.h>

#include "common/DateFormat.h"
#include "common/DateEntryRules.h"
#include "common/TimeEntryRules.h"

namespace {

TEST(DateEditRules, ReadsTheShortDateWithEpoch1980) {
    const FormatSettings us = UsEnglishSettings();
    const struct {
        const wchar_t* text;
        int y, m, d;  // y == 0: refused
    } cases[] = {
        {L"3/9/2026", 2026, 3, 9}, {L"3/9", 2026, 3, 9},   {L"12/31/79", 2079, 12, 31},
        {L"1/1/80", 1980, 1, 1},   {L"1/1/26", 2026, 1, 1}, {L"2/30/2026", 0, 0, 0},
        {L"3", 0, 0, 0},           {L"", 0, 0, 0},          {L"today", 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto date = entry::ParseDateEntry(c.text, us, 2026);
        if (c.y == 0) {
            EXPECT_FALSE(date) << c.text;
        } else {
            ASSERT_TRUE(date) << c.text;
            EXPECT_EQ(*date, EncodeDate(c.y, c.m, c.d)) << c.text;
        }
    }
    EXPECT_EQ(*entry::ParseDateEntry(L"9.3.26", GermanSettings(), 2026), EncodeDate(2026, 3, 9));
}

TEST(TimeEditRules, TwelveHourClockTakesUnmarkedTimesAsPm) {
    const FormatSettings us = UsEnglishSettings();
    const struct {
        const wchar_t* text;
        int h, m;  // h < 0: refused
    } cases[] = {
        {L"7:30", 19, 30},   {L"7:30 AM", 7, 30},  {L"7:30 pm", 19, 30}, {L"12:15", 12, 15},
        {L"12:15 AM", 0, 15}, {L"19:05", 19, 5},   {L"0:30", 0, 30},     {L"9:30:45 AM", 9, 30},
        {L"25:00", -1, 0},    {L"7", -1, 0},
    };
    for (const auto& c : cases) {
        const auto time = entry::ParseTimeEntry(c.text, us);
        if (c.h < 0) {
            EXPECT_FALSE(time) << c.text;
        } else {
            ASSERT_TRUE(time) << c.text;
            EXPECT_EQ(FormatDateTime(L"hh:nn:ss", *time, us),
                      FormatDateTime(L"hh:nn:ss", EncodeTime(c.h, c.m, 0), us))
                << c.text;
        }
    }
}

TEST(TimeEditRules, TwentyFourHourClockReadsHoursAsTheyAre) {
    EXPECT_EQ(*entry::ParseTimeEntry(L"07:30", GermanSettings()), EncodeTime(7, 30, 0));
    EXPECT_FALSE(entry::UsesTwelveHourClock(GermanSettings()));
    EXPECT_TRUE(entry::UsesTwelveHourClock(UsEnglishSettings()));
}

}  // namespace

namespace {

TEST(DateEditRules, ArrowKeysStepThePartAtTheCaret) {
    const FormatSettings us = UsEnglishSettings();  // m/d/yyyy
    const FormatSettings de = GermanSettings();     // dd.mm.yyyy
    const std::wstring text = L"1/31/2026";
    EXPECT_EQ(entry::DateFieldAt(text, 0, us), entry::DateField::Month);
    EXPECT_EQ(entry::DateFieldAt(text, 3, us), entry::DateField::Day);
    EXPECT_EQ(entry::DateFieldAt(text, 9, us), entry::DateField::Year);
    EXPECT_EQ(entry::DateFieldAt(L"31.01.2026", 1, de), entry::DateField::Day);
    EXPECT_EQ(entry::DateFieldAt(L"31.01.2026", 4, de), entry::DateField::Month);

    const TDateTime jan31 = EncodeDate(2026, 1, 31);
    EXPECT_EQ(entry::StepDate(jan31, entry::DateField::Day, 1), EncodeDate(2026, 2, 1));
    EXPECT_EQ(entry::StepDate(jan31, entry::DateField::Month, 1), EncodeDate(2026, 2, 28));
    EXPECT_EQ(entry::StepDate(EncodeDate(2024, 2, 29), entry::DateField::Year, 1), EncodeDate(2025, 2, 28));
}

TEST(TimeEditRules, ArrowKeysStepThePartAtTheCaretAndWrap) {
    const FormatSettings us = UsEnglishSettings();
    EXPECT_EQ(entry::TimeFieldAt(L"11:59 PM", 1, us), entry::TimeField::Hour);
    EXPECT_EQ(entry::TimeFieldAt(L"11:59 PM", 4, us), entry::TimeField::Minute);
    EXPECT_EQ(entry::TimeFieldAt(L"11:59 PM", 7, us), entry::TimeField::HalfDay);

    const TDateTime t = EncodeTime(23, 59, 0);
    EXPECT_EQ(entry::StepTime(t, entry::TimeField::Minute, 1), EncodeTime(0, 0, 0));
    EXPECT_EQ(entry::StepTime(t, entry::TimeField::Hour, 1), EncodeTime(0, 59, 0));
    EXPECT_EQ(entry::StepTime(t, entry::TimeField::HalfDay, 1), EncodeTime(11, 59, 0));
    EXPECT_EQ(entry::StepTime(EncodeTime(0, 0, 0), entry::TimeField::Minute, -1), EncodeTime(23, 59, 0));
}

}  // namespace
