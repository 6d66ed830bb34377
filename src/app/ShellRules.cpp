#include "app/ShellRules.h"

#include "common/DateFormat.h"
#include "common/StoreAccess.h"

namespace {
std::wstring ReadPreference(const wchar_t* name) {
    return RegReadString(RegistryRoot, L"Preferences", name);
}
}  // namespace

StartupSwitches ParseStartupSwitches(const std::vector<std::wstring>& args) {
    StartupSwitches switches;
    if (!args.empty()) {
        switches.inDesign = args.front() == L"\\InDesign";
        switches.onInstall = args.front() == L"\\OnInstall";
    }
    return switches;
}

std::vector<MainWindow> StartupWindows() {
    std::vector<MainWindow> windows;
    if (ReadPreference(L"Open Calendar") != L"No") windows.push_back(MainWindow::Events);
    if (ReadPreference(L"Open Alarm Manager") == L"Yes") windows.push_back(MainWindow::Alarms);
    if (ReadPreference(L"Open Task Lists") == L"Yes") windows.push_back(MainWindow::Tasks);
    return windows;
}

std::optional<MainWindow> TrayDoubleClickWindow() {
    std::wstring value = ReadPreference(L"Tray Double Click");
    switch (StrToInt(value.empty() ? L"0" : value)) {
        case 0: return MainWindow::Events;
        case 1: return MainWindow::Alarms;
        case 2: return MainWindow::Tasks;
        default: return std::nullopt;
    }
}

MainFormCommand CommandForChar(wchar_t ch) {
    switch (ch) {
        case L'C': return MainFormCommand::OpenEvents;
        case L'L': return MainFormCommand::OpenAlarms;
        case L'P': return MainFormCommand::ShowPreferences;
        case L'T': return MainFormCommand::OpenTasks;
        default: return MainFormCommand::None;
    }
}
