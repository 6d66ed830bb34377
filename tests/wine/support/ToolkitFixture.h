// Helpers for tests that drive real windows: running the message loop until
// something happened, and answering dialogs without showing them.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"

namespace tk::test {

// Runs the message loop (with the toolkit's dialog navigation) until done()
// holds or timeoutMs passed; returns done().
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= end) return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Application::ProcessMessages();
    }
    return true;
}

// Runs the message loop for ms milliseconds.
inline void Pump(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

// Answers every message box, colour and file dialog for its lifetime; starts
// and ends with an empty DialogLog. Unanswered kinds fail loudly instead of
// blocking: a message box gets IDCANCEL, dialogs return false.
class ScopedDialogHooks {
public:
    ScopedDialogHooks() {
        DialogLog::Clear();
        oldBox_ = SetMessageBoxHook([this](const MessageBoxRequest& r) { return box_ ? box_(r) : IDCANCEL; });
        oldFile_ = SetFileDialogHook([this](FileDialog& d) { return file_ ? file_(d) : false; });
        oldColor_ = SetColorDialogHook([this](ColorDialog& d) { return color_ ? color_(d) : false; });
    }
    ~ScopedDialogHooks() {
        SetMessageBoxHook(std::move(oldBox_));
        SetFileDialogHook(std::move(oldFile_));
        SetColorDialogHook(std::move(oldColor_));
        DialogLog::Clear();
    }
    ScopedDialogHooks(const ScopedDialogHooks&) = delete;
    ScopedDialogHooks& operator=(const ScopedDialogHooks&) = delete;

    void AnswerMessageBoxes(int button) {
        box_ = [button](const MessageBoxRequest&) { return button; };
    }
    void OnMessageBox(MessageBoxHook hook) { box_ = std::move(hook); }
    void OnFileDialog(FileDialogHook hook) { file_ = std::move(hook); }
    void OnColorDialog(ColorDialogHook hook) { color_ = std::move(hook); }

private:
    MessageBoxHook box_, oldBox_;
    FileDialogHook file_, oldFile_;
    ColorDialogHook color_, oldColor_;
};

}  // namespace tk::test
