#include "common/Unt_common.h"

#include <mmsystem.h>

#include <algorithm>
#include <new>
#include <vector>

#include "common/WindowPlacement.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "toolkit/Screen.h"

namespace {

const std::wstring kCustomColorsKey = L"Custom Colors";

std::wstring ColorValueName(int slot) {
    return L"Color" + std::wstring(1, static_cast<wchar_t>(L'A' + slot));
}

PlacementWindowState StateOf(const tk::Form& form) {
    switch (form.GetWindowState()) {
        case tk::WindowState::Minimized: return PlacementWindowState::Minimized;
        case tk::WindowState::Maximized: return PlacementWindowState::Maximized;
        case tk::WindowState::Normal: break;
    }
    return PlacementWindowState::Normal;
}

// The shell wants each list as paths separated by NULs and ended by two. The
// buffer is zero-filled, so the NUL put in for the trailing ';' is followed by
// at least one more.
bool FillShellList(const std::wstring& list, std::vector<wchar_t>& buffer) {
    const std::wstring withEnd = list + L";";
    if (withEnd.size() > MaxShellListLength) return false;
    buffer.assign(MaxShellListLength + 1, L'\0');
    for (std::size_t i = 0; i < withEnd.size(); ++i) buffer[i] = withEnd[i] == L';' ? L'\0' : withEnd[i];
    return true;
}

}  // namespace

void RestoreWindowPlacement(const std::wstring& basePath, tk::Form& form, const std::wstring& keyName,
                            bool widthFlag, bool heightFlag) {
    const tk::Rect current = form.BoundsPixels();
    const RestoredPlacement placement =
        RestorePlacementFromStore(basePath, keyName, current.width, current.height, tk::Screen::Width(),
                                  tk::Screen::Height(), widthFlag, heightFlag);
    switch (placement.action) {
        case PlacementAction::Maximize:
            form.SetWindowState(tk::WindowState::Maximized);
            break;
        case PlacementAction::SetBounds: {
            const PlacementBounds& b = placement.bounds;
            form.SetBoundsPixels({b.left, b.top, b.width, b.height});
            break;
        }
        case PlacementAction::LeaveAsIs:
            break;
    }
}

void SaveWindowPlacement(const std::wstring& basePath, tk::Form& form, const std::wstring& keyName,
                         bool widthFlag, bool heightFlag) {
    const tk::Rect r = form.BoundsPixels();
    SavePlacementToStore(basePath, keyName, StateOf(form), {r.left, r.top, r.width, r.height}, widthFlag,
                         heightFlag);
}

void LoadCustomColors(tk::ColorDialog& dialog) {
    for (int slot = 0; slot < 16; ++slot) {
        std::wstring entry = RegReadString(RegistryRoot, kCustomColorsKey, ColorValueName(slot));
        if (!entry.empty()) dialog.CustomColors.push_back(std::move(entry));
    }
}

void SaveCustomColors(tk::ColorDialog& dialog) {
    // A dialog that has run holds all sixteen; a shorter list (never run)
    // leaves the missing slots as they are stored rather than deleting them.
    const std::size_t count = std::min<std::size_t>(dialog.CustomColors.size(), 16);
    for (std::size_t slot = 0; slot < count; ++slot)
        RegWriteString(RegistryRoot, kCustomColorsKey, ColorValueName(static_cast<int>(slot)),
                       dialog.CustomColors[slot]);
}

int AppMessageBox(const std::wstring& text, UINT flags) {
    // Owned by the active window of the program so that it stays in front of
    // the window that asks and is modal to it.
    return tk::ShowMessageBox(GetActiveWindow(), text, tk::Application::Title(), flags);
}

void PlayWaveLoop(const std::wstring& path, bool stop) {
    if (stop || path.empty()) {
        PlaySoundW(nullptr, nullptr, 0);
        return;
    }
    // Without SND_NODEFAULT a missing file would loop the system's default sound.
    PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_LOOP | SND_NODEFAULT);
}

bool ShellFileOperation(HWND owner, UINT operation, const std::wstring& sourceList, FILEOP_FLAGS flags,
                        const std::wstring& destList) {
    std::vector<wchar_t> from, to;
    if (!FillShellList(sourceList, from) || !FillShellList(destList, to)) return false;
    SHFILEOPSTRUCTW op{};
    op.hwnd = owner;
    op.wFunc = operation;
    op.pFrom = from.data();
    op.pTo = to.data();
    op.fFlags = flags;
    const int rc = SHFileOperationW(&op);
    return rc == 0 && !op.fAnyOperationsAborted;
}

std::wstring ProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return L"";
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        if (buffer.size() >= 32768) return L"";
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring ProgramFolder() {
    const std::wstring path = ProgramPath();
    const std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(0, slash);
}

std::wstring FileVersionText(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return L"";
    std::vector<BYTE> data;
    try {
        data.resize(size);
    } catch (const std::bad_alloc&) {
        return L"";
    }
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return L"";
    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", &block, &length) || block == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO))
        return L"";
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(block);
    return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(info->dwFileVersionLS)) + L"." +
           std::to_wstring(LOWORD(info->dwFileVersionLS));
}
