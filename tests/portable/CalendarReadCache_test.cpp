// The grid's read cache: repeated reads stay off the store until the cache is
// invalidated or written through, and a repaint after an invalidation shows
// the change.
#include <gtest/gtest.h>

#include "EventTestFixture.h"
#include "calendar/MonthGrid.h"
#include "calendar/StoreReadCache.h"
#include "common/CountingStore.h"

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
    EXPECT_EQ(counter.Lookups(), 2);

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

}  // namespace
