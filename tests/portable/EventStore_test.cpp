#include "calendar/EventStore.h"

#include <algorithm>

#include "EventTestFixture.h"

namespace {

struct DayKeysCase {
    const char* locale;
    FormatSettings settings;
    DayKeys expected;
    friend void PrintTo(const DayKeysCase& c, std::ostream* os) { *os << c.locale; }
};

class DayKeysInLocale : public ::testing::TestWithParam<DayKeysCase> {};

TEST_P(DayKeysInLocale, FourKeysOfWednesday25December2024) {
    MemoryStore memory;
    const FormatSettings settings = GetParam().settings;
    EventStore events(memory, settings);
    EXPECT_EQ(events.DayKeysOf(EncodeDate(2024, 12, 25)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, DayKeysInLocale,
    ::testing::Values(
        DayKeysCase{"US", UsEnglishSettings(), {L"12/25/2024", L"Wed", L"25", L"12/25"}},
        DayKeysCase{"British", BritishEnglishSettings(), {L"25/12/2024", L"Wed", L"25", L"12/25"}},
        DayKeysCase{"German", GermanSettings(), {L"25.12.2024", L"Mi", L"25", L"12.25"}}),
    [](const auto& info) { return std::string(info.param.locale); });

TEST(EventStorePaths, DayKeysAndSubkeysLieBelowEvents) {
    EXPECT_EQ(DayKeyPath(L"12/25"), L"\\Software\\Quillmark\\Dayloom\\Events\\12/25");
    EXPECT_EQ(DayKeyPath(L"Wed", ReminderSubkey(2)),
              L"\\Software\\Quillmark\\Dayloom\\Events\\Wed\\Reminders\\2 Weeks Before");
}

using EventsOfDate = EventStoreTest;

TEST_F(EventsOfDate, ComeInKeyOrderWithNothingMerged) {
    PutEvent(L"12/25", L"9:00 AM", L"Yearly");
    PutEvent(L"25", L"9:00 AM", L"Monthly");
    PutEvent(L"Wed", L"9:00 AM", L"Weekly");
    PutEvent(L"12/25/2024", L"8:00 AM", L"Early");
    PutEvent(L"12/25/2024", L"9:00 AM", L"Once");
    PutEvent(L"12/26/2024", L"9:00 AM", L"Other day");

    std::vector<std::wstring> seen;
    for (const EventRow& row : events.EventsOf(christmas))
        seen.push_back(row.description + L"@" + row.dayKey + L"/" + row.type);
    EXPECT_EQ(seen, (std::vector<std::wstring>{
                        L"Early@12/25/2024/ddddd", L"Once@12/25/2024/ddddd", L"Weekly@Wed/ddd",
                        L"Monthly@25/d", L"Yearly@12/25/m/d"}));
}

TEST_F(EventsOfDate, RowCarriesEveryColumnOfItsEvent) {
    PutEvent(L"Wed", L"2:30 PM", L"Choir\r\nbring music");
    Put(L"Wed", L"Locations", L"2:30 PM", L"Hall");
    Put(L"Wed", L"Icons", L"2:30 PM", L"7");
    Put(L"Wed", L"Reminders\\Week Before", L"2:30 PM", L"Yes");
    Put(L"Wed", L"Reminders\\Month Before", L"2:30 PM", L"yes");
    Put(L"Wed", L"Locations", L"3:00 PM", L"Without partner");

    const std::vector<EventRow> rows = events.EventsOf(christmas);
    ASSERT_EQ(rows.size(), 1u);
    EventRow expected{L"2:30 PM", L"Choir\r\nbring music", L"Hall", L"Wed",
                      {L"", L"Yes", L"", L"yes"}, L"ddd", L"12/25/2024", 7};
    EXPECT_EQ(rows[0], expected);
}

TEST_F(EventsOfDate, DamagedIconNumberShowsNoIcon) {
    PutEvent(L"25", L"9:00 AM", L"Rent");
    Put(L"25", L"Icons", L"9:00 AM", L"seven");
    ASSERT_EQ(events.EventsOf(christmas).size(), 1u);
    EXPECT_EQ(events.EventsOf(christmas)[0].imageIndex, 0);
}

// The look-ups stop at the first key that holds the value; each case stores
// the value in some keys and names the key whose value must win.
struct LookUpCase {
    const char* name;
    std::vector<std::wstring> keysWithValue;  // value = the key's position + 1
    std::wstring colour, gridIcon, paletteIcon;
    friend void PrintTo(const LookUpCase& c, std::ostream* os) { *os << c.name; }
};

class DayLookUps : public EventStoreTest, public ::testing::WithParamInterface<LookUpCase> {};

TEST_P(DayLookUps, FollowTheirKeyOrders) {
    const DayKeys keys = events.DayKeysOf(christmas);
    for (const std::wstring& key : GetParam().keysWithValue) {
        const auto type = std::find(keys.begin(), keys.end(), key) - keys.begin();
        Put(key, L"", L"CalColor", std::to_wstring(type + 1));
        Put(key, L"", L"CalIndex", std::to_wstring(type + 1));
    }
    EXPECT_EQ(events.DayColorText(keys).text, GetParam().colour);
    EXPECT_EQ(events.GridIconText(keys).text, GetParam().gridIcon);
    EXPECT_EQ(events.PaletteIconText(keys).text, GetParam().paletteIcon);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DayLookUps,
    ::testing::Values(LookUpCase{"All", {L"12/25/2024", L"Wed", L"25", L"12/25"}, L"1", L"1", L"1"},
                      LookUpCase{"WeeklyFirst", {L"Wed", L"25", L"12/25"}, L"2", L"3", L"2"},
                      LookUpCase{"WeeklyOnly", {L"Wed"}, L"2", L"", L"2"},
                      LookUpCase{"Yearly", {L"12/25"}, L"4", L"4", L"4"},
                      LookUpCase{"None", {}, L"", L"", L""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventStoreTest, LookUpsCountTheirReads) {
    const DayKeys keys = events.DayKeysOf(christmas);
    EXPECT_EQ(events.DayColorText(keys).reads, 4);
    EXPECT_EQ(events.GridIconText(keys).reads, 3);
    Put(L"12/25/2024", L"", L"CalColor", L"0");
    EXPECT_EQ(events.DayColorText(keys).reads, 1);
    EXPECT_EQ(events.DayColor(christmas), 0);
}

TEST(PaletteCells, IconNumberIsRowTimesElevenPlusColumn) {
    EXPECT_EQ(PaletteCellOf(std::nullopt), (PaletteCell{0, 0}));
    EXPECT_EQ(PaletteCellOf(-1), (PaletteCell{0, 0}));
    EXPECT_EQ(PaletteCellOf(10), (PaletteCell{10, 0}));
    EXPECT_EQ(PaletteCellOf(23), (PaletteCell{1, 2}));
}

}  // namespace
