// The decisions of the application shell that do not need a window: which
// switches the command line carries, which windows open at start-up, what a
// tray double click or a character posted to the main form opens.
#pragma once
#include <optional>
#include <string>
#include <vector>

enum class MainWindow { Events, Alarms, Tasks };

struct StartupSwitches {
    bool inDesign = false;   // "\InDesign": no single-instance test
    bool onInstall = false;  // "\OnInstall": bring the setup program forward
};

// Only the first argument counts, compared case-sensitively.
StartupSwitches ParseStartupSwitches(const std::vector<std::wstring>& args);

// The start-up windows in opening order, from the Preferences key.
std::vector<MainWindow> StartupWindows();

// The window a double click on the tray icon opens: "Tray Double Click" read
// as decimal ("" is 0); a number without a window gives nothing. A value that
// is not a decimal integer throws EConvertError.
std::optional<MainWindow> TrayDoubleClickWindow();

enum class MainFormCommand { None, OpenEvents, OpenAlarms, ShowPreferences, OpenTasks };

// Characters are case-sensitive: 'C', 'L', 'P', 'T'.
MainFormCommand CommandForChar(wchar_t ch);
