// Runs the real Dayloom.exe beside the test and looks at its windows from
// outside, as a user's desktop would see them.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace dltest {

// The folder that holds Dayloom.exe (DAYLOOM_BIN, as ctest passes it, in Wine's
// view of the Unix path).
std::wstring ProgramBinFolder();

class DayloomProcess {
public:
    DayloomProcess() = default;
    explicit DayloomProcess(const std::wstring& arguments) { Start(arguments); }
    ~DayloomProcess();
    DayloomProcess(const DayloomProcess&) = delete;
    DayloomProcess& operator=(const DayloomProcess&) = delete;

    void Start(const std::wstring& arguments = L"");
    // Waits for the process to end; false on timeout.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    bool Running() const;
    DWORD Id() const { return info_.dwProcessId; }
    // The process's top-level window of the class and caption given ("" for any).
    HWND FindWindowOf(const std::wstring& className, const std::wstring& caption) const;
    HWND WaitForWindow(const std::wstring& className, const std::wstring& caption,
                       DWORD timeoutMs = 10000) const;
    HWND MainWindow(DWORD timeoutMs = 10000) const;  // the hidden main form
    void Kill();

private:
    PROCESS_INFORMATION info_{};
};

// Every visible or hidden top-level window of any process with this class/caption.
std::vector<HWND> TopLevelWindows(const std::wstring& className, const std::wstring& caption);
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace dltest
