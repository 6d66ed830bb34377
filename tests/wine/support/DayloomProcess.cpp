#include "DayloomProcess.h"

#include <cstdlib>
#include <stdexcept>

namespace dltest {

namespace {

// ctest hands DAYLOOM_BIN over as a Unix path; Wine maps it through drive Z:.
std::wstring WindowsPath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

struct WindowQuery {
    std::wstring className, caption;
    DWORD processId = 0;  // 0: any
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto& q = *reinterpret_cast<WindowQuery*>(lp);
    if (q.processId) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != q.processId) return TRUE;
    }
    wchar_t text[256] = {};
    if (!q.className.empty()) {
        GetClassNameW(hwnd, text, 256);
        if (q.className != text) return TRUE;
    }
    if (!q.caption.empty()) {
        GetWindowTextW(hwnd, text, 256);
        if (q.caption != text) return TRUE;
    }
    q.found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> Collect(WindowQuery q) {
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&q));
    return q.found;
}

}  // namespace

std::wstring ProgramBinFolder() {
    const char* bin = std::getenv("DAYLOOM_BIN");
    if (!bin || !*bin) throw std::runtime_error("DAYLOOM_BIN is not set");
    return WindowsPath(bin);
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return done();
        Sleep(50);
    }
    return true;
}

DayloomProcess::~DayloomProcess() { Kill(); }

void DayloomProcess::Start(const std::wstring& arguments) {
    std::wstring folder = ProgramBinFolder();
    std::wstring exe = folder + L"\\Dayloom.exe";
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start Dayloom.exe");
}

bool DayloomProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (!info_.hProcess) return true;
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
    return true;
}

bool DayloomProcess::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND DayloomProcess::FindWindowOf(const std::wstring& className, const std::wstring& caption) const {
    auto found = Collect({className, caption, info_.dwProcessId, {}});
    return found.empty() ? nullptr : found.front();
}

HWND DayloomProcess::WaitForWindow(const std::wstring& className, const std::wstring& caption,
                                   DWORD timeoutMs) const {
    HWND hwnd = nullptr;
    WaitUntil([&] { return (hwnd = FindWindowOf(className, caption)) != nullptr; }, timeoutMs);
    return hwnd;
}

HWND DayloomProcess::MainWindow(DWORD timeoutMs) const {
    return WaitForWindow(L"TClass_Dayloom", L"Class_Dayloom", timeoutMs);
}

void DayloomProcess::Kill() {
    if (!info_.hProcess) return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = {};
}

std::vector<HWND> TopLevelWindows(const std::wstring& className, const std::wstring& caption) {
    return Collect({className, caption, 0, {}});
}

}  // namespace dltest
