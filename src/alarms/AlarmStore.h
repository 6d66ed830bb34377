// Layout of the alarm store: one key per day of one-shot alarms plus one key of
// daily alarms, one string value per alarm named by its minute.
// Portable; no platform headers.
#pragma once
#include <optional>
#include <string>

#include "common/DateTime.h"
#include "common/FormatSettings.h"

// Key paths relative to the registry root.
inline const std::wstring AlarmsKey = L"Alarms";
inline const std::wstring DailyKeyName = L"Daily";
inline const std::wstring DailyAlarmsKey = L"Alarms\\Daily";

inline constexpr wchar_t AlarmSeparator = L'|';

struct AlarmData {
    std::wstring description;
    std::wstring wave;  // bare file name in the program folder; may be empty
};

// Splits value data into description and wave-file name at the last "|": a
// file name cannot hold "|", so a description that does is kept whole. Data
// without "|" is no alarm.
std::optional<AlarmData> SplitAlarmData(const std::wstring& data);
std::wstring JoinAlarmData(const std::wstring& description, const std::wstring& wave);

// "Alarms\" + the short-date text of the day: the key of its one-shot alarms.
std::wstring DayKey(TDateTime moment, const FormatSettings& settings);
// The short-time text that names an alarm's value.
std::wstring TimeName(TDateTime moment, const FormatSettings& settings);

// Full path of a wave file beside the executable.
std::wstring WavePath(const std::wstring& programFolder, const std::wstring& wave);
