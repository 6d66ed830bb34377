// Program entry: one copy per user, then the hidden main form and the message
// loop until "Exit".
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/ShellRules.h"
#include "app/Unt_main.h"
#include "common/FormatSettings.h"
#include "common/StoreAccess.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Locale.h"
#include "toolkit/RegistryStore.h"

namespace {

const wchar_t kMainClass[] = L"TClass_Dayloom";
const wchar_t kMainCaption[] = L"Class_Dayloom";
// Two copies started at the same moment both miss each other's window; the
// mutex decides which one runs.
const wchar_t kInstanceMutex[] = L"Local\\Quillmark.Dayloom.SingleInstance";

std::vector<std::wstring> CommandLineArguments() {
    std::vector<std::wstring> args;
    int count = 0;
    if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
        LocalFree(argv);
    }
    return args;
}

// Asks the running copy to open its Events Calendar. The copy that holds the
// mutex may still be creating its window, so wait a little for it.
bool ForwardToRunningCopy(bool waitForWindow) {
    for (int attempt = 0; attempt < (waitForWindow ? 100 : 1); ++attempt) {
        if (HWND running = FindWindowW(kMainClass, kMainCaption)) {
            PostMessageW(running, WM_CHAR, L'C', 0);
            return true;
        }
        if (waitForWindow) Sleep(50);
    }
    return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    StartupSwitches switches = ParseStartupSwitches(CommandLineArguments());
    tk::KernelHandle instanceMutex;
    if (!switches.inDesign) {
        if (ForwardToRunningCopy(false)) return 0;
        instanceMutex.reset(CreateMutexW(nullptr, FALSE, kInstanceMutex));
        if (GetLastError() == ERROR_ALREADY_EXISTS) {
            ForwardToRunningCopy(true);
            return 0;
        }
    }

    tk::RegistryStore userStore(tk::RegistryStore::Hive::CurrentUser);
    tk::RegistryStore machineStore(tk::RegistryStore::Hive::LocalMachine);
    SetUserStore(&userStore);
    SetMachineStore(&machineStore);
    try {
        tk::Application::Initialize(L"Dayloom");
        tk::Application::SetHelpFile(L"Dayloom.hlp");
        FormatSettings settings = tk::ReadUserFormatSettings();
        settings.twoDigitYearCenturyWindow = 50;
        SetCurrentFormatSettings(settings);
        tk::Application::Run(*new TClass_Dayloom(switches));
    } catch (...) {
        tk::Application::HandleException(std::current_exception());
    }
    SetUserStore(nullptr);
    SetMachineStore(nullptr);
    return 0;
}
