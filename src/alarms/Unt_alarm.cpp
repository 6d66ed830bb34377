#include "alarms/Unt_alarm.h"

#include <vector>

#include "common/Unt_common.h"

Tfrm_Alarm* frm_Alarm = nullptr;

namespace {

const std::wstring kPlacementKey = L"Alarm Form";

std::vector<std::wstring> SnoozeItems() {
    std::vector<std::wstring> items;
    for (const SnoozeChoice& c : SnoozeChoices) items.push_back(c.text);
    return items;
}

}  // namespace

Tfrm_Alarm::Tfrm_Alarm(tk::Form* owner)
    : tk::Form({.owner = owner, .caption = L"Alarm", .clientWidth = 317, .clientHeight = 158,
                .border = tk::BorderStyle::Single, .position = tk::Position::ScreenCenter,
                .appWindow = true, .maximizeBox = false}),
      ringer_(*this, UserStore(), RegistryRoot) {
    Panel1.Create(*this, {.bounds = {8, 8, 301, 108}, .bevelOuter = tk::Bevel::Lowered,
                          .border = true, .color = GetSysColor(COLOR_WINDOW)});
    OvcClock1.Create(Panel1, {.bounds = {5, 6, 90, 90}});
    Label1.Create(Panel1, {.text = ExpiredHeadline, .bounds = {100, 8, 195, 16},
                           .autoSize = false, .showAccelChar = false});
    Label2.Create(Panel1, {.bounds = {100, 30, 195, 68}, .wordWrap = true, .autoSize = false,
                           .bold = true, .showAccelChar = false});
    Label3.Create(Panel1, {.bounds = {100, 80, 10, 10}, .visible = false, .showAccelChar = false});
    ComboBox1.Create(*this, {.bounds = {8, 126, 96, 21}, .style = tk::ComboStyle::DropDown,
                             .items = SnoozeItems(), .dropDownCount = 11});
    btn_Snooze.Create(*this, {.text = L"<- Snooze", .bounds = {110, 124, 70, 25}});
    btn_Silence.Create(*this, {.text = L"Silence", .bounds = {184, 124, 60, 25}});
    btn_Close.Create(*this, {.text = L"Cancel", .bounds = {248, 124, 61, 25}, .cancel = true});

    // Designed as a 325 by 190 window.
    tk::Rect outer = BoundsPixels();
    outer.width = Scale(325);
    outer.height = Scale(190);
    SetBoundsPixels(outer);

    OnShow = [this] { FormShow(); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    OnClose = [this](tk::CloseAction& action) { FormClose(action); };
    OnDestroy = [this] { FormDestroy(); };
    OvcClock1.OnSecondChange = [this] { OvcClock1SecondChange(); };
    btn_Snooze.OnClick = [this] { btn_SnoozeClick(); };
    btn_Silence.OnClick = [this] { btn_SilenceClick(); };
    btn_Close.OnClick = [this] { btn_CloseClick(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
}

void Tfrm_Alarm::FormShow() { ringer_.FormShow(); }
void Tfrm_Alarm::FormCloseQuery(bool& canClose) { canClose = ringer_.CloseQuery(); }

void Tfrm_Alarm::FormClose(tk::CloseAction& action) {
    ringer_.FormClose();
    action = tk::caFree;
}

void Tfrm_Alarm::FormDestroy() {
    if (frm_Alarm == this) frm_Alarm = nullptr;
}

void Tfrm_Alarm::OvcClock1SecondChange() { ringer_.SecondChange(); }
void Tfrm_Alarm::btn_SnoozeClick() { ringer_.Snooze(ComboBox1.Text()); }
void Tfrm_Alarm::btn_SilenceClick() { ringer_.Silence(); }
void Tfrm_Alarm::btn_CloseClick() { ringer_.Cancel(); }
void Tfrm_Alarm::ComboBox1Change() { ringer_.SnoozeBoxChange(ComboBox1.ItemIndex()); }

void Tfrm_Alarm::PlayWave() { PlayWaveLoop(WavePath(ProgramFolder(), Label3.Text()), false); }
void Tfrm_Alarm::StopWave() { PlayWaveLoop(L"", true); }

void Tfrm_Alarm::StartClock(bool timerMode) {
    OvcClock1.Stop();
    OvcClock1.SetMode(timerMode ? tk::ClockMode::Timer : tk::ClockMode::Clock);
    OvcClock1.Start();
}

long long Tfrm_Alarm::ClockElapsedSeconds() { return OvcClock1.ElapsedSeconds(); }
void Tfrm_Alarm::SelectSnoozeItem(int index) { ComboBox1.SetItemIndex(index); }
void Tfrm_Alarm::SetHeadline(const std::wstring& text) { Label1.SetText(text); }

void Tfrm_Alarm::ShowInFront() {
    SetWindowState(tk::WindowState::Normal);
    Show();
    SetForeground();
}

void Tfrm_Alarm::HideWindow() { Hide(); }
void Tfrm_Alarm::CloseWindow() { Close(); }

bool Tfrm_Alarm::AskJustHide() {
    return AppMessageBox(SnoozingQuestion, MB_ICONQUESTION | MB_YESNO) != IDNO;
}

void Tfrm_Alarm::RestorePlacement() { RestoreWindowPlacement(RegistryRoot, *this, kPlacementKey, false, false); }
void Tfrm_Alarm::SavePlacement() { SaveWindowPlacement(RegistryRoot, *this, kPlacementKey, false, false); }

Tfrm_Alarm* OpenAlarmWindow(tk::Form* owner, const AlarmData& alarm) {
    auto* window = new Tfrm_Alarm(owner);
    frm_Alarm = window;
    window->Label2.SetText(alarm.description);
    window->Label3.SetText(alarm.wave);
    window->Show();
    window->SetForeground();
    return window;
}
