// The application shell as a user meets it: the real Dayloom.exe started,
// messaged and ended from outside, and the main form driven in-process where
// a menu or the tray has to be reached.
#include <gtest/gtest.h>

#include "DayloomProcess.h"
#include "RegistryFixture.h"
#include "ToolkitFixture.h"
#include "about/Unt_about.h"
#include "alarms/Unt_alarms.h"
#include "app/Unt_main.h"
#include "calendar/Unt_events.h"
#include "common/DateFormat.h"
#include "prefs/Unt_dayloomprefs.h"
#include "tasks/Unt_task.h"
#include "toolkit/LocalTime.h"
#include "toolkit/Locale.h"
#include "toolkit/Timer.h"

using dltest::DayloomProcess;
using dltest::TopLevelWindows;
using dltest::WaitUntil;

namespace {

constexpr DWORD kWait = 10000;

bool WindowAppears(const DayloomProcess& p, const wchar_t* caption) {
    return p.WaitForWindow(L"", caption, kWait) != nullptr;
}

void PostChar(HWND hwnd, wchar_t ch) { PostMessageW(hwnd, WM_CHAR, ch, 0); }

}  // namespace

class ProgramTest : public RegistryRootTest {};

TEST_F(ProgramTest, StartsHiddenWithOnlyTheCalendarAndAnswersCharacters) {
    DayloomProcess dayloom;
    dayloom.Start();
    HWND main = dayloom.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    ASSERT_TRUE(WindowAppears(dayloom, L"Events Calendar"));
    EXPECT_EQ(dayloom.FindWindowOf(L"", L"Alarm Manager"), nullptr);

    PostChar(main, L'c');  // lower case is ignored
    PostChar(main, L'L');
    ASSERT_TRUE(WindowAppears(dayloom, L"Alarm Manager"));
    EXPECT_EQ(dayloom.FindWindowOf(L"", L"Task Lists"), nullptr);
    PostChar(main, L'T');
    EXPECT_TRUE(WindowAppears(dayloom, L"Task Lists"));
}

TEST_F(ProgramTest, ASecondCopyExitsAndTheFirstOpensItsCalendar) {
    SetPreference(L"Open Calendar", L"No");
    DayloomProcess first;
    first.Start();
    ASSERT_NE(first.MainWindow(), nullptr);
    EXPECT_EQ(first.FindWindowOf(L"", L"Events Calendar"), nullptr);

    DayloomProcess second;
    second.Start();
    DWORD exitCode = 99;
    ASSERT_TRUE(second.WaitForExit(kWait, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(WindowAppears(first, L"Events Calendar"));
    EXPECT_EQ(TopLevelWindows(L"TClass_Dayloom", L"Class_Dayloom").size(), 1u);
}

TEST_F(ProgramTest, TwoCopiesStartedAtOnceLeaveOneRunning) {
    SetPreference(L"Open Calendar", L"No");
    DayloomProcess a, b;
    a.Start();
    b.Start();
    DWORD code = 99;
    ASSERT_TRUE(WaitUntil([&] { return !a.Running() || !b.Running(); }, kWait));
    DayloomProcess& ended = a.Running() ? b : a;
    DayloomProcess& survivor = a.Running() ? a : b;
    ASSERT_TRUE(ended.WaitForExit(0, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_NE(survivor.MainWindow(), nullptr);
    Sleep(500);
    EXPECT_TRUE(survivor.Running());
    EXPECT_EQ(TopLevelWindows(L"TClass_Dayloom", L"Class_Dayloom").size(), 1u);
}

TEST_F(ProgramTest, InDesignSkipsTheSingleInstanceTest) {
    SetPreference(L"Open Calendar", L"No");
    DayloomProcess first, second;
    first.Start();
    ASSERT_NE(first.MainWindow(), nullptr);
    second.Start(L"\\InDesign");
    ASSERT_NE(second.MainWindow(), nullptr);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(second.Running());
    EXPECT_EQ(TopLevelWindows(L"TClass_Dayloom", L"Class_Dayloom").size(), 2u);
}

TEST_F(ProgramTest, ExitFromTheTrayMenuEndsTheProgram) {
    DayloomProcess dayloom;
    dayloom.Start();
    HWND main = dayloom.MainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WindowAppears(dayloom, L"Events Calendar"));

    // Right click on the icon pops the tray menu; "Exit" is its last item.
    PostMessageW(main, TrayCallbackMessage, TrayIconId, WM_RBUTTONUP);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); }, kWait));
    PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    DWORD code = 99;
    ASSERT_TRUE(dayloom.WaitForExit(kWait, &code));
    EXPECT_EQ(code, 0u);
    // The calendar was open at Exit: its close handler did not run.
    EXPECT_EQ(RegReadString(RegistryRoot, L"Events Window", L"Max"), L"");
}

namespace {
BOOL CALLBACK FindChildText(HWND child, LPARAM lp) {
    auto& wanted = *reinterpret_cast<std::pair<std::wstring, bool>*>(lp);
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    if (wanted.first == text) wanted.second = true;
    return !wanted.second;
}
bool HasChildWithText(HWND window, const std::wstring& text) {
    std::pair<std::wstring, bool> wanted{text, false};
    EnumChildWindows(window, FindChildText, reinterpret_cast<LPARAM>(&wanted));
    return wanted.second;
}
}  // namespace

TEST_F(ProgramTest, AOneShotAlarmOfThisMinuteRingsOnTheFirstTickAndLeavesTheStore) {
    SetPreference(L"Open Calendar", L"No");
    // The program formats with the user's locale; so does the test.
    const FormatSettings settings = tk::ReadUserFormatSettings();
    const TDateTime now = tk::LocalNow();
    const std::wstring dayKey = L"Alarms\\" + FormatDateTime(L"ddddd", now, settings);
    const std::wstring timeName = FormatDateTime(L"t", now, settings);
    RegWriteString(RegistryRoot, dayKey, timeName, L"Water the plants | today|Chime.wav");

    DayloomProcess dayloom;
    dayloom.Start();
    // The first tick comes ten seconds after start; a minute that turns
    // meanwhile is caught by the tick's look at the previous minute.
    HWND alarm = dayloom.WaitForWindow(L"", L"Alarm", 20000);
    ASSERT_NE(alarm, nullptr);
    // The window exists a moment before its labels are filled and it shows.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(alarm) && HasChildWithText(alarm, L"Water the plants | today"); },
                          kWait));
    EXPECT_EQ(RegReadString(RegistryRoot, dayKey, timeName), L"");
    EXPECT_TRUE(UserStore().KeyExists(RegistryRoot + dayKey));  // the day key stays
}

// ---- the main form in this process ----

class MainFormTest : public RegistryRootTest {
protected:
    void SetUp() override {
        RegistryRootTest::SetUp();
        SetPreference(L"Open Calendar", L"No");
    }
    void TearDown() override {
        if (Class_Dayloom) Class_Dayloom->Free();
        tk::test::Pump(50);
        RegistryRootTest::TearDown();
    }
    TClass_Dayloom& CreateMainForm() {
        new TClass_Dayloom(StartupSwitches{});
        return *Class_Dayloom;
    }
    void DoubleClickTrayIcon() {
        SendMessageW(Class_Dayloom->Handle(), TrayCallbackMessage, TrayIconId, WM_LBUTTONDBLCLK);
    }
    tk::test::ScopedDialogHooks hooks;
};

TEST_F(MainFormTest, TrayDoubleClickOpensTheChosenWindow) {
    TClass_Dayloom& main = CreateMainForm();
    EXPECT_TRUE(main.ReminderScanPending());
    EXPECT_EQ(frm_Events, nullptr);

    SetPreference(L"Tray Double Click", L"2");
    DoubleClickTrayIcon();
    ASSERT_NE(frm_Task, nullptr);
    EXPECT_EQ(frm_Alarms, nullptr);

    SetPreference(L"Tray Double Click", L"5");
    DoubleClickTrayIcon();
    EXPECT_EQ(frm_Alarms, nullptr);
    EXPECT_EQ(frm_Events, nullptr);
    EXPECT_TRUE(tk::DialogLog::Messages().empty());

    SetPreference(L"Tray Double Click", L"x");
    DoubleClickTrayIcon();
    EXPECT_TRUE(tk::DialogLog::Contains(L"'x' is not a valid integer value"));
    EXPECT_EQ(frm_Events, nullptr);
    ASSERT_NE(Class_Dayloom, nullptr);  // still running
}

TEST_F(MainFormTest, OpeningAMaximisedWindowBringsItBackNormal) {
    TClass_Dayloom& main = CreateMainForm();
    main.mnu_EventsClick();
    ASSERT_NE(frm_Events, nullptr);
    tk::Form* calendar = frm_Events;
    calendar->SetWindowState(tk::WindowState::Maximized);
    main.PopupMenu1.Find(L"mnu_Events")->Click();
    EXPECT_EQ(frm_Events, calendar);  // the same window, not a second one
    EXPECT_EQ(calendar->GetWindowState(), tk::WindowState::Normal);
    // Minimised from maximised, it still comes back in its normal state.
    calendar->SetWindowState(tk::WindowState::Maximized);
    calendar->SetWindowState(tk::WindowState::Minimized);
    main.mnu_EventsClick();
    EXPECT_EQ(calendar->GetWindowState(), tk::WindowState::Normal);

    calendar->Close();
    tk::test::Pump(50);
    EXPECT_EQ(frm_Events, nullptr);
    EXPECT_EQ(RegReadString(RegistryRoot, L"Events Window", L"Max"), L"No");
}

TEST_F(MainFormTest, EveryPreferencesClickOpensAnotherDialog) {
    TClass_Dayloom& main = CreateMainForm();
    main.PopupMenu1.Find(L"mnu_Prefs")->Click();
    main.PopupMenu1.Find(L"mnu_Prefs")->Click();
    int dialogs = 0;
    for (tk::Form* f : tk::Form::All()) dialogs += f->Caption() == L"Dayloom Preferences";
    EXPECT_EQ(dialogs, 2);
}

TEST_F(MainFormTest, ExitDestroysOwnedWindowsWithoutTheirCloseHandlers) {
    TClass_Dayloom& main = CreateMainForm();
    main.mnu_TaskClick();
    ASSERT_NE(frm_Task, nullptr);
    HWND hwnd = main.Handle();
    bool hadIcon = main.TrayIconAdded();

    // "Exit" chosen while the program's message loop runs, as a user would.
    tk::Timer exitSoon;
    exitSoon.OnTimer = [&] {
        exitSoon.SetEnabled(false);
        main.PopupMenu1.Find(L"mnu_Exit")->Click();
    };
    exitSoon.Create({.interval = 50});
    tk::Application::Run(main);
    EXPECT_EQ(Class_Dayloom, nullptr);
    EXPECT_EQ(frm_Task, nullptr);
    EXPECT_EQ(RegReadString(RegistryRoot, L"Task Window", L"Max"), L"");
    if (hadIcon) {
        NOTIFYICONDATAW data{};
        data.cbSize = NOTIFYICONDATAW_V1_SIZE;
        data.hWnd = hwnd;
        data.uID = TrayIconId;
        EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &data));  // already gone
    }
}

// ---- the program Preferences dialog ----

class PreferencesTest : public RegistryRootTest {
protected:
    tk::FormPtr<Tfrm_DayloomPrefs> ShowDialog() {
        auto dialog = tk::MakeForm<Tfrm_DayloomPrefs>(nullptr);
        dialog->Show();
        return dialog;
    }
    tk::test::ScopedDialogHooks hooks;
};

TEST_F(PreferencesTest, DefaultsShowAndCloseStoresThem) {
    auto dialog = ShowDialog();
    EXPECT_EQ(dialog->ComboBox1.ItemIndex(), 0);
    EXPECT_TRUE(dialog->ListView1.Checked(0));
    EXPECT_FALSE(dialog->ListView1.Checked(1));
    EXPECT_FALSE(dialog->ListView1.Checked(2));
    dialog->btn_Close.Click();
    EXPECT_EQ(Preference(L"Open Calendar"), L"Yes");
    EXPECT_EQ(Preference(L"Open Alarm Manager"), L"No");
    EXPECT_EQ(Preference(L"Open Task Lists"), L"No");
}

TEST_F(PreferencesTest, StoredChoicesShowAndTheTrayChoiceIsWrittenAtOnce) {
    SetPreference(L"Tray Double Click", L"1");
    SetPreference(L"Open Calendar", L"No");
    SetPreference(L"Open Task Lists", L"Yes");
    auto dialog = ShowDialog();
    EXPECT_EQ(dialog->ComboBox1.ItemIndex(), 1);
    EXPECT_FALSE(dialog->ListView1.Checked(0));
    EXPECT_TRUE(dialog->ListView1.Checked(2));

    dialog->ComboBox1.SetItemIndex(2);
    SendMessageW(dialog->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dialog->ComboBox1.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(dialog->ComboBox1.Handle()));
    EXPECT_EQ(Preference(L"Tray Double Click"), L"2");  // before the dialog closes

    dialog->ListView1.SetChecked(1, true);
    SendMessageW(dialog->Handle(), WM_CLOSE, 0, 0);  // the title bar's close
    EXPECT_EQ(Preference(L"Open Calendar"), L"No");
    EXPECT_EQ(Preference(L"Open Alarm Manager"), L"Yes");
    EXPECT_EQ(Preference(L"Open Task Lists"), L"Yes");
}

TEST_F(PreferencesTest, ATrayChoiceOutOfRangeShowsNoSelectionAndGarbageIsReported) {
    SetPreference(L"Tray Double Click", L"7");
    auto dialog = ShowDialog();
    EXPECT_EQ(dialog->ComboBox1.ItemIndex(), -1);
    dialog.reset();

    SetPreference(L"Tray Double Click", L"two");
    auto other = ShowDialog();
    EXPECT_TRUE(tk::DialogLog::Contains(L"'two' is not a valid integer value"));
}

TEST(AboutBox, ShowsTheProgramVersion) {
    // The test executables carry the program's own version block.
    auto about = tk::MakeForm<Tfrm_About>(nullptr);
    EXPECT_EQ(about->lbl_Version.Text(), L"Version: 1.0.0.1");
    EXPECT_EQ(about->Caption(), L"About Dayloom");
}
