// The shared services every window uses: the registry routines (re-exported
// from StoreAccess.h), window placement, the colour dialog's custom colours,
// help, message boxes, looped sound, shell file operations, the program folder
// and version texts.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "common/StoreAccess.h"

namespace tk {
class Form;
class ColorDialog;
}  // namespace tk

// Placement key basePath + keyName; the flags say whether the size is kept.
void RestoreWindowPlacement(const std::wstring& basePath, tk::Form& form, const std::wstring& keyName,
                            bool widthFlag, bool heightFlag);
void SaveWindowPlacement(const std::wstring& basePath, tk::Form& form, const std::wstring& keyName,
                         bool widthFlag, bool heightFlag);

// "Custom Colors" below the registry root: appends the stored slot entries to
// the dialog's list, and writes the dialog's sixteen entries back.
void LoadCustomColors(tk::ColorDialog& dialog);
void SaveCustomColors(tk::ColorDialog& dialog);

// Opens Dayloom's help window at the topic of the keyword, or at the index
// (Unt_help.cpp).
void ShowHelpTopic(const std::wstring& keyword);

// A modal message box captioned with the application title; returns the
// button pressed (IDOK, IDYES, IDNO ...).
int AppMessageBox(const std::wstring& text, UINT flags);

// Loops the wave file asynchronously on the process's one sound channel,
// replacing what plays; stop = true (or an empty path) silences it.
void PlayWaveLoop(const std::wstring& path, bool stop);

// Longest ';'-separated path list, its added ';' included, that
// ShellFileOperation accepts.
inline constexpr std::size_t MaxShellListLength = 8191;

// Runs SHFileOperation (FO_MOVE, FO_DELETE ...) on ';'-separated path lists.
// True only when the shell succeeded and nothing was aborted; false too for a
// list longer than MaxShellListLength.
bool ShellFileOperation(HWND owner, UINT operation, const std::wstring& sourceList, FILEOP_FLAGS flags,
                        const std::wstring& destList);

// The running executable's full path, and its folder without a trailing
// backslash.
std::wstring ProgramPath();
std::wstring ProgramFolder();

// "major.minor.release.build" from the file's version resource; "" when it
// has none.
std::wstring FileVersionText(const std::wstring& path);
