// The shared services on the real system: shell file operations, version
// texts, the program folder, custom colours in the registry, message boxes,
// window placement of a real form, and the help window.
#include <gtest/gtest.h>

#include <string>

#include "RegistryFixture.h"
#include "ToolkitFixture.h"
#include "common/Unt_common.h"
#include "common/Unt_help.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

namespace {

using tk::test::PumpUntil;

constexpr FILEOP_FLAGS kQuiet = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;

std::wstring ModulePath() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    return std::wstring(path, n);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteTextFile(const std::wstring& path, const std::string& text) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

// A fresh folder below the temp folder, deleted with its contents afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"dayloom-common-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(GetTickCount64());
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    }
    void TearDown() override { ShellFileOperation(nullptr, FO_DELETE, folder, kQuiet, L""); }

    std::wstring MakeFolderWithFile(const std::wstring& name) {
        const std::wstring path = folder + L"\\" + name;
        CreateDirectoryW(path.c_str(), nullptr);
        WriteTextFile(path + L"\\Groceries.lst", "Milk|||0|\r\n");
        return path;
    }

    std::wstring folder;
};

TEST_F(TempFolderTest, ShellDeletesAndMovesFolders) {
    const std::wstring doomed = MakeFolderWithFile(L"Old");
    EXPECT_TRUE(ShellFileOperation(nullptr, FO_DELETE, doomed, kQuiet, L""));
    EXPECT_FALSE(Exists(doomed));

    const std::wstring source = MakeFolderWithFile(L"Home");
    const std::wstring target = folder + L"\\Work";
    CreateDirectoryW(target.c_str(), nullptr);
    EXPECT_TRUE(ShellFileOperation(nullptr, FO_MOVE, source, kQuiet, target));
    EXPECT_FALSE(Exists(source));
    EXPECT_TRUE(Exists(target + L"\\Home\\Groceries.lst"));
}

TEST_F(TempFolderTest, ShellRefusesListsBeyondTheBuffer) {
    const std::wstring kept = MakeFolderWithFile(L"Kept");
    // With its added ';' the list is one character too long.
    std::wstring longList = kept;
    while (longList.size() < MaxShellListLength) longList += L";" + kept;
    longList.resize(MaxShellListLength);
    EXPECT_FALSE(ShellFileOperation(nullptr, FO_DELETE, longList, kQuiet, L""));
    EXPECT_FALSE(ShellFileOperation(nullptr, FO_MOVE, kept, kQuiet, longList));
    EXPECT_TRUE(Exists(kept + L"\\Groceries.lst"));
}

TEST_F(TempFolderTest, FileVersionTexts) {
    EXPECT_EQ(FileVersionText(ModulePath()), L"1.0.0.1");
    const std::wstring plain = folder + L"\\plain.txt";
    WriteTextFile(plain, "no version here");
    EXPECT_EQ(FileVersionText(plain), L"");
    EXPECT_EQ(FileVersionText(folder + L"\\missing.exe"), L"");
}

TEST(Common, ProgramFolderIsTheExecutablesFolder) {
    const std::wstring folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), L'\\');
    const std::wstring module = ModulePath();
    EXPECT_EQ(module.substr(0, module.rfind(L'\\')), folder);
}

TEST(Common, AppMessageBoxGoesThroughTheSeam) {
    tk::test::ScopedDialogHooks hooks;
    tk::MessageBoxRequest seen;
    hooks.OnMessageBox([&](const tk::MessageBoxRequest& r) {
        seen = r;
        return IDNO;
    });
    EXPECT_EQ(AppMessageBox(L"Delete all Calendar Events? Click Yes to confirm.", 36), IDNO);
    EXPECT_EQ(seen.text, L"Delete all Calendar Events? Click Yes to confirm.");
    EXPECT_EQ(seen.caption, L"Dayloom");
    EXPECT_EQ(seen.flags, 36u);
}

class CommonRegistryTest : public RegistryRootTest {};

TEST_F(CommonRegistryTest, CustomColorsRoundTrip) {
    RegWriteString(RegistryRoot, L"Custom Colors", L"ColorB", L"ColorB=80FF80");
    tk::ColorDialog dialog;
    dialog.CustomColors = {L"ColorA=000000"};  // loading appends, never clears
    LoadCustomColors(dialog);
    EXPECT_EQ(dialog.CustomColors, (std::vector<std::wstring>{L"ColorA=000000", L"ColorB=80FF80"}));

    tk::test::ScopedDialogHooks hooks;
    hooks.OnColorDialog([](tk::ColorDialog& d) {
        // As the real dialog leaves it: one entry per slot, in slot order.
        COLORREF slots[16];
        d.ReadCustomColors(slots);
        slots[2] = RGB(0x12, 0x34, 0x56);
        d.WriteCustomColors(slots);
        return true;
    });
    dialog.CustomColors = {};
    LoadCustomColors(dialog);
    ASSERT_TRUE(dialog.Execute());
    SaveCustomColors(dialog);
    for (int i = 0; i < 16; ++i) {
        const std::wstring name = L"Color" + std::wstring(1, static_cast<wchar_t>(L'A' + i));
        EXPECT_EQ(RegReadString(RegistryRoot, L"Custom Colors", name), dialog.CustomColors[i]);
    }
    EXPECT_EQ(RegReadString(RegistryRoot, L"Custom Colors", L"ColorB"), L"ColorB=80FF80");
    EXPECT_EQ(RegReadString(RegistryRoot, L"Custom Colors", L"ColorC"), L"ColorC=563412");
}

class PlacementTest : public RegistryRootTest {
protected:
    void TearDown() override {
        if (form) form->Free();
        RegistryRootTest::TearDown();
    }
    static std::wstring Stored(const std::wstring& name) {
        return RegReadString(RegistryRoot, L"Events Window", name);
    }
    void Save() { SaveWindowPlacement(RegistryRoot, *form, L"Events Window", true, true); }
    // As a window reopened at its designed bounds restores itself.
    void Reopen(bool sizeKept = true) {
        form->SetWindowState(tk::WindowState::Normal);
        form->SetBoundsPixels(designed);
        RestoreWindowPlacement(RegistryRoot, *form, L"Events Window", sizeKept, sizeKept);
    }

    tk::Form* form = nullptr;
    tk::Rect designed;
};

// One form for every step: destroying a shown window costs Wine seconds.
TEST_F(PlacementTest, CloseAndReopenOnARealForm) {
    form = new tk::Form({.caption = L"Placement", .clientWidth = 300, .clientHeight = 200});
    form->Show();
    designed = form->BoundsPixels();

    form->SetBoundsPixels({100, 120, 500, 400});
    Save();
    EXPECT_EQ(Stored(L"Max"), L"No");
    EXPECT_EQ(Stored(L"Left"), L"100");
    EXPECT_EQ(Stored(L"Top"), L"120");
    EXPECT_EQ(Stored(L"Width"), L"500");
    EXPECT_EQ(Stored(L"Height"), L"400");

    form->SetWindowState(tk::WindowState::Maximized);
    Save();
    EXPECT_EQ(Stored(L"Max"), L"Yes");
    EXPECT_EQ(Stored(L"Left"), L"100");  // the last normal bounds stay
    EXPECT_EQ(Stored(L"Width"), L"500");
    Reopen();
    EXPECT_EQ(form->GetWindowState(), tk::WindowState::Maximized);

    form->SetWindowState(tk::WindowState::Normal);
    form->SetWindowState(tk::WindowState::Minimized);
    Save();
    EXPECT_EQ(Stored(L"Max"), L"No");
    EXPECT_EQ(Stored(L"Left"), L"100");
    Reopen();
    EXPECT_EQ(form->GetWindowState(), tk::WindowState::Normal);
    EXPECT_EQ(form->BoundsPixels(), (tk::Rect{100, 120, 500, 400}));

    // Position only: the designed size stays whatever is stored.
    Reopen(false);
    EXPECT_EQ(form->BoundsPixels(), (tk::Rect{100, 120, designed.width, designed.height}));

    // A stored position that is not a number leaves the window where it is.
    RegWriteString(RegistryRoot, L"Events Window", L"Left", L"west");
    Reopen();
    EXPECT_EQ(form->BoundsPixels(), designed);
}

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (frm_Help) frm_Help->Free();
        EXPECT_EQ(frm_Help, nullptr);
    }
};

// The file beside the executables is "Dayloom.hlp"; the program asks for
// "dayloom.hlp", which the file system finds without regard to case.
TEST_F(HelpWindowTest, OpensOnTheTopicOrTheIndex) {
    tk::test::ScopedDialogHooks hooks;
    ShowHelpTopic(L"Alarm Manager");
    ASSERT_NE(frm_Help, nullptr);
    EXPECT_TRUE(tk::DialogLog::Messages().empty());
    EXPECT_TRUE(frm_Help->Visible());
    EXPECT_EQ(frm_Help->Caption(), L"Dayloom Help");
    EXPECT_EQ(frm_Help->TopicTitle(), L"Alarm Manager");
    EXPECT_NE(frm_Help->TopicText().find(L"Quick Pick"), std::wstring::npos);

    Tfrm_Help* first = frm_Help;
    ShowHelpTopic(L"Calendar,Preferences");
    EXPECT_EQ(frm_Help, first);  // one help window, reused
    EXPECT_EQ(frm_Help->TopicTitle(), L"Calendar Preferences");

    ShowHelpTopic(L"Alarm");  // several topics: the index, at the keyword
    EXPECT_FALSE(frm_Help->CurrentTopic());
    EXPECT_EQ(frm_Help->KeywordText(), L"Alarm");
    ASSERT_GE(frm_Help->IndexItemIndex(), 0);
    EXPECT_EQ(frm_Help->IndexItem(frm_Help->IndexItemIndex()).substr(0, 5), L"Alarm");

    frm_Help->Close();
    EXPECT_TRUE(PumpUntil([] { return frm_Help == nullptr; }));
}

// Runs in a copy of this executable in a folder without a help file.
TEST(HelpChild, MissingHelpFileIsReported) {
    if (!GetEnvironmentVariableW(L"DAYLOOM_HELP_CHILD", nullptr, 0)) GTEST_SKIP() << "run by MissingHelpFile";
    tk::test::ScopedDialogHooks hooks;
    hooks.AnswerMessageBoxes(IDOK);
    ShowHelpTopic(L"Contents");
    ASSERT_EQ(tk::DialogLog::Records().size(), 1u);
    EXPECT_EQ(tk::DialogLog::Records()[0].text, L"Could not find the Dayloom help file!");
    EXPECT_EQ(tk::DialogLog::Records()[0].caption, L"Dayloom");
    EXPECT_EQ(tk::DialogLog::Records()[0].flags, 64u);
    EXPECT_EQ(frm_Help, nullptr);
}

TEST_F(TempFolderTest, MissingHelpFile) {
    const std::wstring copy = folder + L"\\wine_Common_test.exe";
    ASSERT_TRUE(CopyFileW(ModulePath().c_str(), copy.c_str(), FALSE));
    ASSERT_FALSE(Exists(folder + L"\\Dayloom.hlp"));
    std::wstring command = L"\"" + copy + L"\" --gtest_filter=HelpChild.MissingHelpFileIsReported";
    SetEnvironmentVariableW(L"DAYLOOM_HELP_CHILD", L"1");
    STARTUPINFOW si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        folder.c_str(), &si, &pi);
    SetEnvironmentVariableW(L"DAYLOOM_HELP_CHILD", nullptr);
    ASSERT_TRUE(started);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(pi.hProcess, &exitCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
