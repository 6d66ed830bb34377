// The grid's read cache: repeated reads stay off the store until the cache is
// invalidated or written through, and a repaint after an invalidation shows
// the change.
#include <gtest/gtest.h>

#include "EventTestFixture.h"
#include "calendar/MonthGrid.h"
#include "calendar/StoreReadCache.h"
#include "common/CountingStore.h"
#include "common/Errors.h"
#include "holidays/HolidayStore.h"

namespace {

class CalendarReadCacheTest : public EventStoreTest {
protected:
    CountingStore counter{memory};
    StoreReadCache cache{counter};
};

TEST_F(CalendarReadCacheTest, RepeatedReadsReachTheStoreOnceUntilInvalidated) {
    Put(L"12/25/2024", L"", L"CalColor", L"255");
    const std::wstring path = DayKeyPath(L"12/25/2024");
    EXPECT_EQ(cache.ReadString(path, L"CalColor"), L"255");
    EXPECT_EQ(cache.ReadString(path, L"calcolor"), L"255");
    EXPECT_EQ(cache.ReadString(path, L"Missing"), L"");
    EXPECT_EQ(cache.ReadString(path, L"Missing"), L"");
    EXPECT_EQ(counter.Lookups(), 1);  // the first miss fetched the small key whole

    Put(L"12/25/2024", L"", L"CalColor", L"65280");  // behind the cache's back
    EXPECT_EQ(cache.ReadString(path, L"CalColor"), L"255");
    cache.Invalidate();
    EXPECT_EQ(cache.ReadString(path, L"CalColor"), L"65280");
}

TEST_F(CalendarReadCacheTest, WritesThroughTheCacheShowAtTheNextRead) {
    const std::wstring path = DayKeyPath(L"25");
    EXPECT_EQ(cache.ReadString(path, L"CalIndex"), L"");
    cache.WriteString(path, L"CalIndex", L"7");
    EXPECT_EQ(cache.ReadString(path, L"CalIndex"), L"7");
    cache.DeleteKey(path);
    EXPECT_EQ(cache.ReadString(path, L"CalIndex"), L"");
}

TEST_F(CalendarReadCacheTest, RepaintAfterInvalidationShowsTheNewDayColour) {
    const EventStore cached(cache, settings);
    const MonthView view = MonthViewOf(christmas);
    const GridCell current = CellOfDay(view, 1);
    const GridCell christmasCell = CellOfDay(view, 25);
    const CalendarPreferences prefs;

    PaintMonth(cached, view, current, christmas, prefs);
    counter.Reset();
    const MonthPaint again = PaintMonth(cached, view, current, christmas, prefs);
    EXPECT_EQ(counter.Lookups(), 0);
    EXPECT_EQ(again.at(christmasCell.column, christmasCell.row).colors.background, clWhite);

    Put(L"12/25/2024", L"", L"CalColor", L"255");
    cache.Invalidate();
    const MonthPaint changed = PaintMonth(cached, view, current, christmas, prefs);
    EXPECT_EQ(changed.at(christmasCell.column, christmasCell.row).colors.background, clRed);
}

TEST_F(CalendarReadCacheTest, AFullCacheStartsAfresh) {
    StoreReadCache small(counter, 2);
    for (const wchar_t* name : {L"a", L"b", L"c"}) small.ReadString(DayKeyPath(L"1"), name);
    EXPECT_EQ(small.Size(), 1u);
    counter.Reset();
    small.ReadString(DayKeyPath(L"1"), L"c");
    EXPECT_EQ(counter.Lookups(), 0);
}

TEST_F(CalendarReadCacheTest, OneVisitOfASmallKeyAnswersEveryNameOfIt) {
    Put(L"12/25/2024", L"", L"CalColor", L"255");
    Put(L"12/25/2024", L"", L"CalIndex", L"7");
    struct Case {
        const wchar_t* dayKey;
        const wchar_t* color;
        const wchar_t* icon;
    };
    for (const Case& c : {Case{L"12/25/2024", L"255", L"7"}, Case{L"12/26/2024", L"", L""}}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.dayKey)));
        counter.Reset();
        const std::wstring path = DayKeyPath(c.dayKey);
        EXPECT_EQ(cache.ReadString(path, L"CalColor"), c.color);
        EXPECT_EQ(cache.ReadString(path, L"CALINDEX"), c.icon);
        EXPECT_EQ(cache.ReadString(path, L"Other"), L"");
        EXPECT_EQ(counter.keyReads, 1);
        EXPECT_EQ(counter.reads, 0);
    }
}

TEST_F(CalendarReadCacheTest, ALargeKeyIsReadValueByValue) {
    const std::wstring path = DayKeyPath(L"12/25/2024", L"Events");
    for (std::size_t i = 0; i <= StoreReadCache::DefaultWholeKeyValues; ++i)
        memory.WriteString(path, L"Event " + std::to_wstring(i), L"Text " + std::to_wstring(i));
    EXPECT_EQ(cache.ReadString(path, L"Event 1"), L"Text 1");
    EXPECT_EQ(cache.ReadString(path, L"Event 2"), L"Text 2");
    EXPECT_EQ(cache.ReadString(path, L"Missing"), L"");
    EXPECT_EQ(counter.keyReads, 1);  // refused once, then never tried again
    EXPECT_EQ(counter.reads, 3);
    EXPECT_EQ(cache.Size(), 4u);
    counter.Reset();
    EXPECT_EQ(cache.ReadString(path, L"Event 1"), L"Text 1");
    EXPECT_EQ(counter.Lookups(), 0);
}

TEST_F(CalendarReadCacheTest, AValueThatIsNoStringStillThrowsWhenRead) {
    const std::wstring path = DayKeyPath(L"12/25/2024");
    Put(L"12/25/2024", L"", L"CalColor", L"255");
    memory.WriteInteger(path, L"CalIndex", 7);
    EXPECT_EQ(cache.ReadString(path, L"CalColor"), L"255");
    EXPECT_THROW(cache.ReadString(path, L"CalIndex"), ERegistryError);
    EXPECT_THROW(cache.ReadString(path, L"calindex"), ERegistryError);
    EXPECT_EQ(cache.ReadString(path, L"Missing"), L"");
}

// The store folds more than ASCII letters; a whole key never answers for a
// name whose folding the cache cannot be sure of.
TEST_F(CalendarReadCacheTest, NamesBeyondAsciiAreAskedOfTheStore) {
    const std::wstring path = DayKeyPath(L"12/25/2024");
    Put(L"12/25/2024", L"", L"\u00C4pfel", L"apples");
    EXPECT_EQ(cache.ReadString(path, L"CalColor"), L"");
    EXPECT_EQ(cache.ReadString(path, L"\u00E4PFEL"), L"apples");
    EXPECT_EQ(cache.ReadString(path, L"\u00D6l"), L"");
    EXPECT_EQ(counter.keyReads, 1);
    EXPECT_EQ(counter.reads, 2);
}

TEST_F(CalendarReadCacheTest, AFullCacheDropsWholeKeysTogetherWithTheirValues) {
    StoreReadCache small(counter, 3);
    Put(L"12/25/2024", L"", L"CalColor", L"255");
    Put(L"12/25/2024", L"", L"CalIndex", L"7");
    const std::wstring path = DayKeyPath(L"12/25/2024");
    EXPECT_EQ(small.ReadString(path, L"CalColor"), L"255");
    EXPECT_EQ(small.Size(), 3u);  // two values and the key
    EXPECT_EQ(small.ReadString(DayKeyPath(L"12/26/2024"), L"CalColor"), L"");
    EXPECT_EQ(small.Size(), 1u);
    counter.Reset();
    EXPECT_EQ(small.ReadString(path, L"CalIndex"), L"7");
    EXPECT_EQ(counter.keyReads, 1);
}

// The window's cache under the repaint's own: the same month, far fewer visits
// of the store.
TEST_F(CalendarReadCacheTest, RepaintOverWholeKeysShowsTheSameAndVisitsLess) {
    Put(L"12/25/2024", L"", L"CalColor", L"255");
    Put(L"12/25/2024", L"", L"CalIndex", L"3");
    Put(L"Wed", L"", L"CalColor", L"65280");
    Put(L"1", L"", L"CalIndex", L"2");
    Put(L"1/1", L"", L"CalColor", L"16711680");
    memory.WriteString(HolidayKeyPath(christmas, settings), L"", L"Christmas");
    CalendarPreferences prefs;
    prefs.ShowHolidays = true;
    const MonthView view = MonthViewOf(christmas);
    const GridCell current = CellOfDay(view, 25);

    CountingStore direct(memory);
    const MonthPaint plain = PaintMonth(EventStore(direct, settings), view, current, christmas, prefs);
    const MonthPaint cached = PaintMonth(EventStore(cache, settings), view, current, christmas, prefs);
    for (int row = 1; row < GridRows; ++row)
        for (int column = 0; column < GridColumns; ++column) {
            EXPECT_EQ(cached.at(column, row).colors, plain.at(column, row).colors);
            EXPECT_EQ(cached.at(column, row).icon, plain.at(column, row).icon);
        }
    EXPECT_EQ(cached.storeReads, plain.storeReads);
    EXPECT_EQ(counter.reads, 0);
    // 42 full, 7 weekly, 31 monthly, 42 yearly day keys and 42 holiday keys,
    // less those no look-up reaches: "25" and "12/25" (both found in the full
    // key) and "1/1" (colour found in "Wed", icon in "1").
    EXPECT_EQ(counter.keyReads, 42 + 7 + 31 + 42 + 42 - 3);
    EXPECT_LT(counter.keyReads, direct.reads);
}

}  // namespace
