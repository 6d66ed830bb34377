#include "common/DateTime.h"

#include <gtest/gtest.h>

#include "common/Errors.h"

namespace {

struct Ymd {
    int y, m, d;
};

void ExpectDate(TDateTime value, Ymd expected) {
    const DateParts p = DecodeDate(value);
    EXPECT_EQ(p.year, expected.y);
    EXPECT_EQ(p.month, expected.m);
    EXPECT_EQ(p.day, expected.d);
}

TEST(DateTime, EncodesDaysFromThe1899Epoch) {
    const struct {
        Ymd date;
        double value;
    } cases[] = {
        {{1899, 12, 30}, 0},       {{1899, 12, 31}, 1},      {{1900, 1, 1}, 2},
        {{1900, 3, 1}, 61},        {{2000, 2, 29}, 36585},   {{2024, 12, 25}, 45651},
        {{9999, 12, 31}, 2958465}, {{1899, 12, 29}, -1},     {{1, 1, 1}, -693593},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(EncodeDate(c.date.y, c.date.m, c.date.d), c.value);
        ExpectDate(c.value, c.date);
    }
}

TEST(DateTime, LeapYearsAndInvalidDates) {
    const struct {
        int year;
        bool leap;
    } years[] = {{1900, false}, {2000, true}, {2023, false}, {2024, true}, {2100, false}, {2400, true}};
    for (const auto& y : years) EXPECT_EQ(IsLeapYear(y.year), y.leap) << y.year;

    const Ymd invalid[] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 4, 31}, {2024, 13, 1},
                           {2024, 0, 1},  {2024, 1, 0},  {0, 1, 1},     {10000, 1, 1}};
    for (const Ymd& d : invalid) {
        SCOPED_TRACE(testing::Message() << d.y << "-" << d.m << "-" << d.d);
        EXPECT_FALSE(IsValidDate(d.y, d.m, d.d));
        EXPECT_THROW(EncodeDate(d.y, d.m, d.d), EConvertError);
    }
    EXPECT_THROW(EncodeTime(24, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(12, 60, 0), EConvertError);
}

// Callers build times by adding minutes to a date (now + 10/1440); every
// minute of the day must decode exactly, without a 59.999 second drift.
TEST(DateTime, EveryMinuteOfTheDayDecodesExactly) {
    const TDateTime day = EncodeDate(2024, 12, 25);
    for (int minute = 0; minute < 1440; ++minute) {
        const TDateTime value = day + minute * OneMinute;
        const TimeParts t = DecodeTime(value);
        ASSERT_EQ(t.hour * 60 + t.minute, minute);
        ASSERT_EQ(t.second, 0);
        ASSERT_EQ(t.msec, 0);
        ASSERT_EQ(DateOf(value), day);
    }
    const TimeParts t = DecodeTime(EncodeTime(14, 30, 15, 250));
    EXPECT_EQ(t.hour, 14);
    EXPECT_EQ(t.minute, 30);
    EXPECT_EQ(t.second, 15);
    EXPECT_EQ(t.msec, 250);
}

TEST(DateTime, ValueJustBelowMidnightBelongsToTheNextDay) {
    const TDateTime almost = EncodeDate(2024, 12, 25) + 1.0 - 1e-10;
    ExpectDate(almost, {2024, 12, 26});
    EXPECT_EQ(DecodeTime(almost).hour, 0);
    EXPECT_EQ(TimeOf(almost), 0.0);
    EXPECT_EQ(DayOfWeek(almost), 5);
}

TEST(DateTime, NegativeValuesCutTheDateTowardsZero) {
    const TDateTime value = -1.25;  // 29 December 1899, 06:00
    ExpectDate(value, {1899, 12, 29});
    EXPECT_EQ(DecodeTime(value).hour, 6);
    EXPECT_EQ(DateOf(value), -1.0);
    EXPECT_EQ(TimeOf(value), 0.25);
    EXPECT_EQ(ComposeDateTime(DateOf(value), TimeOf(value)), value);
    EXPECT_EQ(DayOfWeek(value), 6);
    EXPECT_EQ(IncMonth(value, 1), ComposeDateTime(EncodeDate(1900, 1, 29), 0.25));
}

TEST(DateTime, DayOfWeekStartsOnSunday) {
    const struct {
        Ymd date;
        int dow;
    } cases[] = {{{1899, 12, 30}, 7}, {{1899, 12, 31}, 1}, {{1900, 1, 1}, 2},
                 {{2000, 1, 1}, 7},   {{2024, 12, 25}, 4}, {{2024, 12, 28}, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(DayOfWeek(EncodeDate(c.date.y, c.date.m, c.date.d)), c.dow)
            << c.date.y << "-" << c.date.m << "-" << c.date.d;
}

TEST(DateTime, IncMonthCutsTheDayToTheTargetMonth) {
    const struct {
        Ymd from;
        int months;
        Ymd to;
    } cases[] = {
        {{2024, 1, 31}, 1, {2024, 2, 29}},   {{2023, 1, 31}, 1, {2023, 2, 28}},
        {{2024, 3, 31}, -1, {2024, 2, 29}},  {{2024, 5, 31}, 1, {2024, 6, 30}},
        {{2024, 12, 15}, 1, {2025, 1, 15}},  {{2024, 1, 15}, -1, {2023, 12, 15}},
        {{2024, 2, 29}, 12, {2025, 2, 28}},  {{2024, 1, 10}, -25, {2021, 12, 10}},
        {{2024, 1, 10}, 0, {2024, 1, 10}},
    };
    const TDateTime time = EncodeTime(14, 30, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.y << "-" << c.from.m << "-" << c.from.d
                                        << " + " << c.months);
        const TDateTime result = IncMonth(EncodeDate(c.from.y, c.from.m, c.from.d) + time, c.months);
        ExpectDate(result, c.to);
        EXPECT_EQ(DecodeTime(result).hour, 14);
        EXPECT_EQ(DecodeTime(result).minute, 30);
    }
}

}  // namespace
