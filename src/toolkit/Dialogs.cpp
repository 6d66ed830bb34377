#include "toolkit/Dialogs.h"

#include <commdlg.h>

#include <cwchar>
#include <utility>

#include "toolkit/Window.h"

namespace tk {
namespace {

struct Hooks {
    MessageBoxHook messageBox;
    FileDialogHook fileDialog;
    ColorDialogHook colorDialog;
    std::vector<DialogRecord> log;
    int showing = 0;  // message boxes open right now
};

// The log serves tests; in a long run it keeps only the recent past.
constexpr size_t kLogLimit = 1000;

Hooks& H() {
    static Hooks h;
    return h;
}

HWND OwnerHandle(const Window* owner) { return owner ? owner->Handle() : GetActiveWindow(); }

// "a|b|c|d" to the double-NUL-terminated form the common dialogs want.
std::wstring FilterString(const std::wstring& filter) {
    std::wstring s = filter;
    for (auto& ch : s)
        if (ch == L'|') ch = L'\0';
    s.push_back(L'\0');
    s.push_back(L'\0');
    return s;
}

}  // namespace

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    // Recorded before it shows, so that what a nested loop shows meanwhile comes after it.
    DialogLog::Add({DialogKind::MessageBox, text, caption, flags, 0});
    const size_t index = H().log.size() - 1;
    struct Showing {
        Showing() { ++H().showing; }
        ~Showing() { --H().showing; }
    } showing;
    int result;
    if (auto hook = H().messageBox) {
        result = hook(MessageBoxRequest{owner, text, caption, flags});
    } else {
        result = MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
    }
    if (index < H().log.size()) H().log[index].result = result;
    return result;
}

int ShowMessageBox(const Window* owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    return ShowMessageBox(OwnerHandle(owner), text, caption, flags);
}

// ---- colour dialog ----

void ColorDialog::ReadCustomColors(COLORREF (&slots)[16]) const {
    for (auto& c : slots) c = RGB(255, 255, 255);
    for (const auto& entry : CustomColors) {
        // "ColorX=HHHHHH"
        if (entry.size() < 8 || entry.compare(0, 5, L"Color") != 0 || entry[6] != L'=') continue;
        const wchar_t letter = static_cast<wchar_t>(towupper(entry[5]));
        if (letter < L'A' || letter > L'P') continue;
        wchar_t* end = nullptr;
        const unsigned long v = wcstoul(entry.c_str() + 7, &end, 16);
        if (end == entry.c_str() + 7 || *end != L'\0') continue;
        slots[letter - L'A'] = static_cast<COLORREF>(v & 0xFFFFFF);
    }
}

void ColorDialog::WriteCustomColors(const COLORREF (&slots)[16]) {
    CustomColors.clear();
    for (int i = 0; i < 16; ++i) {
        wchar_t buf[32];
        swprintf(buf, 32, L"Color%c=%.6lX", static_cast<wchar_t>(L'A' + i), static_cast<unsigned long>(slots[i]));
        CustomColors.emplace_back(buf);
    }
}

bool ColorDialog::Execute(const Window* owner) {
    bool ok;
    if (auto hook = H().colorDialog) {
        ok = hook(*this);
    } else {
        COLORREF slots[16];
        ReadCustomColors(slots);
        CHOOSECOLORW cc{sizeof(cc)};
        cc.hwndOwner = OwnerHandle(owner);
        cc.rgbResult = Color;
        cc.lpCustColors = slots;
        cc.Flags = CC_RGBINIT | (FullOpen ? CC_FULLOPEN : 0);
        ok = ChooseColorW(&cc) != FALSE;
        if (ok) {
            Color = cc.rgbResult;
            WriteCustomColors(slots);
        }
    }
    DialogLog::Add({DialogKind::Color, L"", L"", 0, ok ? 1 : 0});
    return ok;
}

// ---- file dialogs ----

bool FileDialog::Execute(const Window* owner) {
    bool ok;
    if (auto hook = H().fileDialog) {
        ok = hook(*this);
    } else {
        std::wstring filter = FilterString(Filter);
        std::wstring buf = FileName;
        buf.resize(std::max<size_t>(buf.size() + 1, 4096), L'\0');
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = OwnerHandle(owner);
        ofn.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
        ofn.lpstrFile = buf.data();
        ofn.nMaxFile = static_cast<DWORD>(buf.size());
        ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
        ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
        ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
        ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (NoChangeDir ? OFN_NOCHANGEDIR : 0);
        if (kind_ == FileDialogKind::Open) {
            if (FileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
            ok = GetOpenFileNameW(&ofn) != FALSE;
        } else {
            if (OverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
            ok = GetSaveFileNameW(&ofn) != FALSE;
        }
        if (ok) {
            FileName = buf.c_str();
            FilterIndex = static_cast<int>(ofn.nFilterIndex);
        }
    }
    DialogLog::Add({kind_ == FileDialogKind::Open ? DialogKind::Open : DialogKind::Save, Title, L"", 0, ok ? 1 : 0});
    return ok;
}

// ---- the seam ----

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) { return std::exchange(H().messageBox, std::move(hook)); }
FileDialogHook SetFileDialogHook(FileDialogHook hook) { return std::exchange(H().fileDialog, std::move(hook)); }
ColorDialogHook SetColorDialogHook(ColorDialogHook hook) { return std::exchange(H().colorDialog, std::move(hook)); }

const std::vector<DialogRecord>& DialogLog::Records() { return H().log; }

std::vector<std::wstring> DialogLog::Messages() {
    std::vector<std::wstring> texts;
    for (const auto& r : H().log)
        if (r.kind == DialogKind::MessageBox) texts.push_back(r.text);
    return texts;
}

bool DialogLog::Contains(const std::wstring& text) {
    for (const auto& r : H().log)
        if (r.kind == DialogKind::MessageBox && r.text == text) return true;
    return false;
}

void DialogLog::Clear() { H().log.clear(); }
void DialogLog::Add(DialogRecord record) {
    auto& log = H().log;
    if (log.size() >= kLogLimit && H().showing == 0) log.erase(log.begin(), log.begin() + kLogLimit / 2);
    log.push_back(std::move(record));
}

}  // namespace tk
