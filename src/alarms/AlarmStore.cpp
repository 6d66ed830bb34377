#include "alarms/AlarmStore.h"

#include "common/DateFormat.h"

std::optional<AlarmData> SplitAlarmData(const std::wstring& data) {
    const auto bar = data.rfind(AlarmSeparator);
    if (bar == std::wstring::npos) return std::nullopt;
    return AlarmData{data.substr(0, bar), data.substr(bar + 1)};
}

std::wstring JoinAlarmData(const std::wstring& description, const std::wstring& wave) {
    return description + AlarmSeparator + wave;
}

std::wstring DayKey(TDateTime moment, const FormatSettings& settings) {
    return AlarmsKey + L"\\" + FormatDateTime(L"ddddd", moment, settings);
}

std::wstring TimeName(TDateTime moment, const FormatSettings& settings) {
    return FormatDateTime(L"t", moment, settings);
}

std::wstring WavePath(const std::wstring& programFolder, const std::wstring& wave) {
    return programFolder + L"\\" + wave;
}

