// The Alarm Manager and the ringing window against the real registry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "toolkit/LocalTime.h"
#include "RegistryFixture.h"
#include "ToolkitFixture.h"
#include "alarms/AlarmSnooze.h"
#include "alarms/AlarmStore.h"
#include "alarms/Unt_alarm.h"
#include "alarms/Unt_alarms.h"
#include "app/Commands.h"
#include "common/DateFormat.h"
#include "common/Unt_common.h"
#include "toolkit/AnalogClock.h"
#include "toolkit/DropCalendar.h"

namespace {

const FormatSettings& Fs() { return CurrentFormatSettings(); }

std::wstring Stored(const std::wstring& key, const std::wstring& name) {
    return RegReadString(RegistryRoot, key, name);
}

class AlarmManagerTest : public RegistryRootTest {
protected:
    void SetUp() override {
        RegistryRootTest::SetUp();
        form = new Tfrm_Alarms(nullptr);
        frm_Alarms = form;
        form->Show();
    }
    void TearDown() override {
        if (frm_Alarms) frm_Alarms->Free();
        RegistryRootTest::TearDown();
    }
    void Enter(const std::wstring& description, TDateTime moment, bool daily = false) {
        form->txt_AlarmDescription.SetText(description);
        form->oph_Date.SetDate(moment);
        form->oph_Time.SetTime(moment);
        form->CheckBox1.SetChecked(daily);
        form->btn_AlarmCreateClick();
    }
    tk::test::ScopedDialogHooks hooks;
    Tfrm_Alarms* form = nullptr;
    const TDateTime tomorrow930 = DateOf(tk::LocalNow()) + 1 + EncodeTime(9, 30, 0);
};

TEST_F(AlarmManagerTest, ShowsTheZoneTheClockAndTheFirstWaveFile) {
    EXPECT_FALSE(form->lbl_Zone.Text().empty());
    EXPECT_FALSE(form->Panel1.Text().empty());
    EXPECT_EQ(form->FileCombo1.FileName(), L"Chime.wav");
    EXPECT_EQ(form->oph_Date.Text(), FormatDateTime(L"ddddd", tk::LocalNow(), Fs()));
}

TEST_F(AlarmManagerTest, CreateWritesTheAlarmAndRefusesADuplicate) {
    hooks.AnswerMessageBoxes(IDOK);
    Enter(L"Dentist", tomorrow930);
    const std::wstring key = DayKey(tomorrow930, Fs()), name = TimeName(tomorrow930, Fs());
    EXPECT_EQ(Stored(key, name), L"Dentist|Chime.wav");
    ASSERT_EQ(form->lsv_Alarm.Count(), 1);
    EXPECT_EQ(form->lsv_Alarm.Caption(0), name);
    EXPECT_EQ(form->lsv_Alarm.SubItem(0, 1), L"Dentist");

    Enter(L"Again", tomorrow930);
    EXPECT_TRUE(tk::DialogLog::Contains(DuplicateAlarmMessage));
    EXPECT_EQ(Stored(key, name), L"Dentist|Chime.wav");
    EXPECT_EQ(form->lsv_Alarm.Count(), 1);

    Enter(L"", tomorrow930, true);  // daily at the same minute: accepted
    EXPECT_EQ(form->txt_AlarmDescription.Text(), L"Daily Alarm set for " + name);
    EXPECT_EQ(Stored(DailyAlarmsKey, name), L"Daily Alarm set for " + name + L"|Chime.wav");
    EXPECT_EQ(form->lsv_Alarm.Count(), 2);
}

TEST_F(AlarmManagerTest, ABadDateIsReportedAndNothingIsWritten) {
    form->oph_Date.SetText(L"2/30");
    form->btn_AlarmCreate.Click();
    EXPECT_TRUE(tk::DialogLog::Contains(L"'2/30' is not a valid date"));
    EXPECT_TRUE(UserStore().SubkeyNames(RegistryRoot + L"Alarms").empty());
}

TEST_F(AlarmManagerTest, QuickPickCreatesTheAlarmAtOnce) {
    form->txt_AlarmDescription.SetText(L"Tea");
    const TDateTime before = tk::LocalNow() + 10 * OneMinute;
    form->cmb_QuickPick.SetItemIndex(1);  // "In 10 minutes"
    form->cmb_QuickPickChange();
    const TDateTime after = tk::LocalNow() + 10 * OneMinute;
    const bool found = Stored(DayKey(before, Fs()), TimeName(before, Fs())) == L"Tea|Chime.wav" ||
                       Stored(DayKey(after, Fs()), TimeName(after, Fs())) == L"Tea|Chime.wav";
    EXPECT_TRUE(found);
    EXPECT_EQ(form->lsv_Alarm.Count(), 1);
}

TEST_F(AlarmManagerTest, DeleteRewritesTheRestIncludingAFiredAlarm) {
    const TDateTime day = DateOf(tk::LocalNow()) + 2;
    Enter(L"Keep", day + EncodeTime(8, 0, 0));
    Enter(L"Fired", day + EncodeTime(9, 0, 0));
    Enter(L"Delete me", day + EncodeTime(10, 0, 0));
    // The tick takes "Fired" while the window shows it.
    UserStore().DeleteValue(RegistryRoot + DayKey(day, Fs()), TimeName(day + EncodeTime(9, 0, 0), Fs()));

    int row = -1;
    for (int i = 0; i < form->lsv_Alarm.Count(); ++i)
        if (form->lsv_Alarm.SubItem(i, 1) == L"Delete me") row = i;
    ASSERT_GE(row, 0);
    form->lsv_Alarm.SetSelected(row);
    form->btn_AlarmDeleteClick();

    const std::wstring key = DayKey(day, Fs());
    EXPECT_EQ(Stored(key, TimeName(day + EncodeTime(8, 0, 0), Fs())), L"Keep|Chime.wav");
    EXPECT_EQ(Stored(key, TimeName(day + EncodeTime(9, 0, 0), Fs())), L"Fired|Chime.wav");
    EXPECT_EQ(Stored(key, TimeName(day + EncodeTime(10, 0, 0), Fs())), L"");
    EXPECT_EQ(form->lsv_Alarm.Count(), 2);
}

TEST_F(AlarmManagerTest, PlayTurnsToStopEvenForAMissingFile) {
    form->FileCombo1.SetDirectory(ProgramFolder() + L"\\no such folder");
    EXPECT_EQ(form->FileCombo1.FileName(), L"");
    form->btn_PlayClick();
    EXPECT_EQ(form->btn_Play.Text(), L"Stop");
    form->btn_PlayClick();
    EXPECT_EQ(form->btn_Play.Text(), L"Play");
}

TEST_F(AlarmManagerTest, ClosingSavesThePlacementWithItsSize) {
    form->Close();
    tk::test::Pump(50);
    EXPECT_EQ(frm_Alarms, nullptr);
    EXPECT_EQ(RegReadString(RegistryRoot, L"Alarm Window", L"Max"), L"No");
    EXPECT_FALSE(RegReadString(RegistryRoot, L"Alarm Window", L"Width").empty());
}

TEST_F(AlarmManagerTest, CalendarAndTaskButtonsRunTheMainFormsCommands) {
    struct Commands : AppCommands {
        std::wstring log;
        void OpenEvents() override { log += L"E"; }
        void OpenAlarms() override { log += L"A"; }
        void OpenTasks() override { log += L"T"; }
        void ShowAbout() override { log += L"?"; }
    } commands;
    TheAppCommands = &commands;
    form->btn_Calendar.Click();
    form->btn_Task.Click();
    OpenAlarmManagerPrefilled(L"Call Bob", L"4:15 PM", L"3/9/2031");
    TheAppCommands = nullptr;
    EXPECT_EQ(commands.log, L"ETA");
    EXPECT_EQ(form->txt_AlarmDescription.Text(), L"Call Bob");
    EXPECT_EQ(form->oph_Time.Text(), L"4:15 PM");
    EXPECT_EQ(form->oph_Date.Text(), L"3/9/2031");
}

TEST_F(AlarmManagerTest, DateBoxTakesTodayFromSlashAndAPickedDay) {
    form->oph_Date.SetText(L"");
    SendMessageW(form->oph_Date.Handle(), WM_CHAR, L'/', 0);
    EXPECT_EQ(form->oph_Date.Text(), FormatDateTime(L"ddddd", tk::LocalNow(), Fs()));
    auto old = tk::DropCalendar::SetPickHook([](TDateTime initial) { return initial + 3; });
    form->oph_Date.DropDown();
    tk::DropCalendar::SetPickHook(std::move(old));
    EXPECT_EQ(form->oph_Date.Text(), FormatDateTime(L"ddddd", DateOf(tk::LocalNow()) + 3, Fs()));
    form->oph_Time.SetText(L"7:30");
    EXPECT_EQ(form->oph_Time.Time(), EncodeTime(19, 30, 0));
}

TEST(WaveFiles, ListsWaveFilesByNameWithoutFolders) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "dayloom-waves";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "folder.wav");
    for (const char* name : {"b.wav", "A.WAV", "c.wave", "notes.txt"}) std::ofstream(dir / name) << "x";
    EXPECT_EQ(tk::WaveFilesIn(dir.wstring()), (std::vector<std::wstring>{L"A.WAV", L"b.wav"}));
    std::filesystem::remove_all(dir);
}

// The ringing window with its clock moved on by hand.
class AlarmWindowTest : public RegistryRootTest {
protected:
    void SetUp() override {
        RegistryRootTest::SetUp();
        ProgramSnooze() = {};
        tk::AnalogClock::SetMillisecondSource([this] { return ms; });
        window = OpenAlarmWindow(nullptr, {L"Take the cake out", L"Chime.wav"});
    }
    void TearDown() override {
        ProgramSnooze() = {};
        if (frm_Alarm) frm_Alarm->Free();
        tk::AnalogClock::SetMillisecondSource(nullptr);
        RegistryRootTest::TearDown();
    }
    void Wait(int seconds) {
        ms += 1000ull * seconds;
        if (frm_Alarm) frm_Alarm->OvcClock1SecondChange();
    }
    tk::test::ScopedDialogHooks hooks;
    unsigned long long ms = 1'000'000;
    Tfrm_Alarm* window = nullptr;
};

TEST_F(AlarmWindowTest, ShowsTheAlarmAndSnoozesTenMinutesByDefault) {
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    EXPECT_EQ(window->Label2.Text(), L"Take the cake out");
    EXPECT_FALSE(window->Label3.Visible());
    EXPECT_EQ(window->ComboBox1.Text(), L"10 minutes");
    window->btn_Snooze.Click();
    EXPECT_EQ(window->Label1.Text(), L"Snoozing for 10 minutes.");
    EXPECT_EQ(window->OvcClock1.Mode(), tk::ClockMode::Timer);
    Wait(600);
    EXPECT_EQ(window->State(), AlarmRinger::State::SnoozingVisible);
    Wait(1);
    EXPECT_EQ(window->Label1.Text(), SnoozeOverHeadline);
    EXPECT_EQ(window->State(), AlarmRinger::State::Ringing);
}

TEST_F(AlarmWindowTest, OneMinuteChoiceIsStoredAndRingsAfterSixtyOneSeconds) {
    window->ComboBox1.SetItemIndex(0);
    window->ComboBox1.OnChange();
    EXPECT_EQ(RegReadString(RegistryRoot, L"Preferences", SnoozeIndexValue), L"0");
    window->btn_Snooze.Click();
    EXPECT_EQ(window->Label1.Text(), L"Snoozing for 1 minute.");
    Wait(60);
    EXPECT_FALSE(window->Label1.Text() == SnoozeOverHeadline);
    Wait(1);
    EXPECT_EQ(window->Label1.Text(), SnoozeOverHeadline);
}

TEST_F(AlarmWindowTest, CloseBoxWhileSnoozingHidesAndTheSnoozeBringsItBack) {
    SetPreference(SnoozeIndexValue, L"0");
    window->Close();  // ringing, not snoozing: it closes
    tk::test::Pump(50);
    EXPECT_EQ(frm_Alarm, nullptr);
    EXPECT_FALSE(RegReadString(RegistryRoot, L"Alarm Form", L"Left").empty());
    EXPECT_TRUE(RegReadString(RegistryRoot, L"Alarm Form", L"Width").empty());

    window = OpenAlarmWindow(nullptr, {L"Again", L""});
    window->btn_Snooze.Click();
    SendMessageW(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    tk::test::Pump(50);
    ASSERT_EQ(frm_Alarm, window);
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
    EXPECT_EQ(window->State(), AlarmRinger::State::SnoozingHidden);
    Wait(61);
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    EXPECT_EQ(window->State(), AlarmRinger::State::Ringing);
}

TEST_F(AlarmWindowTest, CancelWhileSnoozingAnsweredNoCloses) {
    hooks.OnMessageBox([](const tk::MessageBoxRequest& r) {
        EXPECT_EQ(r.text, SnoozingQuestion);
        EXPECT_EQ(r.flags, static_cast<UINT>(MB_ICONQUESTION | MB_YESNO));
        return IDNO;
    });
    window->btn_Snooze.Click();
    window->btn_Close.Click();
    tk::test::Pump(50);
    EXPECT_EQ(frm_Alarm, nullptr);
    EXPECT_FALSE(ProgramSnooze().Snoozing);
}

}  // namespace
