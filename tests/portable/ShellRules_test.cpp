#include "app/ShellRules.h"

#include "MemoryStoreFixture.h"
#include "common/Errors.h"

TEST(ShellRules, OnlyTheFirstArgumentCountsAndCaseMatters) {
    struct Case { std::vector<std::wstring> args; bool inDesign, onInstall; };
    const Case cases[] = {
        {{}, false, false},
        {{L"\\InDesign"}, true, false},
        {{L"\\OnInstall"}, false, true},
        {{L"\\indesign"}, false, false},
        {{L"/InDesign"}, false, false},
        {{L"x", L"\\InDesign"}, false, false},
    };
    for (const auto& c : cases) {
        StartupSwitches s = ParseStartupSwitches(c.args);
        EXPECT_EQ(s.inDesign, c.inDesign);
        EXPECT_EQ(s.onInstall, c.onInstall);
    }
}

TEST(ShellRules, CharactersAreCaseSensitive) {
    EXPECT_EQ(CommandForChar(L'C'), MainFormCommand::OpenEvents);
    EXPECT_EQ(CommandForChar(L'L'), MainFormCommand::OpenAlarms);
    EXPECT_EQ(CommandForChar(L'P'), MainFormCommand::ShowPreferences);
    EXPECT_EQ(CommandForChar(L'T'), MainFormCommand::OpenTasks);
    for (wchar_t ch : {L'c', L'l', L'p', L't', L'X', L'\r'})
        EXPECT_EQ(CommandForChar(ch), MainFormCommand::None) << static_cast<int>(ch);
}

using ShellPreferences = MemoryStoreTest;

TEST_F(ShellPreferences, WithNothingStoredOnlyTheCalendarOpens) {
    EXPECT_EQ(StartupWindows(), std::vector<MainWindow>{MainWindow::Events});
}

TEST_F(ShellPreferences, StartupWindowsUseTheirOwnDefaultTests) {
    SetPreference(L"Open Calendar", L"no");        // only exactly "No" turns it off
    SetPreference(L"Open Alarm Manager", L"Yes");
    SetPreference(L"Open Task Lists", L"yes");     // only exactly "Yes" turns it on
    EXPECT_EQ(StartupWindows(), (std::vector<MainWindow>{MainWindow::Events, MainWindow::Alarms}));

    SetPreference(L"Open Calendar", L"No");
    SetPreference(L"Open Alarm Manager", L"No");
    EXPECT_TRUE(StartupWindows().empty());
}

TEST_F(ShellPreferences, TrayDoubleClickTable) {
    struct Case { const wchar_t* stored; std::optional<MainWindow> window; };
    const Case cases[] = {
        {L"", MainWindow::Events},  {L"0", MainWindow::Events}, {L"1", MainWindow::Alarms},
        {L"2", MainWindow::Tasks},  {L"5", std::nullopt},       {L"-1", std::nullopt},
    };
    for (const auto& c : cases) {
        SetPreference(L"Tray Double Click", c.stored);
        EXPECT_EQ(TrayDoubleClickWindow(), c.window) << c.stored;
    }
    SetPreference(L"Tray Double Click", L"x");
    EXPECT_THROW(TrayDoubleClickWindow(), EConvertError);
}
