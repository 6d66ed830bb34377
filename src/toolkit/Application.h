// The application object: title, help file, the message loop with its nested
// modal loops, and the default error report for exceptions escaping handlers.
#pragma once
#include <windows.h>

#include <exception>
#include <string>
#include <type_traits>
#include <utility>

namespace tk {

class Form;

class Application {
public:
    // Once, before any window: common controls, window classes, title.
    static void Initialize(std::wstring title);
    static HINSTANCE Instance();

    static const std::wstring& Title();
    static void SetTitle(std::wstring title);
    static const std::wstring& HelpFile();
    static void SetHelpFile(std::wstring file);

    // Makes mainForm the main form and pumps messages until it closes (any
    // close action but caNone) or Terminate() is called; then frees mainForm,
    // which destroys the forms it owns without their close handlers.
    // mainForm must come from `new` (or be held by a FormPtr). Returns 0.
    static int Run(Form& mainForm);
    static Form* MainForm();

    // Ends Run (and every nested modal loop) at the next message.
    static void Terminate();
    static bool Terminated();

    // Handles all waiting messages, then returns.
    static void ProcessMessages();
    // Handles one message, waiting for it; false after WM_QUIT (re-posted, so
    // that outer loops end too).
    static bool HandleMessage();

    // The default error report: the exception's text in a message box captioned
    // with the title. EDayloomError: Message(); std::exception: what();
    // anything else: "Unknown error". Never throws.
    static void HandleException(std::exception_ptr error) noexcept;
    static std::wstring ExceptionText(std::exception_ptr error);

    // Used by the toolkit's own loops.
    static bool PreTranslate(MSG& msg);  // keyboard preview and dialog navigation
    static void SetMainFormDestroyed();  // main form's handle went away
};

// Runs an event handler; an exception it throws goes to the error report and
// stops only this handler. Every event of the toolkit is dispatched this way.
template <class Fn, class... Args>
void Invoke(Fn&& fn, Args&&... args) noexcept {
    try {
        if constexpr (std::is_constructible_v<bool, Fn&>) {
            if (!fn) return;
        }
        fn(std::forward<Args>(args)...);
    } catch (...) {
        Application::HandleException(std::current_exception());
    }
}

}  // namespace tk
