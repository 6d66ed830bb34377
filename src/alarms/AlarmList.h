// The Alarm Manager's work on the alarm store: listing, rewriting after a
// delete, creating, and the quick picks. Portable; no platform headers.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "common/DateTime.h"
#include "common/FormatSettings.h"
#include "common/Store.h"

// One row of the alarm list. `date` is the day key's name under "Alarms", or
// "Daily". A value whose data holds no "|" shows only time and date.
struct AlarmRow {
    std::wstring time;
    std::wstring date;
    std::wstring description;
    std::wstring sound;
    bool operator==(const AlarmRow&) const = default;
};

// The rows of the store, in the store's order of day keys and values. A value
// name that does not read as a time is shown as it is.
std::vector<AlarmRow> FillAlarmList(Store& store, const std::wstring& basePath,
                                    const FormatSettings& settings);

// Makes the store hold exactly the given rows. Every row is converted before
// anything is written, and the new values are written before the old ones are
// removed, so a failure leaves no alarm lost. A row whose date or time does not
// convert is written back under the texts it shows. Two-digit years in day
// keys are placed around `currentYear`.
void SaveAlarmList(Store& store, const std::wstring& basePath,
                   const std::vector<AlarmRow>& rows, const FormatSettings& settings,
                   int currentYear);

inline const std::wstring DuplicateAlarmMessage =
    L"You already have an alarm set for the selected date and time.";

enum class CreateResult { Created, Duplicate };

// Creates the alarm at `moment` (date + time of day). An empty `description`
// is filled in with the default text, which the caller keeps in its box.
CreateResult CreateAlarm(Store& store, const std::wstring& basePath, TDateTime moment,
                         bool daily, std::wstring& description, const std::wstring& wave,
                         const FormatSettings& settings);

inline constexpr std::array<const wchar_t*, 8> QuickPickItems = {
    L"In 5 minutes", L"In 10 minutes", L"In 15 minutes", L"In 20 minutes",
    L"In 30 minutes", L"In 45 minutes", L"In 1 hour", L"In 2 hours"};
inline constexpr std::array<int, 8> QuickPickMinutes = {5, 10, 15, 20, 30, 45, 60, 120};

// now + the item's offset; the caller puts it into the time and date boxes.
TDateTime QuickPickMoment(TDateTime now, int itemIndex);

// What the system reports to be in force in the current time zone.
enum class ZoneTime { Standard, Daylight, NoDaylightRules };

// The name of the current time zone: the daylight-time name while daylight
// time is in force, else the standard-time name. A zone without daylight
// rules is on standard time all year.
std::wstring ZoneName(ZoneTime inForce, const std::wstring& standardName,
                      const std::wstring& daylightName);
