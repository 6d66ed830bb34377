// Message boxes and the common colour / open / save dialogs, with the seam that
// tests use to answer them without showing anything.
//
// Every message box of the program goes through ShowMessageBox; every colour
// and file dialog through Execute(). A test installs a hook (see
// ScopedDialogHooks in tests/wine/support) that answers instead of the real
// dialog; DialogLog records every request, hooked or not.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tk {

class Window;

// ---- message boxes ----

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::wstring text;
    std::wstring caption;
    UINT flags = 0;  // MB_* as passed
};

// Shows a message box (MessageBoxW) and returns the button pressed (IDOK, IDYES ...).
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);
int ShowMessageBox(const Window* owner, const std::wstring& text, const std::wstring& caption, UINT flags);

// ---- colour dialog ----

class ColorDialog {
public:
    COLORREF Color = RGB(0, 0, 0);
    // Up to 16 entries "ColorA=RRGGBB" ... "ColorP=..." (the hex digits are the
    // colour value, red in the low byte). Slots without an entry start white.
    // After Execute() returns true all 16 entries are present.
    std::vector<std::wstring> CustomColors;
    bool FullOpen = false;

    bool Execute(const Window* owner = nullptr);

    // The 16 slot colours from CustomColors, and back.
    void ReadCustomColors(COLORREF (&slots)[16]) const;
    void WriteCustomColors(const COLORREF (&slots)[16]);
};

// ---- file dialogs ----

enum class FileDialogKind { Open, Save };

class FileDialog {
public:
    // "Text files (*.txt)|*.txt|All files (*.*)|*.*"
    std::wstring Filter;
    int FilterIndex = 1;  // 1-based, as chosen after Execute()
    std::wstring DefaultExt;  // without the dot
    std::wstring FileName;    // initial name; the chosen path after Execute()
    std::wstring InitialDir;
    std::wstring Title;
    bool OverwritePrompt = true;  // Save only
    bool FileMustExist = true;    // Open only
    bool NoChangeDir = true;

    bool Execute(const Window* owner = nullptr);
    FileDialogKind Kind() const { return kind_; }

protected:
    explicit FileDialog(FileDialogKind kind) : kind_(kind) {}

private:
    FileDialogKind kind_;
};

class OpenDialog : public FileDialog {
public:
    OpenDialog() : FileDialog(FileDialogKind::Open) {}
};

class SaveDialog : public FileDialog {
public:
    SaveDialog() : FileDialog(FileDialogKind::Save) {}
};

// ---- the seam ----

// Answer with the button id the user would have pressed.
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;
// Fill in the dialog's result fields (FileName / Color ...) and return what
// Execute() should return.
using FileDialogHook = std::function<bool(FileDialog&)>;
using ColorDialogHook = std::function<bool(ColorDialog&)>;

// Each returns the hook it replaces; an empty hook shows the real dialog.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
FileDialogHook SetFileDialogHook(FileDialogHook hook);
ColorDialogHook SetColorDialogHook(ColorDialogHook hook);

enum class DialogKind { MessageBox, Color, Open, Save };

struct DialogRecord {
    DialogKind kind = DialogKind::MessageBox;
    std::wstring text;     // message text; the title for file dialogs
    std::wstring caption;  // message box caption
    UINT flags = 0;
    int result = 0;        // button id, or 1 / 0 for Execute()
};

// What was shown, in order.
class DialogLog {
public:
    static const std::vector<DialogRecord>& Records();
    static std::vector<std::wstring> Messages();  // texts of the message boxes
    static bool Contains(const std::wstring& messageText);
    static void Clear();
    static void Add(DialogRecord record);
};

}  // namespace tk
