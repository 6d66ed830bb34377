#include "calendar/EventEditor.h"

#include "EventTestFixture.h"

namespace {

class NewEvent : public EventStoreTest {
protected:
    EventFields Fields(int type) {
        EventFields f;
        f.when = christmas + EncodeTime(14, 30, 0);
        f.description = L"Carols";
        f.type = type;
        return f;
    }
    SaveEventResult Save(const EventFields& f, bool answer = true) {
        return SaveNewEvent(events, f, [&](const std::wstring& q) {
            questions.push_back(q);
            return answer;
        });
    }
    std::vector<std::wstring> questions;
};

TEST_F(NewEvent, WritesEveryValueUnderItsDayKey) {
    EventFields f = Fields(TypeYearly);
    f.location = L"Church";
    f.reminders = {true, false, false, true};
    f.icon = 12;
    ASSERT_EQ(Save(f), SaveEventResult::Saved);

    EXPECT_EQ(Get(L"12/25", L"Events", L"2:30 PM"), L"Carols");
    EXPECT_EQ(Get(L"12/25", L"Locations", L"2:30 PM"), L"Church");
    EXPECT_EQ(Get(L"12/25", L"Reminders\\Day Before", L"2:30 PM"), L"Yes");
    EXPECT_EQ(Get(L"12/25", L"Reminders\\Week Before", L"2:30 PM"), L"");
    EXPECT_EQ(Get(L"12/25", L"Reminders\\Month Before", L"2:30 PM"), L"Yes");
    EXPECT_EQ(Get(L"12/25", L"Icons", L"2:30 PM"), L"12");
    EXPECT_EQ(Get(L"12/25", L"", L"CalIndex"), L"12");
    EXPECT_TRUE(questions.empty());
}

TEST_F(NewEvent, WithoutIconWritesNoIconValues) {
    ASSERT_EQ(Save(Fields(TypeDayOnly)), SaveEventResult::Saved);
    EXPECT_EQ(Get(L"12/25/2024", L"Events", L"2:30 PM"), L"Carols");
    EXPECT_FALSE(memory.KeyExists(DayKeyPath(L"12/25/2024", L"Icons")));
    EXPECT_EQ(Get(L"12/25/2024", L"", L"CalIndex"), L"");
}

TEST_F(NewEvent, NeedsADescriptionButBlanksAreOne) {
    EventFields f = Fields(TypeDayOnly);
    f.description = L"";
    EXPECT_EQ(Save(f), SaveEventResult::NeedsDescription);
    EXPECT_FALSE(memory.KeyExists(DayKeyPath(L"12/25/2024")));
    f.description = L"  ";
    EXPECT_EQ(Save(f), SaveEventResult::Saved);
}

TEST_F(NewEvent, DeclinedReplaceKeepsTheStoredEvent) {
    PutEvent(L"Wed", L"2:30 PM", L"Choir");
    EXPECT_EQ(Save(Fields(TypeWeekly), false), SaveEventResult::Declined);
    EXPECT_EQ(questions, std::vector<std::wstring>{MsgReplaceEvent});
    EXPECT_EQ(Get(L"Wed", L"Events", L"2:30 PM"), L"Choir");
}

TEST_F(NewEvent, ConfirmedReplaceLeavesNothingOfTheOldEvent) {
    PutEvent(L"Wed", L"2:30 PM", L"Choir");
    Put(L"Wed", L"Locations", L"2:30 PM", L"Hall");
    Put(L"Wed", L"Icons", L"2:30 PM", L"5");
    for (int r = 0; r < 4; ++r) Put(L"Wed", ReminderSubkey(r), L"2:30 PM", L"Yes");
    PutEvent(L"Wed", L"6:00 PM", L"Other");
    Put(L"Wed", L"Icons", L"6:00 PM", L"3");

    EventFields f = Fields(TypeWeekly);
    f.reminders = {false, true, false, false};
    ASSERT_EQ(Save(f), SaveEventResult::Saved);

    const std::vector<EventRow> rows = events.EventsOf(christmas);
    ASSERT_EQ(rows.size(), 2u);
    const EventRow& replaced = rows[0].time == L"2:30 PM" ? rows[0] : rows[1];
    EXPECT_EQ(replaced.description, L"Carols");
    EXPECT_EQ(replaced.location, L"");
    EXPECT_EQ(replaced.imageIndex, 0);
    EXPECT_EQ(replaced.reminders, (std::array<std::wstring, 4>{L"", L"Yes", L"", L""}));
    EXPECT_EQ(Get(L"Wed", L"Icons", L"6:00 PM"), L"3");
}

TEST_F(NewEvent, EditedRowDescribesTheFields) {
    EventFields f = Fields(TypeMonthly);
    f.location = L"Home";
    f.reminders = {false, false, true, false};
    f.icon = 4;
    EventRow expected{L"2:30 PM", L"Carols", L"Home", L"25", {L"", L"", L"Yes", L""},
                      L"d", L"12/25/2024", 4};
    EXPECT_EQ(EditedRow(events, f), expected);
}

TEST(EditorPresets, ComeFromTheRow) {
    EventRow row{L"2:30 PM", L"Carols", L"Home", L"25", {L"Yes", L"", L"", L"yes"},
                 L"d", L"12/25/2024", 23};
    const EditorPreset preset = PresetFromRow(row);
    EXPECT_EQ(preset.dateText, L"12/25/2024");
    EXPECT_EQ(preset.timeText, L"2:30 PM");
    EXPECT_EQ(preset.type, TypeMonthly);
    EXPECT_EQ(preset.reminders, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(preset.paletteCell, (PaletteCell{1, 2}));
    EXPECT_EQ(IconOfPaletteCell(*preset.paletteCell), 23);
    row.imageIndex = -1;
    EXPECT_FALSE(PresetFromRow(row).paletteCell);
}

}  // namespace
