// The Alarm Manager: creates one-shot and daily alarms, lists and deletes
// them, auditions wave files, and shows the local time on an analogue clock
// with the name of the current time zone.
#pragma once
#include <string>
#include <vector>

#include "alarms/AlarmList.h"
#include "toolkit/AnalogClock.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateEdit.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Panel.h"
#include "toolkit/TimeEdit.h"
#include "toolkit/WaveFileCombo.h"

class Tfrm_Alarms : public tk::Form {
public:
    explicit Tfrm_Alarms(tk::Form* owner);

    tk::GroupBox GroupBox1;
    tk::Label Label5;
    tk::ComboBox cmb_QuickPick;
    tk::Label Label1;
    tk::Edit txt_AlarmDescription;
    tk::Label Label2;
    tk::DateEdit oph_Date;
    tk::Label Label3;
    tk::TimeEdit oph_Time;
    tk::Label Label6;
    tk::WaveFileCombo FileCombo1;
    tk::Button btn_Play;
    tk::CheckBox CheckBox1;
    tk::Button btn_AlarmCreate;
    tk::GroupBox GroupBox2;
    tk::Label lbl_Zone;
    tk::AnalogClock OvcClock1;
    tk::Panel Panel1;
    tk::Button btn_Zones;
    tk::Button btn_Update;
    tk::Label Label4;
    tk::ListView lsv_Alarm;
    tk::ImageList ImageList1;
    tk::Button btn_Calendar;
    tk::Button btn_Task;
    tk::Button btn_Help;
    tk::Button btn_AlarmDelete;
    tk::Button btn_Close;

    // Filled in by "Create Alarm to remind me of this event/task...": a time in
    // "t" form and a date in "ddddd" form. Nothing is created until "Create".
    void Prefill(const std::wstring& description, const std::wstring& timeText,
                 const std::wstring& dateText);

    void FillAlarmList();
    void SaveAlarmList();
    void ShowZoneName();

    // Handlers, public so that tests can run them as the user would.
    void btn_AlarmCreateClick();
    void cmb_QuickPickChange();
    void btn_AlarmDeleteClick();
    void btn_PlayClick();
    void OvcClock1SecondChange();

private:
    void FormShow();
    void FormClose(tk::CloseAction& action);
    void FormDestroy();
    void btn_ZonesClick();
    void btn_UpdateClick();
    void btn_CalendarClick();
    void btn_TaskClick();
    void btn_HelpClick();
    std::vector<AlarmRow> Rows() const;
};

// The one Alarm Manager, while it exists.
extern Tfrm_Alarms* frm_Alarms;

// Opens the Alarm Manager through the main form's command and fills in the
// description, time and date boxes.
void OpenAlarmManagerPrefilled(const std::wstring& description, const std::wstring& timeText,
                               const std::wstring& dateText);
