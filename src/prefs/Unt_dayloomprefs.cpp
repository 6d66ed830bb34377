#include "prefs/Unt_dayloomprefs.h"

#include "common/DateFormat.h"
#include "common/Unt_common.h"

Tfrm_DayloomPrefs* frm_DayloomPrefs = nullptr;

namespace {

// The check-box rows of ListView1 and the start-up values they stand for.
struct StartupRow {
    const wchar_t* caption;
    const wchar_t* valueName;
    bool onByDefault;
};
constexpr StartupRow kStartupRows[] = {
    {L"Events Calendar", L"Open Calendar", true},
    {L"Alarm Manager", L"Open Alarm Manager", false},
    {L"Task Lists", L"Open Task Lists", false},
};

std::wstring ReadPreference(const wchar_t* name) {
    return RegReadString(RegistryRoot, L"Preferences", name);
}

void WritePreference(const wchar_t* name, const std::wstring& value) {
    RegWriteString(RegistryRoot, L"Preferences", name, value);
}

}  // namespace

Tfrm_DayloomPrefs::Tfrm_DayloomPrefs(tk::Form* owner)
    : tk::Form({.owner = owner,
                .caption = L"Dayloom Preferences",
                .clientWidth = 301,
                .clientHeight = 243,
                .border = tk::BorderStyle::Dialog,
                .position = tk::Position::ScreenCenter,
                .freeOnClose = true}) {
    GroupBox1.Create(*this, {.text = L"Tray Icon", .bounds = {8, 6, 285, 70}});
    Label1.Create(GroupBox1, {.text = L"Window to open when double clicking Tray Icon:",
                              .bounds = {12, 18, 260, 13}});
    ComboBox1.Create(GroupBox1, {.bounds = {12, 36, 261, 21},
                                 .style = tk::ComboStyle::DropDownList,
                                 .items = {L"Events Calendar", L"Alarm Manager", L"Task Lists"}});
    GroupBox2.Create(*this, {.text = L"Startup Windows", .bounds = {8, 82, 285, 120}});
    Label2.Create(GroupBox2, {.text = L"Windows to open when \"Dayloom\" launches:",
                              .bounds = {12, 18, 260, 13}});
    ListView1.Create(GroupBox2, {.bounds = {12, 36, 261, 72},
                                 .columns = {{.caption = L"Windows", .width = 220}},
                                 .checkBoxes = true,
                                 .gridLines = true,
                                 .showColumnHeaders = false});
    for (const StartupRow& row : kStartupRows) ListView1.Add({.caption = row.caption});
    btn_Help.Create(*this, {.text = L"Help", .bounds = {137, 210, 75, 25},
                            .anchors = tk::akRight | tk::akBottom});
    btn_Close.Create(*this, {.text = L"Close", .bounds = {218, 210, 75, 25},
                             .anchors = tk::akRight | tk::akBottom, .isDefault = true, .cancel = true});

    OnShow = [this] { FormShow(); };
    OnClose = [this](tk::CloseAction& action) { FormClose(action); };
    ComboBox1.OnClick = [this] { ComboBox1Click(); };
    btn_Close.OnClick = [this] { btn_CloseClick(); };
    btn_Help.OnClick = [this] { btn_HelpClick(); };
}

Tfrm_DayloomPrefs::~Tfrm_DayloomPrefs() {
    if (frm_DayloomPrefs == this) frm_DayloomPrefs = nullptr;
}

void Tfrm_DayloomPrefs::FormShow() {
    std::wstring trayChoice = ReadPreference(L"Tray Double Click");
    int index = StrToInt(trayChoice.empty() ? L"0" : trayChoice);
    ComboBox1.SetItemIndex(index >= 0 && index < ComboBox1.Count() ? index : -1);

    for (int i = 0; i < ListView1.Count(); ++i) {
        const StartupRow& row = kStartupRows[i];
        std::wstring value = ReadPreference(row.valueName);
        ListView1.SetChecked(i, row.onByDefault ? value != L"No" : value == L"Yes");
    }
}

void Tfrm_DayloomPrefs::ComboBox1Click() {
    WritePreference(L"Tray Double Click", std::to_wstring(ComboBox1.ItemIndex()));
}

void Tfrm_DayloomPrefs::FormClose(tk::CloseAction& action) {
    for (int i = 0; i < ListView1.Count(); ++i)
        WritePreference(kStartupRows[i].valueName, ListView1.Checked(i) ? L"Yes" : L"No");
    action = tk::caFree;
}

void Tfrm_DayloomPrefs::btn_CloseClick() { Close(); }

void Tfrm_DayloomPrefs::btn_HelpClick() { ShowHelpTopic(L"Contents"); }
