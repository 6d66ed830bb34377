#include "alarms/AlarmTick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/CountingStore.h"
#include "common/MemoryStore.h"
#include "common/StoreAccess.h"

namespace {

// Day keys and time names in US English: "12/31/2026", "11:59 PM".
struct Stored {
    std::wstring key;  // below the registry root
    std::wstring name;
    std::wstring data;
};

struct Tick {
    TDateTime at;
    std::vector<std::wstring> rings;  // descriptions, in ring order
};

struct TickCase {
    const char* name;
    std::vector<Stored> stored;
    std::vector<Tick> ticks;
    std::vector<Stored> gone = {};  // values deleted by the ticks
    std::vector<Stored> kept = {};  // values still there afterwards
};

TDateTime At(int y, int mo, int d, int h, int mi, int s) {
    return EncodeDate(y, mo, d) + EncodeTime(h, mi, s);
}
TDateTime Today(int h, int mi, int s) { return At(2026, 3, 9, h, mi, s); }
TDateTime Tomorrow(int h, int mi, int s) { return At(2026, 3, 10, h, mi, s); }

const std::wstring kToday = L"Alarms\\3/9/2026";
const std::wstring kDaily = L"Alarms\\Daily";

const TickCase kCases[] = {
    {"one-shot rings on the first tick of its minute only",
     {{kToday, L"9:30 AM", L"Dentist|chime.wav"}},
     {{Today(9, 29, 55), {}}, {Today(9, 30, 5), {L"Dentist"}}, {Today(9, 30, 15), {}},
      {Today(9, 30, 55), {}}},
     {{kToday, L"9:30 AM", L""}}},
    {"missed minute rescued by the next",
     {{kToday, L"9:30 AM", L"Dentist|chime.wav"}},
     {{Today(9, 31, 20), {L"Dentist"}}}},
    {"the next minute's own alarm wins; the missed one rings on the tick after",
     {{kToday, L"9:30 AM", L"Early|a.wav"}, {kToday, L"9:31 AM", L"Late|b.wav"}},
     {{Today(9, 31, 20), {L"Late"}}, {Today(9, 31, 30), {L"Early"}}}},
    {"missed by two minutes: never rings, stays in the store",
     {{kToday, L"9:30 AM", L"Early|a.wav"}},
     {{Today(9, 32, 0), {}}},
     {},
     {{kToday, L"9:30 AM", L"Early|a.wav"}}},
    {"23:59 on 31 December rings at 00:00 of 1 January",
     {{L"Alarms\\12/31/2026", L"11:59 PM", L"Year end|a.wav"}},
     {{At(2027, 1, 1, 0, 0, 5), {L"Year end"}}}},
    {"daily rings once in its minute and again the next day",
     {{kDaily, L"9:30 AM", L"Standup|a.wav"}},
     {{Today(9, 30, 5), {L"Standup"}}, {Today(9, 30, 15), {}}, {Today(9, 30, 55), {}},
      {Today(9, 31, 5), {}}, {Tomorrow(9, 30, 5), {L"Standup"}}},
     {},
     {{kDaily, L"9:30 AM", L"Standup|a.wav"}}},
    {"daily rings again the next day after a sleep inside its minute",
     {{kDaily, L"9:30 AM", L"Standup|a.wav"}},
     {{Today(9, 30, 5), {L"Standup"}}, {Today(10, 0, 0), {}}, {Tomorrow(9, 30, 40), {L"Standup"}}}},
    {"daily alarms of neighbouring minutes both ring",
     {{kDaily, L"9:30 AM", L"One|a.wav"}, {kDaily, L"9:31 AM", L"Two|a.wav"}},
     {{Today(9, 30, 50), {L"One"}}, {Today(9, 31, 0), {L"Two"}}, {Today(9, 31, 10), {}}}},
    {"one-shot and daily of the same minute: one-shot first",
     {{kDaily, L"9:30 AM", L"Daily|a.wav"}, {kToday, L"9:30 AM", L"Once|b.wav"}},
     {{Today(9, 30, 5), {L"Once", L"Daily"}}}},
    {"data without a separator is consumed without a window",
     {{kToday, L"9:30 AM", L"no separator"}, {kDaily, L"9:30 AM", L"none either"}},
     {{Today(9, 30, 5), {}}, {Today(9, 30, 15), {}}},
     {{kToday, L"9:30 AM", L""}},
     {{kDaily, L"9:30 AM", L"none either"}}},
};

class AlarmTickTest : public ::testing::TestWithParam<TickCase> {
protected:
    MemoryStore store;
    TDateTime now = 0;
    FormatSettings us = UsEnglishSettings();
    AlarmScheduler scheduler{store, [this] { return now; }, RegistryRoot, &us};
};

TEST_P(AlarmTickTest, RingsWhatIsDue) {
    const TickCase& c = GetParam();
    for (const Stored& s : c.stored) store.WriteString(RegistryRoot + s.key, s.name, s.data);
    for (const Tick& t : c.ticks) {
        now = t.at;
        std::vector<std::wstring> rang;
        for (const AlarmData& a : scheduler.Tick().ring) rang.push_back(a.description);
        EXPECT_EQ(rang, t.rings) << "tick at " << t.at;
    }
    for (const Stored& s : c.gone) {
        EXPECT_EQ(store.ReadString(RegistryRoot + s.key, s.name), L"");
        EXPECT_TRUE(store.KeyExists(RegistryRoot + s.key)) << "the day key stays";
    }
    for (const Stored& s : c.kept) EXPECT_EQ(store.ReadString(RegistryRoot + s.key, s.name), s.data);
}

INSTANTIATE_TEST_SUITE_P(Cases, AlarmTickTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

class AlarmTickFixture : public ::testing::Test {
protected:
    MemoryStore memory;
    CountingStore store{memory};
    TDateTime now = Today(9, 30, 5);
    FormatSettings us = UsEnglishSettings();
    AlarmScheduler scheduler{store, [this] { return now; }, RegistryRoot, &us};

    void Put(const std::wstring& key, const std::wstring& name, const std::wstring& data) {
        memory.WriteString(RegistryRoot + key, name, data);
    }
};

TEST_F(AlarmTickFixture, SplitsAtTheLastSeparator) {
    Put(kToday, L"9:30 AM", L"Call A|B|chime.wav");
    const auto ring = scheduler.Tick().ring;
    ASSERT_EQ(ring.size(), 1u);
    EXPECT_EQ(ring[0].description, L"Call A|B");
    EXPECT_EQ(ring[0].wave, L"chime.wav");
}

TEST_F(AlarmTickFixture, EmptyWaveNameStillRings) {
    Put(kToday, L"9:30 AM", L"Quiet|");
    const auto ring = scheduler.Tick().ring;
    ASSERT_EQ(ring.size(), 1u);
    EXPECT_EQ(ring[0].wave, L"");
}

TEST_F(AlarmTickFixture, ReminderScanOnTheFirstTickOnlyAfterTheRings) {
    Put(kToday, L"9:30 AM", L"Dentist|a.wav");
    std::vector<std::wstring> order;
    auto ring = [&](const AlarmData& a) { order.push_back(a.description); };
    auto scan = [&] { order.push_back(L"scan"); };
    scheduler.Run(ring, scan);
    now += 10 * OneSecond;
    scheduler.Run(ring, scan);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"Dentist", L"scan"}));
    EXPECT_FALSE(scheduler.ReminderScanPending);
}

TEST_F(AlarmTickFixture, FiredDailyListHoldsOnlyTheCurrentMinute) {
    Put(kDaily, L"9:30 AM", L"Standup|a.wav");
    scheduler.FiredDailyAlarms = {L"9:30 am", L"8:00 AM"};  // case differs: same minute
    EXPECT_TRUE(scheduler.Tick().ring.empty());
    EXPECT_EQ(scheduler.FiredDailyAlarms, (std::vector<std::wstring>{L"9:30 am"}));
}

TEST_F(AlarmTickFixture, AtMostThreeReadsAndOneDelete) {
    struct Case {
        const char* name;
        std::vector<Stored> stored;
        int reads, deletes;
    } cases[] = {
        {"empty store", {}, 3, 0},
        {"this minute's one-shot", {{kToday, L"9:30 AM", L"A|a"}}, 2, 1},
        {"previous minute's one-shot", {{kToday, L"9:29 AM", L"A|a"}}, 3, 1},
        {"both and a daily", {{kToday, L"9:29 AM", L"A|a"}, {kToday, L"9:30 AM", L"B|b"},
                              {kDaily, L"9:30 AM", L"C|c"}}, 2, 1},
    };
    for (const Case& c : cases) {
        MemoryStore fresh;
        CountingStore counted{fresh};
        AlarmScheduler s{counted, [this] { return now; }, RegistryRoot, &us};
        for (const Stored& v : c.stored) fresh.WriteString(RegistryRoot + v.key, v.name, v.data);
        s.Tick();
        EXPECT_EQ(counted.reads, c.reads) << c.name;
        EXPECT_EQ(counted.deletes, c.deletes) << c.name;
        EXPECT_EQ(counted.writes + counted.Other(), 0) << c.name;
    }
}

TEST_F(AlarmTickFixture, NeverAddsToTheStore) {
    scheduler.Tick();
    EXPECT_FALSE(memory.KeyExists(RegistryRoot + AlarmsKey));
}

}  // namespace
