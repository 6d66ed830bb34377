// The scheduler tick: every ten seconds the main form asks which alarms are due.
// The store is the schedule; it is matched by text, minute by minute, and
// nothing is cached between ticks. Portable; no platform headers.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "alarms/AlarmStore.h"
#include "common/DateTime.h"
#include "common/FormatSettings.h"
#include "common/Store.h"

struct TickResult {
    // What to ring, in order: the one-shot alarm first, then the daily one.
    std::vector<AlarmData> ring;
    // True on the first tick only: the caller runs the reminder scan after
    // opening the ringing windows.
    bool scanReminders = false;
};

class AlarmScheduler {
public:
    using Clock = std::function<TDateTime()>;

    // `basePath` is prefixed to every key path (the registry root). Without
    // `settings` each tick formats with the locale in force at that moment.
    AlarmScheduler(Store& store, Clock now, std::wstring basePath,
                   const FormatSettings* settings = nullptr);

    // Reads at most three values and deletes at most one.
    TickResult Tick();

    // Tick, then open a window for each due alarm and run the reminder scan
    // when it is due, in that order.
    void Run(const std::function<void(const AlarmData&)>& ring,
             const std::function<void()>& scanReminders);

    // Set at start-up; the first tick clears it.
    bool ReminderScanPending = true;
    // Time texts of the daily alarm that rang in the current minute.
    std::vector<std::wstring> FiredDailyAlarms;

private:
    Store& store_;
    Clock now_;
    std::wstring base_;
    const FormatSettings* settings_;

    const FormatSettings& Settings() const;
    bool DailyFired(const std::wstring& timeText) const;
};
