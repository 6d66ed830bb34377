#include "calendar/CalendarMenu.h"

#include "EventTestFixture.h"

namespace {

TEST(CalendarMenuEntry, CutsLongDescriptionsAfter45Characters) {
    const std::wstring exact(45, L'x');
    EXPECT_EQ(EventMenuEntry(exact, L"9:00 AM"), exact + L"\t9:00 AM");
    EXPECT_EQ(EventMenuEntry(exact + L"yz", L"9:00 AM"), exact + L"...\t9:00 AM");
    EXPECT_EQ(EventMenuEntry(L"", L"9:00 AM"), L"\t9:00 AM");
}

using CalendarMenuEntries = EventStoreTest;

TEST_F(CalendarMenuEntries, AreTheDaysEventsByDescriptionIgnoringCase) {
    PutEvent(L"12/25/2024", L"9:00 AM", L"zoo");
    PutEvent(L"Wed", L"9:00 AM", L"Choir");
    PutEvent(L"25", L"8:00 AM", L"bills");
    PutEvent(L"12/25", L"7:00 AM", L"Apples");
    PutEvent(L"12/24", L"7:00 AM", L"Not today");
    EXPECT_EQ(EventMenuEntries(events, christmas),
              (std::vector<std::wstring>{L"Apples\t7:00 AM", L"bills\t8:00 AM",
                                         L"Choir\t9:00 AM", L"zoo\t9:00 AM"}));
}

TEST(CalendarMenuCompare, FoldsCaseOfLatinLetters) {
    EXPECT_EQ(CompareTextNoCase(L"\u00C4pfel", L"\u00E4pfel"), 0);
    EXPECT_LT(CompareTextNoCase(L"abc", L"ABD"), 0);
    EXPECT_GT(CompareTextNoCase(L"abc", L"AB"), 0);
}

struct PopupCase {
    const char* name;
    std::vector<std::wstring> entries;
    std::wstring holiday;
    bool showHolidays;
    std::vector<PopupItem> expected;
    friend void PrintTo(const PopupCase& c, std::ostream* os) { *os << c.name; }
};

class CalendarPopup : public ::testing::TestWithParam<PopupCase> {};

TEST_P(CalendarPopup, AppendsEventsHolidayAndCancel) {
    EXPECT_EQ(CalendarPopupItems(GetParam().entries, GetParam().holiday, GetParam().showHolidays),
              GetParam().expected);
}

const PopupItem separator{L"", L"-"};
const PopupItem cancel{L"mnu_Cancel10", L"Cancel Menu"};

INSTANTIATE_TEST_SUITE_P(
    Days, CalendarPopup,
    ::testing::Values(
        PopupCase{"Empty", {}, L"", true, {cancel}},
        PopupCase{"Events",
                  {L"a\t9:00 AM", L"b\t9:00 AM"},
                  L"",
                  true,
                  {{L"mnu_Event0", L"a\t9:00 AM"}, {L"mnu_Event1", L"b\t9:00 AM"}, separator, cancel}},
        PopupCase{"Holiday",
                  {L"a\t9:00 AM"},
                  L"Christmas",
                  true,
                  {{L"mnu_Event0", L"a\t9:00 AM"}, separator,
                   {L"mnu_Holiday1", L"Holiday - Christmas", true}, separator, cancel}},
        PopupCase{"HolidayHidden", {}, L"Christmas", false, {cancel}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalendarMenuChoice, NamesTheTimeAfterTheFirstTab) {
    EXPECT_EQ(TimeOfMenuCaption(L"Choir\t7:00 PM"), L"7:00 PM");
    EXPECT_EQ(TimeOfMenuCaption(L"a\tb\tc"), L"b\tc");
    EXPECT_EQ(TimeOfMenuCaption(L"Holiday - Christmas"), L"Holiday - Christmas");
}

}  // namespace
