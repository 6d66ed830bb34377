#include "alarms/AlarmSnooze.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/MemoryStore.h"
#include "common/StoreAccess.h"

namespace {

TEST(AlarmSnoozeIndex, Fallbacks) {
    const struct {
        const wchar_t* stored;
        int index;
    } cases[] = {
        {L"", 5}, {L"0", 0}, {L"10", 10}, {L"11", 5}, {L"99", 5}, {L"-1", -1}, {L"abc", 5}, {L" 3", 5},
    };
    for (const auto& c : cases) EXPECT_EQ(SnoozeIndexFromText(c.stored), c.index) << c.stored;
}

// A ringing window as the form drives it: a fake clock counting seconds since
// its last start, and a log of what the window did.
class FakeAlarmWindow : public AlarmRinger::View {
public:
    FakeAlarmWindow(Store& store, SnoozeShared& shared) : ringer(*this, store, RegistryRoot, shared) {}

    AlarmRinger ringer;
    long long clockNow = 0, clockStart = 0;
    bool visible = false, playing = false, timerMode = false, answerJustHide = true;
    int selected = -2, restores = 0, saves = 0, questions = 0;
    std::wstring headline = ExpiredHeadline;

    void Open() {
        visible = true;
        ringer.FormShow();
    }
    // Seconds pass; the clock reports each one.
    void Wait(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            ++clockNow;
            if (!closed) ringer.SecondChange();
        }
    }
    bool closed = false;

    void PlayWave() override { playing = true; }
    void StopWave() override { playing = false; }
    void StartClock(bool timer) override {
        timerMode = timer;
        clockStart = clockNow;
    }
    long long ClockElapsedSeconds() override { return clockNow - clockStart; }
    void SelectSnoozeItem(int index) override { selected = index; }
    void SetHeadline(const std::wstring& text) override { headline = text; }
    void ShowInFront() override {
        if (!visible) Open();  // a hidden window's show runs its show handler
    }
    void HideWindow() override { visible = false; }
    void CloseWindow() override {
        if (!ringer.CloseQuery()) return;
        ringer.FormClose();
        closed = true;
        visible = false;
    }
    bool AskJustHide() override { return ++questions, answerJustHide; }
    void RestorePlacement() override { ++restores; }
    void SavePlacement() override { ++saves; }
};

class AlarmSnoozeTest : public ::testing::Test {
protected:
    MemoryStore store;
    SnoozeShared shared;
    FakeAlarmWindow w{store, shared};

    void SetSnoozeIndex(const std::wstring& text) {
        store.WriteString(RegistryRoot + L"Preferences", SnoozeIndexValue, text);
    }
    using State = AlarmRinger::State;
};

TEST_F(AlarmSnoozeTest, ShowRingsWithTenMinutesByDefault) {
    w.Open();
    EXPECT_TRUE(w.playing);
    EXPECT_EQ(w.restores, 1);
    EXPECT_EQ(w.selected, 5);
    EXPECT_EQ(shared.SnoozeMinutes, 10);
    EXPECT_EQ(w.ringer.GetState(), State::Ringing);
}

TEST_F(AlarmSnoozeTest, OneMinuteSnoozeRingsAfterSixtyOneSeconds) {
    w.Open();
    w.ringer.SnoozeBoxChange(0);
    EXPECT_EQ(store.ReadString(RegistryRoot + L"Preferences", SnoozeIndexValue), L"0");
    w.Wait(5);
    w.ringer.Snooze(SnoozeChoices[0].text);
    EXPECT_EQ(w.headline, L"Snoozing for 1 minute.");
    EXPECT_FALSE(w.playing);
    EXPECT_TRUE(w.timerMode);
    EXPECT_TRUE(shared.Snoozing);
    EXPECT_EQ(w.ringer.GetState(), State::SnoozingVisible);

    w.Wait(60);
    EXPECT_FALSE(w.playing);
    w.Wait(1);
    EXPECT_TRUE(w.playing);
    EXPECT_EQ(w.headline, SnoozeOverHeadline);
    EXPECT_FALSE(w.timerMode);
    EXPECT_FALSE(shared.Snoozing);
    EXPECT_EQ(w.ringer.GetState(), State::Ringing);
}

TEST_F(AlarmSnoozeTest, SilencedWindowRingsAgainAfterTheLengthSinceShown) {
    SetSnoozeIndex(L"1");  // 2 minutes
    w.Open();
    w.Wait(30);
    w.ringer.Silence();
    EXPECT_FALSE(w.playing);
    EXPECT_EQ(w.headline, ExpiredHeadline);
    w.Wait(90);
    EXPECT_FALSE(w.playing);
    w.Wait(1);
    EXPECT_TRUE(w.playing);
    EXPECT_EQ(w.headline, SnoozeOverHeadline);
}

TEST_F(AlarmSnoozeTest, ClosingWhileSnoozingHidesAndTheRunOutShowsAgain) {
    SetSnoozeIndex(L"0");
    w.Open();
    w.ringer.Snooze(L"1 minute");
    w.CloseWindow();  // the close box
    EXPECT_FALSE(w.closed);
    EXPECT_FALSE(w.visible);
    EXPECT_EQ(w.ringer.GetState(), State::SnoozingHidden);
    EXPECT_EQ(w.saves, 0);

    SetSnoozeIndex(L"2");  // read again by the second show
    w.Wait(61);
    EXPECT_TRUE(w.visible);
    EXPECT_TRUE(w.playing);
    EXPECT_EQ(w.restores, 2);
    EXPECT_EQ(w.selected, 2);
    EXPECT_EQ(shared.SnoozeMinutes, 3);
    EXPECT_EQ(w.ringer.GetState(), State::Ringing);
}

TEST_F(AlarmSnoozeTest, CancelWhileSnoozing) {
    for (bool justHide : {true, false}) {
        SnoozeShared s;
        FakeAlarmWindow win{store, s};
        win.answerJustHide = justHide;
        win.Open();
        win.ringer.Snooze(L"10 minutes");
        win.ringer.Cancel();
        EXPECT_EQ(win.questions, 1);
        if (justHide) {
            EXPECT_EQ(win.ringer.GetState(), State::SnoozingHidden);
            EXPECT_TRUE(s.Snoozing);
        } else {
            EXPECT_EQ(win.ringer.GetState(), State::Closed);
            EXPECT_FALSE(s.Snoozing);
            EXPECT_EQ(win.saves, 1);
            win.Wait(700);
            EXPECT_FALSE(win.visible) << "a cancelled alarm does not come back";
        }
    }
}

TEST_F(AlarmSnoozeTest, CancelWhileRingingClosesWithoutAsking) {
    w.Open();
    w.ringer.Cancel();
    EXPECT_EQ(w.questions, 0);
    EXPECT_TRUE(w.closed);
    EXPECT_FALSE(w.playing);
    EXPECT_EQ(w.saves, 1);
    EXPECT_EQ(w.ringer.GetState(), State::Closed);
}

TEST_F(AlarmSnoozeTest, SnoozeAgainRestartsTheCountWithTheLengthThenSelected) {
    SetSnoozeIndex(L"1");  // 2 minutes
    w.Open();
    w.ringer.Snooze(L"2 minutes");
    w.Wait(100);
    w.ringer.SnoozeBoxChange(0);  // 1 minute
    w.ringer.Snooze(L"1 minute");
    w.Wait(60);
    EXPECT_FALSE(w.playing);
    w.Wait(1);
    EXPECT_TRUE(w.playing);
}

TEST_F(AlarmSnoozeTest, ALengthChangeAppliesToASnoozeUnderWay) {
    w.Open();
    w.ringer.Snooze(L"10 minutes");
    w.Wait(120);
    w.ringer.SnoozeBoxChange(0);
    w.Wait(1);
    EXPECT_TRUE(w.playing) << "past one minute already";
}

TEST_F(AlarmSnoozeTest, NoSelectionKeepsThePreviousLength) {
    shared.SnoozeMinutes = 3;
    SetSnoozeIndex(L"-1");
    w.Open();
    EXPECT_EQ(w.selected, -1);
    EXPECT_EQ(shared.SnoozeMinutes, 3);
    w.ringer.SnoozeBoxChange(-1);
    EXPECT_EQ(store.ReadString(RegistryRoot + L"Preferences", SnoozeIndexValue), L"-1");
    EXPECT_EQ(shared.SnoozeMinutes, 3);
}

TEST_F(AlarmSnoozeTest, AnotherWindowsSnoozeMakesThisCancelAskAndCloseHide) {
    FakeAlarmWindow other{store, shared};
    w.Open();
    other.Open();
    w.ringer.Snooze(L"10 minutes");
    other.ringer.Cancel();
    EXPECT_EQ(other.questions, 1);
    EXPECT_FALSE(other.visible);
    EXPECT_FALSE(other.closed);
}

}  // namespace
