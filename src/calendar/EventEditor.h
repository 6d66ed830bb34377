// The event editor's logic: saving a new event straight into the store, and
// turning the editor's fields into a day-list row and back. Portable.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "calendar/EventStore.h"

inline const std::wstring MsgEnterDescription =
    L"You must enter a description before saving this new event.";
inline const std::wstring MsgReplaceEvent =
    L"You already have an event for this date and time. Do you want to replace it?";

// The editor's fields.
struct EventFields {
    TDateTime when = 0;  // date plus time of day
    std::wstring description;
    std::wstring location;
    int type = TypeDayOnly;            // "Frequency" item
    std::array<bool, 4> reminders{};   // ReminderNames order
    int icon = 0;                      // palette number, 0 for none
};

enum class SaveEventResult {
    Saved,             // close the dialog
    NeedsDescription,  // show MsgEnterDescription; the dialog stays open
    Declined,          // the user kept the existing event; the dialog stays open
};

// Writes a new event (or a copy) under its day key. An event already stored
// at that day key and time name is replaced only when `confirmReplace` says
// Yes; its icon and reminder values go with it, so that the new event alone
// decides them.
SaveEventResult SaveNewEvent(const EventStore& events, const EventFields& fields,
                             const Confirm& confirmReplace);

// The row that replaces an edited or moved event in the day list.
EventRow EditedRow(const EventStore& events, const EventFields& fields);

// The editor's start values for a row: date and time as the texts the entry
// fields read, the frequency item, the reminder boxes, and the palette cell
// (nothing when the row's image index is -1, which leaves the palette alone).
struct EditorPreset {
    std::wstring dateText, timeText, description, location;
    int type = TypeDayOnly;
    std::array<bool, 4> reminders{};
    std::optional<PaletteCell> paletteCell;
};
EditorPreset PresetFromRow(const EventRow& row);

// The icon number of a palette cell.
inline int IconOfPaletteCell(PaletteCell cell) { return cell.row * PaletteColumns + cell.column; }
