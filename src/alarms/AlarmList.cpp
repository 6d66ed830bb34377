#include "alarms/AlarmList.h"

#include <set>
#include <utility>

#include "alarms/AlarmStore.h"
#include "common/DateFormat.h"
#include "common/Errors.h"

namespace {

std::wstring ShowTime(const std::wstring& name, const FormatSettings& fs) {
    try {
        return FormatDateTime(L"t", StrToTime(name, fs), fs);
    } catch (const EConvertError&) {
        return name;
    }
}

// Names compare as the registry compares them, without regard to case.
struct NameLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const {
        return CompareStoreNames(a, b) < 0;
    }
    bool operator()(const std::pair<std::wstring, std::wstring>& a,
                    const std::pair<std::wstring, std::wstring>& b) const {
        const int key = CompareStoreNames(a.first, b.first);
        return key != 0 ? key < 0 : CompareStoreNames(a.second, b.second) < 0;
    }
};

struct Target {
    std::wstring key;  // relative to the base path
    std::wstring name;
    std::wstring data;
};

Target TargetOf(const AlarmRow& row, const FormatSettings& fs, int currentYear) {
    const std::wstring data = JoinAlarmData(row.description, row.sound);
    try {
        if (CompareStoreNames(row.date, DailyKeyName) == 0) {
            const TDateTime moment = StrToTime(row.time, fs);
            return {DailyAlarmsKey, TimeName(moment, fs), data};
        }
        const TDateTime moment = StrToDate(row.date, fs, currentYear) + StrToTime(row.time, fs);
        return {DayKey(moment, fs), TimeName(moment, fs), data};
    } catch (const EConvertError&) {
        return {AlarmsKey + L"\\" + row.date, row.time, data};
    }
}

}  // namespace

std::vector<AlarmRow> FillAlarmList(Store& store, const std::wstring& basePath,
                                    const FormatSettings& settings) {
    std::vector<AlarmRow> rows;
    const std::wstring alarms = basePath + AlarmsKey;
    for (const std::wstring& day : store.SubkeyNames(alarms)) {
        const std::wstring key = alarms + L"\\" + day;
        for (const std::wstring& name : store.ValueNames(key)) {
            AlarmRow row{ShowTime(name, settings), day, {}, {}};
            if (auto alarm = SplitAlarmData(store.ReadString(key, name))) {
                row.description = std::move(alarm->description);
                row.sound = std::move(alarm->wave);
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

void SaveAlarmList(Store& store, const std::wstring& basePath,
                   const std::vector<AlarmRow>& rows, const FormatSettings& settings,
                   int currentYear) {
    std::vector<Target> targets;
    for (const AlarmRow& row : rows) targets.push_back(TargetOf(row, settings, currentYear));

    for (const Target& t : targets) store.WriteString(basePath + t.key, t.name, t.data);

    // Then remove whatever the rows do not hold.
    std::set<std::wstring, NameLess> keptKeys;
    std::set<std::pair<std::wstring, std::wstring>, NameLess> keptValues;
    for (const Target& t : targets) {
        keptKeys.insert(t.key);
        keptValues.insert({t.key, t.name});
    }
    const std::wstring alarms = basePath + AlarmsKey;
    for (const std::wstring& day : store.SubkeyNames(alarms)) {
        const std::wstring rel = AlarmsKey + L"\\" + day;
        const std::wstring key = basePath + rel;
        if (!keptKeys.count(rel)) {
            store.DeleteKey(key);
            continue;
        }
        for (const std::wstring& name : store.ValueNames(key))
            if (!keptValues.count({rel, name})) store.DeleteValue(key, name);
        for (const std::wstring& sub : store.SubkeyNames(key)) store.DeleteKey(key + L"\\" + sub);
    }
    if (targets.empty()) {
        store.DeleteKey(alarms);
        return;
    }
    for (const std::wstring& name : store.ValueNames(alarms)) store.DeleteValue(alarms, name);
    store.Flush(alarms);
}

CreateResult CreateAlarm(Store& store, const std::wstring& basePath, TDateTime moment,
                         bool daily, std::wstring& description, const std::wstring& wave,
                         const FormatSettings& settings) {
    const std::wstring key = basePath + (daily ? DailyAlarmsKey : DayKey(moment, settings));
    const std::wstring name = TimeName(moment, settings);
    // One alarm per minute and key: a second daily alarm at a minute is refused too.
    if (!store.ReadString(key, name).empty()) return CreateResult::Duplicate;
    if (description.empty())
        description = daily ? L"Daily Alarm set for " + FormatDateTime(L"t", moment, settings)
                            : L"Alarm set for " + FormatDateTime(L"ddddd t", moment, settings);
    store.WriteString(key, name, JoinAlarmData(description, wave));
    return CreateResult::Created;
}

TDateTime QuickPickMoment(TDateTime now, int itemIndex) {
    return now + QuickPickMinutes.at(itemIndex) * OneMinute;
}

std::wstring ZoneName(ZoneTime inForce, const std::wstring& standardName,
                      const std::wstring& daylightName) {
    if (inForce == ZoneTime::Daylight && !daylightName.empty()) return daylightName;
    return standardName;
}
