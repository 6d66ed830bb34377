// The scheduler tick over the registry under Wine: a store of 10,000 one-shot
// alarms spread over 365 day keys against an empty store, and against a small
// store whose 365 day keys exist but hold one alarm each. Each tick's store
// operations are counted (at most three reads and one delete), and the time of
// a tick is reported as ratios. The ticks fall in minutes whose own and
// previous minute hold no alarm, so that every store answers the same three
// reads and none loses alarms while it is measured.
//
// The registry opens a missing key faster than an existing one, so the empty
// store is the cheaper baseline for a reason that has nothing to do with the
// store's size; the small store with the same keys shows what the size costs.
// Exits with 1 when a tick does more than three reads or any delete, or when
// the full store's tick takes more than 1.2 times the small store's.
//   scripts/wine-test.sh AlarmTick_bench.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "alarms/AlarmStore.h"
#include "alarms/AlarmTick.h"
#include "common/CountingStore.h"
#include "common/StoreAccess.h"
#include "toolkit/RegistryStore.h"

namespace {

constexpr int AlarmCount = 10000;
constexpr int DayCount = 365;
constexpr int TicksPerRound = 2000;
constexpr int Rounds = 9;
constexpr double TargetRatio = 1.2;

const FormatSettings& Us() {
    static const FormatSettings us = UsEnglishSettings();
    return us;
}

TDateTime FirstDay() { return EncodeDate(2026, 1, 1); }

// Alarm i lies on day i % 365 at a minute divisible by four; the ticks come at
// minutes that leave two on division by four.
void FillStore(Store& store, int alarms) {
    for (int i = 0; i < alarms; ++i) {
        const TDateTime moment = FirstDay() + i % DayCount + ((i / DayCount * 4) % 1440) * OneMinute;
        store.WriteString(RegistryRoot + DayKey(moment, Us()), TimeName(moment, Us()),
                          L"Alarm " + std::to_wstring(i) + L"|Chime.wav");
    }
    store.Flush(RegistryRoot + L"Alarms");
}

struct Figures {
    double microseconds = 0;  // fastest round, per tick
    int maxReads = 0, maxDeletes = 0, maxOther = 0;
};

// Ticks at odd minutes of days spread over the year (first of a minute, then
// after a missed minute), counting every tick's operations.
Figures MeasureTicks(Store& registry) {
    CountingStore counted{registry};
    TDateTime now = 0;
    AlarmScheduler scheduler{counted, [&] { return now; }, RegistryRoot, &Us()};
    scheduler.ReminderScanPending = false;
    Figures f;
    f.microseconds = 1e300;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < TicksPerRound; ++i) {
            now = FirstDay() + (i * 37) % DayCount + ((i * 4 + 2) % 1440) * OneMinute + 5 * OneSecond;
            counted.Reset();
            scheduler.Tick();
            f.maxReads = std::max(f.maxReads, counted.reads);
            f.maxDeletes = std::max(f.maxDeletes, counted.deletes);
            f.maxOther = std::max(f.maxOther, counted.writes + counted.Other());
        }
        const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
        f.microseconds = std::min(f.microseconds, elapsed.count() / TicksPerRound);
    }
    return f;
}

void Print(const char* name, const Figures& f) {
    std::printf("%s: %.1f us per tick; per tick at most %d reads, %d deletes, %d other operations\n", name,
                f.microseconds, f.maxReads, f.maxDeletes, f.maxOther);
}

}  // namespace

int main() {
    tk::RegistryStore registry(tk::RegistryStore::Hive::CurrentUser);
    SetUserStore(&registry);
    registry.DeleteKey(RegistryRoot + L"Alarms");
    const Figures empty = MeasureTicks(registry);
    FillStore(registry, DayCount);
    const Figures small = MeasureTicks(registry);
    registry.DeleteKey(RegistryRoot + L"Alarms");
    FillStore(registry, AlarmCount);
    const Figures full = MeasureTicks(registry);
    registry.DeleteKey(RegistryRoot + L"Alarms");
    SetUserStore(nullptr);

    Print("empty store          ", empty);
    Print("365 alarms (365 keys)", small);
    Print("10,000 alarms        ", full);
    const double toEmpty = full.microseconds / empty.microseconds;
    const double toSmall = full.microseconds / small.microseconds;
    std::printf("ratio: %.3f (tick over 10,000 alarms / tick over an empty store)\n", toEmpty);
    std::printf("ratio: %.3f (tick over 10,000 alarms / tick over 365 alarms in the same keys; target <= %.1f)\n",
                toSmall, TargetRatio);
    bool withinOps = true;
    for (const Figures* f : {&empty, &small, &full})
        withinOps = withinOps && f->maxReads <= 3 && f->maxDeletes == 0 && f->maxOther == 0;
    const bool ok = withinOps && toSmall <= TargetRatio;
    std::printf("%s\n", ok ? "within targets" : "OUT OF TARGET");
    return ok ? 0 : 1;
}
