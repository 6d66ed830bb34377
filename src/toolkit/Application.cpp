#include "toolkit/Application.h"

#include <commctrl.h>

#include "common/Errors.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

namespace tk {
namespace {

struct State {
    std::wstring title = L"Dayloom";
    std::wstring helpFile;
    HINSTANCE instance = nullptr;
    Form* mainForm = nullptr;
    bool terminated = false;
    bool initialized = false;
};

State& S() {
    static State s;
    return s;
}

std::wstring Widen(const char* text) {
    if (!text || !*text) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (n <= 0) return std::wstring(text, text + strlen(text));
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, w.data(), n);
    w.resize(static_cast<size_t>(n) - 1);
    return w;
}

// The form whose window (or one of whose controls) is hwnd.
Form* FormOf(HWND hwnd) {
    return hwnd ? Form::FromHandle(GetAncestor(hwnd, GA_ROOT)) : nullptr;
}

}  // namespace

void Application::Initialize(std::wstring title) {
    State& s = S();
    if (!s.initialized) {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES |
                                                  ICC_USEREX_CLASSES | ICC_LINK_CLASS};
        InitCommonControlsEx(&icc);
        s.instance = GetModuleHandleW(nullptr);
        s.initialized = true;
    }
    s.title = std::move(title);
}

HINSTANCE Application::Instance() {
    return S().instance ? S().instance : GetModuleHandleW(nullptr);
}

const std::wstring& Application::Title() { return S().title; }
void Application::SetTitle(std::wstring title) { S().title = std::move(title); }
const std::wstring& Application::HelpFile() { return S().helpFile; }
void Application::SetHelpFile(std::wstring file) { S().helpFile = std::move(file); }
Form* Application::MainForm() { return S().mainForm; }

int Application::Run(Form& mainForm) {
    State& s = S();
    s.mainForm = &mainForm;
    s.terminated = false;
    while (!s.terminated && s.mainForm) {
        if (!HandleMessage()) break;
    }
    if (Form* f = s.mainForm) {
        s.mainForm = nullptr;
        f->Free();
    }
    s.terminated = false;
    return 0;
}

void Application::SetMainFormDestroyed() {
    S().mainForm = nullptr;
    S().terminated = true;
}

void Application::Terminate() {
    S().terminated = true;
    // Wakes whichever loop waits in GetMessage, so that it sees the flag.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

bool Application::Terminated() { return S().terminated; }

bool Application::PreTranslate(MSG& msg) {
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        Form* form = FormOf(msg.hwnd);
        if (form && form->KeyPreview() && msg.hwnd != form->Handle()) {
            if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
                auto key = static_cast<WORD>(msg.wParam);
                Invoke(form->OnKeyDown, key, CurrentShiftState());
                if (!key) return true;
                msg.wParam = key;
            } else if (msg.message == WM_CHAR) {
                auto key = static_cast<wchar_t>(msg.wParam);
                Invoke(form->OnKeyPress, key);
                if (!key) return true;
                msg.wParam = key;
            }
        }
    }
    // Tab, the arrow keys, Enter and Esc inside the active form.
    HWND active = GetActiveWindow();
    if (active && Form::FromHandle(active) && (msg.hwnd == active || IsChild(active, msg.hwnd)))
        return IsDialogMessageW(active, &msg) != FALSE;
    return false;
}

bool Application::HandleMessage() {
    MSG msg;
    BOOL r = GetMessageW(&msg, nullptr, 0, 0);
    if (r == 0) {
        S().terminated = true;
        PostQuitMessage(static_cast<int>(msg.wParam));  // for any loop outside ours
        return false;
    }
    if (r < 0) return false;
    if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            S().terminated = true;
            break;
        }
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

std::wstring Application::ExceptionText(std::exception_ptr error) {
    try {
        if (error) std::rethrow_exception(error);
        return L"Unknown error";
    } catch (const EDayloomError& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return Widen(e.what());
    } catch (...) {
        return L"Unknown error";
    }
}

void Application::HandleException(std::exception_ptr error) noexcept {
    try {
        HWND owner = GetActiveWindow();
        ShowMessageBox(owner, ExceptionText(error), Title(), MB_OK | MB_ICONERROR);
    } catch (...) {
        // Nothing is left to report with.
    }
}

}  // namespace tk
