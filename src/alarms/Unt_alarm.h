// The ringing window: shows an alarm's description, loops its wave file and
// offers Snooze, Silence and Cancel; it rings again each time the snooze length
// has passed for as long as it is open.
#pragma once
#include <string>

#include "alarms/AlarmSnooze.h"
#include "alarms/AlarmStore.h"
#include "toolkit/AnalogClock.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

class Tfrm_Alarm : public tk::Form, private AlarmRinger::View {
public:
    explicit Tfrm_Alarm(tk::Form* owner);

    tk::Panel Panel1;
    tk::AnalogClock OvcClock1;
    tk::Label Label1;
    tk::Label Label2;
    tk::Label Label3;
    tk::ComboBox ComboBox1;
    tk::Button btn_Snooze;
    tk::Button btn_Silence;
    tk::Button btn_Close;

    AlarmRinger::State State() const { return ringer_.GetState(); }

    // The clock's second event, public so that tests can run it after moving
    // the clock on.
    void OvcClock1SecondChange();

private:
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void FormClose(tk::CloseAction& action);
    void FormDestroy();
    void btn_SnoozeClick();
    void btn_SilenceClick();
    void btn_CloseClick();
    void ComboBox1Change();

    // AlarmRinger::View
    void PlayWave() override;
    void StopWave() override;
    void StartClock(bool timerMode) override;
    long long ClockElapsedSeconds() override;
    void SelectSnoozeItem(int index) override;
    void SetHeadline(const std::wstring& text) override;
    void ShowInFront() override;
    void HideWindow() override;
    void CloseWindow() override;
    bool AskJustHide() override;
    void RestorePlacement() override;
    void SavePlacement() override;

    AlarmRinger ringer_;
};

// The most recently opened ringing window; cleared when it is destroyed.
extern Tfrm_Alarm* frm_Alarm;

// Opens a ringing window for the alarm, owned by `owner` (the main form):
// shown without waiting and made the foreground window.
Tfrm_Alarm* OpenAlarmWindow(tk::Form* owner, const AlarmData& alarm);
