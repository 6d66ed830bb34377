#include "alarms/AlarmTick.h"

#include <algorithm>
#include <optional>

namespace {

bool SameTextNoCase(const std::wstring& a, const std::wstring& b) {
    return CompareStoreNames(a, b) == 0;
}

}  // namespace

AlarmScheduler::AlarmScheduler(Store& store, Clock now, std::wstring basePath,
                               const FormatSettings* settings)
    : store_(store), now_(std::move(now)), base_(std::move(basePath)), settings_(settings) {}

const FormatSettings& AlarmScheduler::Settings() const {
    return settings_ ? *settings_ : CurrentFormatSettings();
}

bool AlarmScheduler::DailyFired(const std::wstring& timeText) const {
    return std::any_of(FiredDailyAlarms.begin(), FiredDailyAlarms.end(),
                       [&](const std::wstring& t) { return SameTextNoCase(t, timeText); });
}

TickResult AlarmScheduler::Tick() {
    const FormatSettings& fs = Settings();
    TickResult result;
    std::optional<std::wstring> oneShot;

    // This minute's one-shot alarm, else the previous minute's, so that a
    // minute without a tick (busy, asleep) is rescued by the next one.
    const TDateTime now = now_();
    std::wstring key = base_ + DayKey(now, fs);
    std::wstring name = TimeName(now, fs);
    std::wstring data = store_.ReadString(key, name);
    if (data.empty()) {
        const TDateTime prev = now - OneMinute;
        key = base_ + DayKey(prev, fs);
        name = TimeName(prev, fs);
        data = store_.ReadString(key, name);
    }
    if (!data.empty()) {
        // A failed delete is not reported: the alarm rings again next tick.
        store_.DeleteValue(key, name);
        oneShot = data;
    }

    // Daily alarms stay in the store; the fired list keeps one from ringing on
    // every tick of its minute.
    const TDateTime now2 = now_();
    const std::wstring dailyName = TimeName(now2, fs);
    std::optional<std::wstring> daily;
    const std::wstring dailyData = store_.ReadString(base_ + DailyAlarmsKey, dailyName);
    if (!dailyData.empty() && !DailyFired(dailyName)) {
        FiredDailyAlarms.push_back(dailyName);
        daily = dailyData;
    }
    std::erase_if(FiredDailyAlarms,
                  [&](const std::wstring& t) { return !SameTextNoCase(t, dailyName); });

    // Data without a separator is consumed without a window.
    for (const auto* kept : {&oneShot, &daily}) {
        if (!*kept) continue;
        if (auto alarm = SplitAlarmData(**kept)) result.ring.push_back(std::move(*alarm));
    }

    if (ReminderScanPending) {
        ReminderScanPending = false;
        result.scanReminders = true;
    }
    return result;
}

void AlarmScheduler::Run(const std::function<void(const AlarmData&)>& ring,
                         const std::function<void()>& scanReminders) {
    const TickResult result = Tick();
    for (const AlarmData& alarm : result.ring)
        if (ring) ring(alarm);
    if (result.scanReminders && scanReminders) scanReminders();
}
