#include "alarms/Unt_alarms.h"

#include "alarms/AlarmStore.h"
#include "app/Commands.h"
#include "common/DateFormat.h"
#include "common/Unt_common.h"
#include "resource.h"
#include "toolkit/LocalTime.h"

Tfrm_Alarms* frm_Alarms = nullptr;

namespace {

const std::wstring kPlacementKey = L"Alarm Window";

std::vector<std::wstring> QuickPickTexts() {
    return {QuickPickItems.begin(), QuickPickItems.end()};
}

}  // namespace

Tfrm_Alarms::Tfrm_Alarms(tk::Form* owner)
    : tk::Form({.owner = owner, .caption = L"Alarm Manager", .clientWidth = 399,
                .clientHeight = 373, .border = tk::BorderStyle::Sizeable,
                .position = tk::Position::ScreenCenter, .appWindow = true,
                .minClientWidth = 399, .minClientHeight = 300, .iconId = IDI_ALARMS}) {
    GroupBox1.Create(*this, {.text = L"Create Alarm", .bounds = {8, 4, 234, 190}});
    Label5.Create(GroupBox1, {.text = L"Quick Pick:", .bounds = {8, 22, 70, 15}});
    cmb_QuickPick.Create(GroupBox1, {.bounds = {84, 18, 143, 21},
                                     .style = tk::ComboStyle::DropDownList,
                                     .items = QuickPickTexts()});
    Label1.Create(GroupBox1, {.text = L"Description:", .bounds = {8, 49, 70, 15}});
    txt_AlarmDescription.Create(GroupBox1, {.bounds = {84, 45, 143, 21}});
    Label2.Create(GroupBox1, {.text = L"Date:", .bounds = {8, 76, 70, 15}});
    oph_Date.Create(GroupBox1, {.bounds = {84, 72, 110, 21}});
    Label3.Create(GroupBox1, {.text = L"Time:", .bounds = {8, 103, 70, 15}});
    oph_Time.Create(GroupBox1, {.bounds = {84, 99, 110, 21}});
    Label6.Create(GroupBox1, {.text = L"Alarm Sound:", .bounds = {8, 130, 74, 15}});
    FileCombo1.Create(GroupBox1, {.bounds = {84, 126, 104, 21}});
    btn_Play.Create(GroupBox1, {.text = L"Play", .bounds = {191, 125, 36, 23}});
    CheckBox1.Create(GroupBox1, {.text = L"Daily Alarm", .bounds = {8, 160, 100, 17}});
    btn_AlarmCreate.Create(GroupBox1, {.text = L"Create", .bounds = {152, 156, 75, 25}});

    GroupBox2.Create(*this, {.text = L"Time", .bounds = {248, 4, 143, 190}});
    lbl_Zone.Create(GroupBox2, {.bounds = {6, 16, 131, 28}, .alignment = tk::Alignment::Center,
                                .wordWrap = true, .autoSize = false, .showAccelChar = false});
    OvcClock1.Create(GroupBox2, {.bounds = {30, 44, 82, 82}});
    Panel1.Create(GroupBox2, {.bounds = {13, 129, 116, 21}, .bevelOuter = tk::Bevel::None,
                              .bevelInner = tk::Bevel::Lowered,
                              .color = GetSysColor(COLOR_WINDOW)});
    btn_Zones.Create(GroupBox2, {.text = L"Zones", .bounds = {7, 157, 62, 25}});
    btn_Update.Create(GroupBox2, {.text = L"Update", .bounds = {74, 157, 62, 25}});

    Label4.Create(*this, {.text = L"Active Alarms:", .bounds = {8, 200, 120, 15}});
    ImageList1.Create(16, 16);
    ImageList1.AddIconResource(IDI_ALARMS);
    lsv_Alarm.Create(*this, {.bounds = {8, 217, 383, 117},
                             .anchors = tk::akLeft | tk::akTop | tk::akRight | tk::akBottom,
                             .columns = {{L"Time", 75}, {L"Date", 75}, {L"Description", 150},
                                         {L"Alarm Sound", 150}},
                             .gridLines = true, .rowSelect = true, .hideSelection = false,
                             .smallImages = &ImageList1});

    const tk::Anchors bottomLeft = tk::akLeft | tk::akBottom;
    const tk::Anchors bottomRight = tk::akRight | tk::akBottom;
    btn_Calendar.Create(*this, {.text = L"Calendar", .bounds = {8, 341, 70, 25}, .anchors = bottomLeft});
    btn_Task.Create(*this, {.text = L"Task Lists", .bounds = {82, 341, 70, 25}, .anchors = bottomLeft});
    btn_Help.Create(*this, {.text = L"Help", .bounds = {156, 341, 70, 25}, .anchors = bottomLeft});
    btn_AlarmDelete.Create(*this, {.text = L"Delete", .bounds = {237, 341, 75, 25}, .anchors = bottomRight});
    btn_Close.Create(*this, {.text = L"Close", .bounds = {316, 341, 75, 25}, .anchors = bottomRight,
                             .cancel = true});

    OnShow = [this] { FormShow(); };
    OnClose = [this](tk::CloseAction& action) { FormClose(action); };
    OnDestroy = [this] { FormDestroy(); };
    cmb_QuickPick.OnClick = [this] { cmb_QuickPickChange(); };
    btn_Play.OnClick = [this] { btn_PlayClick(); };
    btn_AlarmCreate.OnClick = [this] { btn_AlarmCreateClick(); };
    OvcClock1.OnSecondChange = [this] { OvcClock1SecondChange(); };
    btn_Zones.OnClick = [this] { btn_ZonesClick(); };
    btn_Update.OnClick = [this] { btn_UpdateClick(); };
    btn_Calendar.OnClick = [this] { btn_CalendarClick(); };
    btn_Task.OnClick = [this] { btn_TaskClick(); };
    btn_Help.OnClick = [this] { btn_HelpClick(); };
    btn_AlarmDelete.OnClick = [this] { btn_AlarmDeleteClick(); };
    btn_Close.OnClick = [this] { Close(); };

    const TDateTime now = tk::LocalNow();
    oph_Time.SetTime(now);
    oph_Date.SetDate(now);
}

void Tfrm_Alarms::FormShow() {
    ShowZoneName();
    OvcClock1.Start();
    OvcClock1SecondChange();
    FileCombo1.SetDirectory(ProgramFolder());
    RestoreWindowPlacement(RegistryRoot, *this, kPlacementKey, true, true);
    FillAlarmList();
}

void Tfrm_Alarms::FormClose(tk::CloseAction& action) {
    SaveWindowPlacement(RegistryRoot, *this, kPlacementKey, true, true);
    action = tk::caFree;
}

void Tfrm_Alarms::FormDestroy() {
    if (frm_Alarms == this) frm_Alarms = nullptr;
}

void Tfrm_Alarms::OvcClock1SecondChange() {
    Panel1.SetText(FormatDateTime(L"tt", OvcClock1.Time(), CurrentFormatSettings()));
}

void Tfrm_Alarms::ShowZoneName() {
    TIME_ZONE_INFORMATION zone{};
    const DWORD id = GetTimeZoneInformation(&zone);
    const ZoneTime inForce = id == TIME_ZONE_ID_DAYLIGHT   ? ZoneTime::Daylight
                             : id == TIME_ZONE_ID_STANDARD ? ZoneTime::Standard
                                                           : ZoneTime::NoDaylightRules;
    lbl_Zone.SetText(ZoneName(inForce, zone.StandardName, zone.DaylightName));
}

void Tfrm_Alarms::Prefill(const std::wstring& description, const std::wstring& timeText,
                          const std::wstring& dateText) {
    txt_AlarmDescription.SetText(description);
    oph_Time.SetText(timeText);
    oph_Date.SetText(dateText);
}

void Tfrm_Alarms::FillAlarmList() {
    lsv_Alarm.BeginUpdate();
    lsv_Alarm.Clear();
    for (const AlarmRow& row : ::FillAlarmList(UserStore(), RegistryRoot, CurrentFormatSettings()))
        lsv_Alarm.Add({.caption = row.time, .subItems = {row.date, row.description, row.sound},
                       .imageIndex = 0});
    lsv_Alarm.EndUpdate();
}

std::vector<AlarmRow> Tfrm_Alarms::Rows() const {
    std::vector<AlarmRow> rows;
    for (int i = 0; i < lsv_Alarm.Count(); ++i)
        rows.push_back({lsv_Alarm.Caption(i), lsv_Alarm.SubItem(i, 0), lsv_Alarm.SubItem(i, 1),
                        lsv_Alarm.SubItem(i, 2)});
    return rows;
}

void Tfrm_Alarms::SaveAlarmList() {
    ::SaveAlarmList(UserStore(), RegistryRoot, Rows(), CurrentFormatSettings(),
                    DecodeDate(tk::LocalNow()).year);
}

void Tfrm_Alarms::btn_AlarmCreateClick() {
    // A text that is not a date or a time stops here with the error report.
    const TDateTime moment = oph_Date.Date() + oph_Time.Time();
    std::wstring description = txt_AlarmDescription.Text();
    const CreateResult result = CreateAlarm(UserStore(), RegistryRoot, moment, CheckBox1.Checked(),
                                            description, FileCombo1.FileName(),
                                            CurrentFormatSettings());
    if (result == CreateResult::Duplicate)
        AppMessageBox(DuplicateAlarmMessage, MB_ICONINFORMATION | MB_OK);
    else if (description != txt_AlarmDescription.Text())
        txt_AlarmDescription.SetText(description);
    FillAlarmList();
}

void Tfrm_Alarms::cmb_QuickPickChange() {
    const int index = cmb_QuickPick.ItemIndex();
    if (index < 0) return;
    const TDateTime moment = QuickPickMoment(tk::LocalNow(), index);
    oph_Time.SetTime(moment);
    oph_Date.SetDate(moment);
    btn_AlarmCreateClick();
}

void Tfrm_Alarms::btn_AlarmDeleteClick() {
    const int selected = lsv_Alarm.Selected();
    if (selected < 0) return;
    lsv_Alarm.Delete(selected);
    SaveAlarmList();
}

void Tfrm_Alarms::btn_PlayClick() {
    if (btn_Play.Text() == L"Play") {
        const std::wstring path = WavePath(ProgramFolder(), FileCombo1.FileName());
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            PlayWaveLoop(path, false);
        btn_Play.SetText(L"Stop");
        btn_Play.UseMessageFont(true);
    } else {
        PlayWaveLoop(L"", true);
        btn_Play.SetText(L"Play");
        btn_Play.UseMessageFont(false);
    }
}

// Placed for the Time Zones window and the clock synchronisation, which come
// with their own windows.
void Tfrm_Alarms::btn_ZonesClick() {}
void Tfrm_Alarms::btn_UpdateClick() {}

void Tfrm_Alarms::btn_CalendarClick() {
    if (TheAppCommands) TheAppCommands->OpenEvents();
}

void Tfrm_Alarms::btn_TaskClick() {
    if (TheAppCommands) TheAppCommands->OpenTasks();
}

void Tfrm_Alarms::btn_HelpClick() { ShowHelpTopic(L"Alarm Manager"); }

void OpenAlarmManagerPrefilled(const std::wstring& description, const std::wstring& timeText,
                               const std::wstring& dateText) {
    if (TheAppCommands) TheAppCommands->OpenAlarms();
    if (frm_Alarms) frm_Alarms->Prefill(description, timeText, dateText);
}
