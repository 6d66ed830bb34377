#include "calendar/EventEditor.h"

#include <algorithm>

#include "common/StoreAccess.h"

SaveEventResult SaveNewEvent(const EventStore& events, const EventFields& fields,
                             const Confirm& confirmReplace) {
    if (fields.description.empty()) return SaveEventResult::NeedsDescription;
    Store& store = events.store();
    const std::wstring key = events.Format(EventTypePatterns.at(fields.type), fields.when);
    const std::wstring name = events.TimeName(fields.when);

    if (!store.ReadString(DayKeyPath(key, L"Events"), name).empty()) {
        if (!confirmReplace(MsgReplaceEvent)) return SaveEventResult::Declined;
        // The writes below leave an unset reminder or icon alone, so the old
        // event's ones would otherwise stick to the new event.
        store.DeleteValue(DayKeyPath(key, L"Icons"), name);
        for (int r = 0; r < static_cast<int>(ReminderNames.size()); ++r)
            store.DeleteValue(DayKeyPath(key, ReminderSubkey(r)), name);
    }

    store.WriteString(DayKeyPath(key, L"Events"), name, fields.description);
    store.WriteString(DayKeyPath(key, L"Locations"), name, fields.location);
    for (int r = 0; r < static_cast<int>(ReminderNames.size()); ++r)
        if (fields.reminders[r]) store.WriteString(DayKeyPath(key, ReminderSubkey(r)), name, L"Yes");
    if (fields.icon != 0) {
        const std::wstring iconText = std::to_wstring(fields.icon);
        store.WriteString(DayKeyPath(key, L"Icons"), name, iconText);
        store.WriteString(DayKeyPath(key), L"CalIndex", iconText);
    }
    store.Flush(RegistryRoot + L"Events");
    return SaveEventResult::Saved;
}

EventRow EditedRow(const EventStore& events, const EventFields& fields) {
    EventRow row;
    row.time = events.TimeName(fields.when);
    row.description = fields.description;
    row.location = fields.location;
    row.dayKey = events.Format(EventTypePatterns.at(fields.type), fields.when);
    for (size_t r = 0; r < row.reminders.size(); ++r)
        row.reminders[r] = fields.reminders[r] ? L"Yes" : L"";
    row.type = EventTypePatterns.at(fields.type);
    row.date = events.Format(L"ddddd", fields.when);
    row.imageIndex = fields.icon;
    return row;
}

EditorPreset PresetFromRow(const EventRow& row) {
    EditorPreset preset;
    preset.dateText = row.date;
    preset.timeText = row.time;
    preset.description = row.description;
    preset.location = row.location;
    preset.type = std::max(EventTypeIndex(row.type), 0);
    for (size_t r = 0; r < row.reminders.size(); ++r) preset.reminders[r] = row.reminders[r] == L"Yes";
    if (row.imageIndex != -1) preset.paletteCell = PaletteCellOf(row.imageIndex);
    return preset;
}
