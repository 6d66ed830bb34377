// Top-level windows. A form is a C++ object created with `new` (freed by the
// toolkit on caFree / Release / when its owner goes) or held by a FormPtr from
// MakeForm (for per-use modal dialogs).
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace tk {

class Button;
class MainMenu;

enum class BorderStyle { Sizeable, Dialog, Single, ToolWindow, SizeToolWin, None };
enum class Position { Default, Designed, ScreenCenter, OwnerCenter };
enum class WindowState { Normal, Minimized, Maximized };
enum CloseAction { caNone, caHide, caFree, caMinimize };

using ModalResult = int;
constexpr ModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT,
                      mrRetry = IDRETRY, mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO,
                      mrAll = 8, mrNoToAll = 9, mrYesToAll = 10, mrClose = 11;

// Modifier keys held with a key (OnKeyDown).
enum Shift : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using ShiftState = unsigned;
ShiftState CurrentShiftState();

struct FormArgs {
    Form* owner = nullptr;      // destroys this form when it goes
    std::wstring caption;
    int clientWidth = 320;      // design units
    int clientHeight = 240;
    BorderStyle border = BorderStyle::Sizeable;
    Position position = Position::Default;
    bool appWindow = false;     // own taskbar button: WS_EX_APPWINDOW, desktop as parent
    int left = 0;               // Position::Designed, design units on the primary screen
    int top = 0;
    int minWidth = 0;           // smallest outer size the user can drag to, design units
    int minHeight = 0;
    int minClientWidth = 0;     // the same for the client area
    int minClientHeight = 0;
    bool keyPreview = false;    // OnKeyDown / OnKeyPress see keys for the controls first
    bool freeOnClose = false;   // default close action caFree instead of caHide
    bool minimizeBox = true;    // Sizeable and Single borders only
    bool maximizeBox = true;
    bool topMost = false;
    DWORD exStyle = 0;          // added to the extended style
    std::wstring className;     // window class; "" for "Tdayloom_Form"
    int iconId = 1;             // icon resource of the window; 0 for none
};

class Form : public Window {
public:
    explicit Form(const FormArgs& args);
    ~Form() override;

    // Events.
    std::function<void()> OnShow;     // each time the form becomes visible, before it shows
    std::function<void()> OnHide;
    std::function<void()> OnDestroy;  // when the window is destroyed by the toolkit (runs once)
    std::function<void()> OnResize;
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void(bool& canClose)> OnCloseQuery;
    std::function<void(CloseAction& action)> OnClose;
    std::function<void(wchar_t& key)> OnKeyPress;            // key = 0 swallows it
    std::function<void(WORD& key, ShiftState shift)> OnKeyDown;  // key = 0 swallows it

    static Form* FromHandle(HWND hwnd);
    static const std::vector<Form*>& All();  // every form that exists, oldest first

    Form* Owner() const { return owner_; }
    const std::vector<Form*>& OwnedForms() const { return owned_; }

    void SetCaption(const std::wstring& caption) { SetText(caption); }
    std::wstring Caption() const { return Text(); }

    void Show();   // OnShow, then shows and activates
    void Hide();
    void SetVisible(bool visible) override;

    // Shows the form modally: every other window of the program is disabled and
    // a nested message loop runs until ModalResult is set (Close() sets
    // mrCancel) and the close handlers agree. Returns the ModalResult.
    ModalResult ShowModal();
    bool IsModal() const { return modal_; }
    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult result) { modalResult_ = result; }

    // OnCloseQuery, then OnClose with the default action (caHide, or caFree
    // with freeOnClose). A handler that throws cancels the close. Closing the
    // main form ends Application::Run.
    void Close();
    // Frees the form once the current message is handled.
    void Release();
    // Destroys the window now: OnDestroy, then the owned forms (no close
    // handlers), then the window. Frees the object unless a FormPtr holds it.
    void Free();
    void DestroyHandle();

    WindowState GetWindowState() const;
    void SetWindowState(WindowState state);
    void BringToFront();
    void SetForeground();
    void SetTopMost(bool topMost);
    bool TopMost() const;

    // The control with the focus while the form is active (restored on reactivation).
    void SetActiveControl(Window& control);
    Window* ActiveControl() const;

    void SetKeyPreview(bool on) { keyPreview_ = on; }
    bool KeyPreview() const { return keyPreview_; }
    void SetFreeOnClose(bool on) { freeOnClose_ = on; }

    // Set by Button::Create for default / cancel buttons: Enter and Esc click them.
    void SetDefaultButton(Button* button);
    void SetCancelButton(Button* button);
    Button* DefaultButton() const;
    Button* CancelButton() const;

    void SetMainMenu(MainMenu* menu);  // keeps the client size
    MainMenu* GetMainMenu() const { return mainMenu_; }

    // Used by MakeForm: a held form is never deleted by the toolkit.
    void SetHeld(bool held) { held_ = held; }
    bool Held() const { return held_; }

protected:
    // Every message of the form passes here first; return true when handled
    // (with result), false to go on with the toolkit's own handling.
    virtual bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return false; }
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool CloseQuery();
    bool CloseModal();
    void PlaceWindow(const FormArgs& args);
    void DestroyOwned();
    void ApplyMinSize(MINMAXINFO& info) const;
    void ClickButton(HWND button);

    Form* owner_ = nullptr;
    std::vector<Form*> owned_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool held_ = false;
    bool destroying_ = false;
    bool modal_ = false;
    bool keyPreview_ = false;
    bool freeOnClose_ = false;
    ModalResult modalResult_ = mrNone;
    CloseAction modalCloseAction_ = caHide;
    HWND defaultButton_ = nullptr;
    HWND cancelButton_ = nullptr;
    HWND activeControl_ = nullptr;
    MainMenu* mainMenu_ = nullptr;
    SIZE minSize_{};        // design units, outer
    SIZE minClientSize_{};  // design units
    UINT dpi_ = 96;

    friend class MainMenu;
};

// Deletes a form the toolkit way (OnDestroy runs while the object is whole).
struct FormDeleter {
    void operator()(Form* form) const {
        form->DestroyHandle();
        delete form;
    }
};
template <class T>
using FormPtr = std::unique_ptr<T, FormDeleter>;

// For per-use dialogs: auto dlg = tk::MakeForm<Tfrm_About>(this); dlg->ShowModal();
template <class T, class... Args>
FormPtr<T> MakeForm(Args&&... args) {
    FormPtr<T> form(new T(std::forward<Args>(args)...));
    form->SetHeld(true);
    return form;
}

}  // namespace tk
