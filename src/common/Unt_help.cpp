#include "common/Unt_help.h"

#include <vector>

#include "common/Unt_common.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

Tfrm_Help* frm_Help = nullptr;

namespace {

// The whole file, up to the help file's size limit; nullopt when it cannot be
// opened or read.
std::optional<std::string> ReadHelpBytes(const std::wstring& path) {
    tk::KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return std::nullopt;
    }
    std::string bytes(HelpFile::MaxFileBytes, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return std::nullopt;
    bytes.resize(read);
    return bytes;
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring TopicBody(const HelpTopic& topic) {
    std::wstring text;
    bool previousWasItem = false;
    for (const HelpParagraph& p : topic.paragraphs) {
        if (!text.empty()) text += (p.listItem && previousWasItem) ? L"\r\n" : L"\r\n\r\n";
        text += p.listItem ? L"    \u2022 " + p.text : p.text;
        previousWasItem = p.listItem;
    }
    return text;
}

}  // namespace

HBRUSH THelpText::OnCtlColor(HDC dc, HBRUSH) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

Tfrm_Help::Tfrm_Help(tk::Form* owner)
    : tk::Form({.owner = owner, .caption = L"Dayloom Help", .clientWidth = 600, .clientHeight = 420,
                .border = tk::BorderStyle::Sizeable, .position = tk::Position::ScreenCenter,
                .appWindow = true, .minClientWidth = 420, .minClientHeight = 300, .freeOnClose = true}) {
    lbl_Contents.Create(*this, {.text = L"&Contents", .bounds = {8, 8, 184, 15}});
    lst_Contents.Create(*this, {.bounds = {8, 24, 184, 150}});
    lbl_Keyword.Create(*this, {.text = L"&Index - type a keyword:", .bounds = {8, 182, 184, 15}});
    txt_Keyword.Create(*this, {.bounds = {8, 198, 184, 21}});
    lst_Index.Create(*this, {.bounds = {8, 224, 184, 156}, .anchors = tk::akLeft | tk::akTop | tk::akBottom});
    btn_Display.Create(*this, {.text = L"&Display", .bounds = {8, 387, 88, 25},
                               .anchors = tk::akLeft | tk::akBottom, .isDefault = true});
    lbl_Title.Create(*this, {.bounds = {200, 8, 392, 20}, .anchors = tk::akLeft | tk::akTop | tk::akRight,
                             .autoSize = false, .bold = true, .showAccelChar = false});
    txt_Topic.Create(*this, {.bounds = {200, 30, 392, 350},
                             .anchors = tk::akLeft | tk::akTop | tk::akRight | tk::akBottom,
                             .readOnly = true, .scrollBars = tk::ScrollBars::Vertical});
    btn_Close.Create(*this, {.text = L"Close", .bounds = {517, 387, 75, 25},
                             .anchors = tk::akRight | tk::akBottom, .cancel = true});

    OnDestroy = [this] { FormDestroy(); };
    lst_Contents.OnClick = [this] { lst_ContentsClick(); };
    txt_Keyword.OnChange = [this] { txt_KeywordChange(); };
    lst_Index.OnDblClick = [this] { lst_IndexDblClick(); };
    btn_Display.OnClick = [this] { btn_DisplayClick(); };
    btn_Close.OnClick = [this] { btn_CloseClick(); };
}

void Tfrm_Help::Open(HelpFile file, const std::wstring& keyword) {
    help_ = std::move(file);
    currentTopic_.reset();
    std::vector<std::wstring> titles, labels;
    for (const HelpTopic& t : help_.Topics()) titles.push_back(t.title);
    for (const HelpIndexEntry& e : help_.Index()) labels.push_back(e.label);
    lst_Contents.SetItems(titles);
    lst_Index.SetItems(labels);

    const HelpLookup lookup = help_.Find(keyword);
    if (lookup.topic) ShowTopic(*lookup.topic);
    else ShowIndexAt(lookup);
    if (GetWindowState() == tk::WindowState::Minimized) SetWindowState(tk::WindowState::Normal);
    Show();
    BringToFront();
    SetForeground();
    if (!lookup.topic) txt_Keyword.SetFocus();
}

void Tfrm_Help::ShowTopic(std::size_t topic) {
    if (topic >= help_.Topics().size()) return;
    currentTopic_ = topic;
    const HelpTopic& t = help_.Topics()[topic];
    lbl_Title.SetText(t.title);
    txt_Topic.SetText(TopicBody(t));
    lst_Contents.SetItemIndex(static_cast<int>(topic));
}

void Tfrm_Help::ShowIndexAt(const HelpLookup& lookup) {
    currentTopic_.reset();
    lbl_Title.SetText(L"Index");
    txt_Topic.SetText(L"Choose a keyword from the index and press Display, or double click it, "
                      L"to show its topic.");
    lst_Contents.SetItemIndex(-1);
    txt_Keyword.SetText(lookup.indexKeyword);
    txt_Keyword.SelectAll();
    // Setting the text has positioned the index already; the lookup says the same.
    if (!help_.Index().empty()) lst_Index.SetItemIndex(static_cast<int>(lookup.indexPosition));
}

void Tfrm_Help::FormDestroy() {
    if (frm_Help == this) frm_Help = nullptr;
}

void Tfrm_Help::lst_ContentsClick() {
    const int i = lst_Contents.ItemIndex();
    if (i >= 0) ShowTopic(static_cast<std::size_t>(i));
}

void Tfrm_Help::txt_KeywordChange() {
    if (help_.Index().empty()) return;
    lst_Index.SetItemIndex(static_cast<int>(help_.IndexPositionOf(txt_Keyword.Text())));
}

void Tfrm_Help::lst_IndexDblClick() { btn_DisplayClick(); }

void Tfrm_Help::btn_DisplayClick() {
    const int i = lst_Index.ItemIndex();
    if (i < 0 || static_cast<std::size_t>(i) >= help_.Index().size()) return;
    ShowTopic(help_.Index()[static_cast<std::size_t>(i)].topic);
}

void Tfrm_Help::btn_CloseClick() { Close(); }

void ShowHelpTopic(const std::wstring& keyword) {
    const std::wstring path = ProgramFolder() + L"\\dayloom.hlp";
    std::optional<std::string> bytes;
    if (IsFile(path)) bytes = ReadHelpBytes(path);
    if (!bytes) {
        AppMessageBox(L"Could not find the Dayloom help file!", MB_ICONINFORMATION);
        return;
    }
    if (!frm_Help) frm_Help = new Tfrm_Help(tk::Application::MainForm());
    frm_Help->Open(HelpFile::Parse(*bytes), keyword);
}
