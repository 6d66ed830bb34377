// Cost of repainting the month grid's 42 day cells: store reads per repaint
// and time per repaint, for an empty store and for one holding 10,000 events
// spread over every kind of day key (with day colours, icons and holidays).
// Exits with 1 when a cell reads more than its bound or a repaint lists a key.
#include <chrono>
#include <cstdio>

#include "calendar/MonthGrid.h"
#include "../CalendarBenchStore.h"
#include "common/CountingStore.h"
#include "common/DateFormat.h"
#include "common/MemoryStore.h"
#include "common/StoreAccess.h"
#include "holidays/HolidayStore.h"

namespace {

constexpr int MaxReadsPerCell = 8;


struct RepaintCost {
    int reads = 0;
    int monthReads = 0;  // the same repaint through PaintMonth
    double monthMicroseconds = 0;
    int listings = 0;
    int maxCellReads = 0;
    double microseconds = 0;
};

template <typename F>
double MicrosecondsPer(F&& run) {
    using Clock = std::chrono::steady_clock;
    int runs = 0;
    const Clock::time_point start = Clock::now();
    Clock::duration elapsed{};
    while (elapsed < std::chrono::milliseconds(300)) {
        run();
        ++runs;
        elapsed = Clock::now() - start;
    }
    return std::chrono::duration<double, std::micro>(elapsed).count() / runs;
}

RepaintCost MeasureRepaint(Store& store, const FormatSettings& settings) {
    CountingStore counter(store);
    const EventStore counted(counter, settings);
    const EventStore direct(store, settings);
    const TDateTime today = EncodeDate(2024, 12, 25);
    const MonthView view = MonthViewOf(today);
    const GridCell current = CellOfDay(view, view.day);
    const CalendarPreferences prefs;

    auto repaint = [&](const EventStore& events, int& maxCellReads) {
        for (int row = 1; row < GridRows; ++row)
            for (int column = 0; column < GridColumns; ++column) {
                const bool isCurrent = current == GridCell{column, row};
                const DayCellPaint paint =
                    PaintDayCell(events, view, column, row, isCurrent, today, prefs);
                if (paint.storeReads > maxCellReads) maxCellReads = paint.storeReads;
            }
    };

    RepaintCost cost;
    repaint(counted, cost.maxCellReads);
    cost.reads = counter.Lookups();
    cost.listings = counter.listings;

    cost.monthReads = PaintMonth(direct, view, current, today, prefs).storeReads;

    int ignored = 0;
    cost.microseconds = MicrosecondsPer([&] { repaint(direct, ignored); });
    cost.monthMicroseconds = MicrosecondsPer([&] { PaintMonth(direct, view, current, today, prefs); });
    return cost;
}

void Print(const char* name, const RepaintCost& cost) {
    std::printf("%-12s cell by cell: %4d reads per repaint (%.1f per cell, at most %d), %d listings, %8.1f us\n",
                name, cost.reads, cost.reads / 42.0, cost.maxCellReads, cost.listings, cost.microseconds);
    std::printf("%-12s PaintMonth:   %4d reads per repaint (%.1f per cell), %8.1f us\n", name,
                cost.monthReads, cost.monthReads / 42.0, cost.monthMicroseconds);
}

}  // namespace

int main() {
    const FormatSettings settings = UsEnglishSettings();
    MemoryStore empty, full;
    FillCalendarBenchStore(full, EventStore(full, settings));

    const RepaintCost emptyCost = MeasureRepaint(empty, settings);
    const RepaintCost fullCost = MeasureRepaint(full, settings);
    Print("empty store", emptyCost);
    Print("10000 events", fullCost);
    std::printf("time ratio full / empty: %.2f cell by cell, %.2f PaintMonth (budget 3.00)\n",
                fullCost.microseconds / emptyCost.microseconds,
                fullCost.monthMicroseconds / emptyCost.monthMicroseconds);

    const bool bounded = emptyCost.maxCellReads <= MaxReadsPerCell &&
                         fullCost.maxCellReads <= MaxReadsPerCell && fullCost.listings == 0 &&
                         emptyCost.listings == 0;
    if (!bounded) std::printf("FAIL: a cell read more than %d values or a key was listed\n", MaxReadsPerCell);
    return bounded ? 0 : 1;
}
