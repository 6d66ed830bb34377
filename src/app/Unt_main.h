// The hidden main form: owner of the tray icon and its menu, of the scheduler
// timer, and of the three main windows, which it opens on request.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "alarms/AlarmTick.h"
#include "app/Commands.h"
#include "app/ShellRules.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"
#include "toolkit/Timer.h"

// Notifications of the tray icon arrive as this message.
constexpr UINT TrayCallbackMessage = WM_USER + 1;
constexpr UINT TrayIconId = 1;

class TClass_Dayloom : public tk::Form, public AppCommands {
public:
    explicit TClass_Dayloom(StartupSwitches switches);
    ~TClass_Dayloom() override;

    tk::PopupMenu PopupMenu1;
    tk::Timer Timer1;
    tk::ImageList ImageList1;

    // The open-window commands every window uses to reach the main windows.
    void mnu_EventsClick();
    void mnu_AlarmsClick();
    void mnu_TaskClick();

    void mnu_AboutClick();
    void mnu_PrefsClick();
    void NewEvent1Click();
    void mnu_ExitClick();

    // The windows that open one another reach the three commands through this.
    void OpenEvents() override { mnu_EventsClick(); }
    void OpenAlarms() override { mnu_AlarmsClick(); }
    void OpenTasks() override { mnu_TaskClick(); }
    void ShowAbout() override { mnu_AboutClick(); }

    bool ReminderScanPending() const { return scheduler_.ReminderScanPending; }
    bool TrayIconAdded() const { return trayIconAdded_; }

protected:
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void FormCreate();
    void FormDestroy();
    void FormKeyPress(wchar_t& key);
    void Timer1Timer();
    void ScanReminders();
    void TrayIconMessage(LPARAM mouseMessage);
    void UpdateTrayIcon(DWORD operation);
    void BuildTrayMenu();
    void OpenWindow(MainWindow window);
    void ShowPreferencesModal();

    StartupSwitches switches_;
    // The alarm store is the schedule; the scheduler only remembers which daily
    // alarm rang in the current minute, and whether the reminder scan is due.
    AlarmScheduler scheduler_;
    bool trayIconAdded_ = false;
    tk::Icon trayIcon_;
    UINT taskbarCreatedMessage_ = 0;
};

// The application's main form, for as long as it exists.
extern TClass_Dayloom* Class_Dayloom;
