#include "alarms/AlarmList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarms/AlarmStore.h"
#include "common/DateFormat.h"
#include "common/Errors.h"
#include "common/MemoryStore.h"
#include "common/StoreAccess.h"

namespace {

class AlarmListTest : public ::testing::Test {
protected:
    MemoryStore store;
    FormatSettings us = UsEnglishSettings();

    void Put(const std::wstring& key, const std::wstring& name, const std::wstring& data) {
        store.WriteString(RegistryRoot + key, name, data);
    }
    std::wstring Get(const std::wstring& key, const std::wstring& name) {
        return store.ReadString(RegistryRoot + key, name);
    }
    std::vector<AlarmRow> Fill() { return FillAlarmList(store, RegistryRoot, us); }
    CreateResult Create(TDateTime moment, bool daily, std::wstring& description,
                        const std::wstring& wave = L"chime.wav") {
        return CreateAlarm(store, RegistryRoot, moment, daily, description, wave, us);
    }
};

TDateTime At(int y, int mo, int d, int h, int mi) { return EncodeDate(y, mo, d) + EncodeTime(h, mi, 0); }

TEST_F(AlarmListTest, FillListsEveryDayKeyAndTheDailyKey) {
    Put(L"Alarms\\3/9/2026", L"9:30 AM", L"Dentist|chime.wav");
    Put(L"Alarms\\3/9/2026", L"2:00 PM", L"no separator");
    Put(L"Alarms\\Daily", L"07:05 am", L"Wake|a|b.wav");
    Put(L"Alarms\\3/8/2026", L"not a time", L"Odd|");
    EXPECT_EQ(Fill(), (std::vector<AlarmRow>{
                          {L"not a time", L"3/8/2026", L"Odd", L""},
                          {L"2:00 PM", L"3/9/2026", L"", L""},
                          {L"9:30 AM", L"3/9/2026", L"Dentist", L"chime.wav"},
                          {L"7:05 AM", L"Daily", L"Wake|a", L"b.wav"},
                      }));
}

TEST_F(AlarmListTest, EmptyOrMissingStoreGivesAnEmptyList) {
    EXPECT_TRUE(Fill().empty());
    Put(L"Alarms\\3/9/2026", L"9:30 AM", L"x|y");
    store.DeleteValue(RegistryRoot + L"Alarms\\3/9/2026", L"9:30 AM");
    EXPECT_TRUE(Fill().empty());
}

TEST_F(AlarmListTest, CreateRefusesOnlyTheSameMinuteInTheSameKey) {
    const struct {
        TDateTime moment;
        bool daily;
        CreateResult result;
    } steps[] = {
        {At(2026, 3, 9, 7, 30), false, CreateResult::Created},
        {At(2026, 3, 9, 7, 30), false, CreateResult::Duplicate},
        {At(2026, 3, 10, 7, 30), false, CreateResult::Created},
        {At(2026, 3, 9, 7, 30), true, CreateResult::Created},
        {At(2026, 3, 11, 7, 30), true, CreateResult::Duplicate},
        {At(2026, 3, 9, 7, 31), false, CreateResult::Created},
    };
    for (const auto& s : steps) {
        std::wstring description = L"Keep";
        EXPECT_EQ(Create(s.moment, s.daily, description), s.result);
    }
    EXPECT_EQ(Fill().size(), 4u);
}

TEST_F(AlarmListTest, DuplicateLeavesTheStoredAlarmAlone) {
    std::wstring first = L"First";
    Create(At(2026, 3, 9, 7, 30), false, first);
    std::wstring second = L"";
    EXPECT_EQ(Create(At(2026, 3, 9, 7, 30), false, second, L"other.wav"), CreateResult::Duplicate);
    EXPECT_EQ(second, L"") << "nothing is filled in for a refused alarm";
    EXPECT_EQ(Get(L"Alarms\\3/9/2026", L"7:30 AM"), L"First|chime.wav");
}

TEST_F(AlarmListTest, EmptyDescriptionGetsTheDefaultText) {
    std::wstring oneShot, daily;
    Create(At(2026, 3, 9, 7, 30), false, oneShot);
    Create(At(2026, 3, 9, 18, 5), true, daily, L"");
    EXPECT_EQ(oneShot, L"Alarm set for 3/9/2026 7:30 AM");
    EXPECT_EQ(daily, L"Daily Alarm set for 6:05 PM");
    EXPECT_EQ(Get(L"Alarms\\3/9/2026", L"7:30 AM"), L"Alarm set for 3/9/2026 7:30 AM|chime.wav");
    EXPECT_EQ(Get(L"Alarms\\Daily", L"6:05 PM"), L"Daily Alarm set for 6:05 PM|");

    // The text stays in the box and is reused by the next Create.
    Create(At(2026, 3, 10, 8, 0), false, oneShot);
    EXPECT_EQ(Get(L"Alarms\\3/10/2026", L"8:00 AM"), L"Alarm set for 3/9/2026 7:30 AM|chime.wav");
}

TEST_F(AlarmListTest, QuickPicks) {
    const struct {
        TDateTime now;
        int item;
        const wchar_t* date;
        const wchar_t* time;
    } cases[] = {
        {At(2026, 3, 9, 9, 0), 0, L"3/9/2026", L"9:05 AM"},
        {At(2026, 3, 9, 9, 0), 5, L"3/9/2026", L"9:45 AM"},
        {At(2026, 3, 9, 11, 30), 6, L"3/9/2026", L"12:30 PM"},
        {At(2026, 3, 9, 23, 10), 7, L"3/10/2026", L"1:10 AM"},
        {At(2026, 12, 31, 23, 55), 1, L"1/1/2027", L"12:05 AM"},
    };
    for (const auto& c : cases) {
        const TDateTime moment = QuickPickMoment(c.now, c.item);
        EXPECT_EQ(FormatDateTime(L"ddddd", moment, us), c.date) << QuickPickItems[c.item];
        EXPECT_EQ(FormatDateTime(L"t", moment, us), c.time) << QuickPickItems[c.item];
    }
}

TEST_F(AlarmListTest, SaveRewritesTheRowsIncludingFiredOnes) {
    Put(L"Alarms\\3/9/2026", L"9:30 AM", L"Fired|a.wav");
    Put(L"Alarms\\3/9/2026", L"10:00 AM", L"Delete me|a.wav");
    Put(L"Alarms\\3/10/2026", L"8:00 AM", L"Tomorrow|");
    Put(L"Alarms\\Daily", L"7:00 AM", L"Wake|b.wav");
    Put(L"Alarms\\3/1/2026", L"1:00 AM", L"Old|");
    std::vector<AlarmRow> rows = Fill();
    // The tick fires two while the window is open; the list keeps them.
    store.DeleteValue(RegistryRoot + L"Alarms\\3/9/2026", L"9:30 AM");
    store.DeleteValue(RegistryRoot + L"Alarms\\3/1/2026", L"1:00 AM");

    std::erase_if(rows, [](const AlarmRow& r) { return r.description == L"Delete me"; });
    SaveAlarmList(store, RegistryRoot, rows, us, 2026);

    EXPECT_EQ(Fill(), rows);
    EXPECT_EQ(Get(L"Alarms\\3/9/2026", L"9:30 AM"), L"Fired|a.wav");
    EXPECT_EQ(Get(L"Alarms\\3/9/2026", L"10:00 AM"), L"");
}

TEST_F(AlarmListTest, SaveRemovesEmptyDayKeysAndAnEmptyStore) {
    Put(L"Alarms\\3/9/2026", L"9:30 AM", L"A|a.wav");
    store.DeleteValue(RegistryRoot + L"Alarms\\3/9/2026", L"9:30 AM");  // fired: empty day key
    Put(L"Alarms\\3/10/2026", L"9:30 AM", L"B|a.wav");
    SaveAlarmList(store, RegistryRoot, Fill(), us, 2026);
    EXPECT_FALSE(store.KeyExists(RegistryRoot + L"Alarms\\3/9/2026"));
    EXPECT_EQ(Get(L"Alarms\\3/10/2026", L"9:30 AM"), L"B|a.wav");

    SaveAlarmList(store, RegistryRoot, {}, us, 2026);
    EXPECT_FALSE(store.KeyExists(RegistryRoot + L"Alarms"));
}

TEST_F(AlarmListTest, SaveKeepsRowsWhoseNamesDoNotConvert) {
    Put(L"Alarms\\someday", L"9:30 AM", L"A|a.wav");
    Put(L"Alarms\\3/9/2026", L"noon", L"B|b.wav");
    Put(L"Alarms\\3/9/2026", L"9:30 am", L"C|c.wav");  // case differs from "t"
    const std::vector<AlarmRow> rows = Fill();
    SaveAlarmList(store, RegistryRoot, rows, us, 2026);
    EXPECT_EQ(Fill(), rows);
}

// A store whose writes fail after a number of them, as a registry key that
// cannot be created would.
class FailingStore : public MemoryStore {
public:
    int writesLeft = 1000;
    void WriteString(const std::wstring& k, const std::wstring& n, const std::wstring& v) override {
        if (writesLeft-- <= 0) throw ERegistryError(L"Failed to set data for '" + n + L"'");
        MemoryStore::WriteString(k, n, v);
    }
};

TEST_F(AlarmListTest, AFailedRewriteLosesNoAlarm) {
    FailingStore failing;
    for (int day = 1; day <= 5; ++day)
        failing.WriteString(RegistryRoot + L"Alarms\\3/" + std::to_wstring(day) + L"/2026",
                            L"9:30 AM", L"Day " + std::to_wstring(day) + L"|a.wav");
    std::vector<AlarmRow> rows = FillAlarmList(failing, RegistryRoot, us);
    std::vector<AlarmRow> before = rows;
    rows.erase(rows.begin());
    failing.writesLeft = 2;
    EXPECT_THROW(SaveAlarmList(failing, RegistryRoot, rows, us, 2026), ERegistryError);
    EXPECT_EQ(FillAlarmList(failing, RegistryRoot, us), before);
}

TEST(AlarmZoneName, DaylightNameOnlyWhileDaylightTimeIsInForce) {
    const std::wstring pst = L"Pacific Standard Time", pdt = L"Pacific Daylight Time";
    EXPECT_EQ(ZoneName(ZoneTime::Standard, pst, pdt), pst);
    EXPECT_EQ(ZoneName(ZoneTime::Daylight, pst, pdt), pdt);
    // A zone without daylight rules (the system reports neither) keeps its standard name.
    EXPECT_EQ(ZoneName(ZoneTime::NoDaylightRules, L"Greenwich Standard Time",
                       L"Greenwich Daylight Time"),
              L"Greenwich Standard Time");
    EXPECT_EQ(ZoneName(ZoneTime::Daylight, L"Coordinated Universal Time", L""),
              L"Coordinated Universal Time");
}

}  // namespace
