#include "app/Unt_main.h"

#include "about/Unt_about.h"
#include "alarms/Unt_alarm.h"
#include "alarms/Unt_alarms.h"
#include "calendar/Unt_events.h"
#include "calendar/Unt_newevent.h"
#include "common/StoreAccess.h"
#include "common/DateFormat.h"
#include "prefs/Unt_dayloomprefs.h"
#include "resource.h"
#include "tasks/Unt_task.h"
#include "toolkit/Application.h"
#include "toolkit/LocalTime.h"
#include "toolkit/Screen.h"

TClass_Dayloom* Class_Dayloom = nullptr;

namespace {

// Creates the window or brings the existing one forward, restored to its
// normal bounds. The reference is cleared by the window's own destroy handler.
template <class TWindow>
void OpenMainWindow(TWindow*& reference, tk::Form& mainForm) {
    if (reference) {
        reference->SetForeground();
        reference->SetWindowState(tk::WindowState::Normal);
    } else {
        reference = new TWindow(&mainForm);
        reference->Show();
        ShowWindow(mainForm.Handle(), SW_HIDE);
    }
    reference->BringToFront();
    reference->SetFocus();
}

}  // namespace

TClass_Dayloom::TClass_Dayloom(StartupSwitches switches)
    : tk::Form({.caption = L"Class_Dayloom",
                .border = tk::BorderStyle::None,
                .appWindow = true,
                .className = L"TClass_Dayloom"}),
      switches_(switches),
      scheduler_(UserStore(), tk::LocalNow, RegistryRoot) {
    Class_Dayloom = this;
    TheAppCommands = this;
    OnKeyPress = [this](wchar_t& key) { FormKeyPress(key); };
    OnDestroy = [this] { FormDestroy(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    FormCreate();
}

TClass_Dayloom::~TClass_Dayloom() {
    if (Class_Dayloom == this) Class_Dayloom = nullptr;
    if (TheAppCommands == this) TheAppCommands = nullptr;
}

void TClass_Dayloom::FormCreate() {
    ImageList1.Create(16, 16);
    for (int id : {IDI_EVENTS, IDI_ALARMS, IDI_TASKS, IDI_TRAY}) ImageList1.AddIconResource(id);
    trayIcon_ = ImageList1.GetIcon(3);
    BuildTrayMenu();
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
    Timer1.Create({.interval = 10000});

    scheduler_.ReminderScanPending = true;
    UpdateTrayIcon(NIM_ADD);
    for (MainWindow window : StartupWindows()) OpenWindow(window);
    if (switches_.onInstall) {
        if (HWND setup = FindWindowW(L"GLBSInstall", nullptr)) SetForegroundWindow(setup);
    }
}

void TClass_Dayloom::BuildTrayMenu() {
    PopupMenu1.Create(&ImageList1);
    PopupMenu1.Add({.name = L"mnu_About", .caption = L"About Dayloom", .onClick = [this] { mnu_AboutClick(); }});
    PopupMenu1.Add({.name = L"mnu_Prefs", .caption = L"Preferences", .onClick = [this] { mnu_PrefsClick(); }});
    PopupMenu1.AddSeparator(L"N1");
    PopupMenu1.Add({.name = L"mnu_Events", .caption = L"Events Calendar",
                    .onClick = [this] { mnu_EventsClick(); }, .imageIndex = 0});
    PopupMenu1.Add({.name = L"NewEvent1", .caption = L"New Event...", .onClick = [this] { NewEvent1Click(); }});
    PopupMenu1.AddSeparator(L"N3");
    PopupMenu1.Add({.name = L"mnu_Alarms", .caption = L"Alarm Manager",
                    .onClick = [this] { mnu_AlarmsClick(); }, .imageIndex = 1});
    PopupMenu1.Add({.name = L"mnu_Task", .caption = L"Task Lists",
                    .onClick = [this] { mnu_TaskClick(); }, .imageIndex = 2});
    PopupMenu1.AddSeparator(L"N2");
    PopupMenu1.Add({.name = L"mnu_Exit", .caption = L"Exit", .onClick = [this] { mnu_ExitClick(); }});
}

void TClass_Dayloom::FormDestroy() {
    Timer1.SetEnabled(false);
    UpdateTrayIcon(NIM_DELETE);
}

void TClass_Dayloom::UpdateTrayIcon(DWORD operation) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;  // the fields used here are all in the first form
    data.hWnd = Handle();
    data.uID = TrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayCallbackMessage;
    data.hIcon = trayIcon_.get();
    wcsncpy_s(data.szTip, L"Dayloom", _TRUNCATE);
    BOOL ok = Shell_NotifyIconW(operation, &data);
    if (operation == NIM_ADD) trayIconAdded_ = ok != FALSE;
    if (operation == NIM_DELETE) trayIconAdded_ = false;
}

bool TClass_Dayloom::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == TrayCallbackMessage) {
        tk::Invoke([this, lp] { TrayIconMessage(lp); });
    } else if (msg == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        // The shell restarted and forgot every icon.
        UpdateTrayIcon(NIM_ADD);
    }
    return false;  // the toolkit's own handling follows in every case
}

void TClass_Dayloom::TrayIconMessage(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDBLCLK:
            if (auto window = TrayDoubleClickWindow()) OpenWindow(*window);
            break;
        case WM_RBUTTONUP: {
            POINT cursor = tk::Screen::CursorPos();
            PopupMenu1.Popup(cursor.x, cursor.y, *this);
            break;
        }
        default:
            break;
    }
}

void TClass_Dayloom::FormKeyPress(wchar_t& key) {
    switch (CommandForChar(key)) {
        case MainFormCommand::OpenEvents: mnu_EventsClick(); break;
        case MainFormCommand::OpenAlarms: mnu_AlarmsClick(); break;
        case MainFormCommand::ShowPreferences: ShowPreferencesModal(); break;
        case MainFormCommand::OpenTasks: mnu_TaskClick(); break;
        case MainFormCommand::None: break;
    }
}

void TClass_Dayloom::Timer1Timer() {
    if (!trayIconAdded_) UpdateTrayIcon(NIM_ADD);  // the shell may have come up after us
    scheduler_.Run([this](const AlarmData& alarm) { OpenAlarmWindow(this, alarm); },
                   [this] { ScanReminders(); });
}

void TClass_Dayloom::ScanReminders() {
    // Reminders of coming events are shown here once the reminder windows exist.
}

void TClass_Dayloom::OpenWindow(MainWindow window) {
    switch (window) {
        case MainWindow::Events: mnu_EventsClick(); break;
        case MainWindow::Alarms: mnu_AlarmsClick(); break;
        case MainWindow::Tasks: mnu_TaskClick(); break;
    }
}

void TClass_Dayloom::mnu_EventsClick() { OpenMainWindow(frm_Events, *this); }
void TClass_Dayloom::mnu_AlarmsClick() { OpenMainWindow(frm_Alarms, *this); }
void TClass_Dayloom::mnu_TaskClick() { OpenMainWindow(frm_Task, *this); }

void TClass_Dayloom::mnu_AboutClick() {
    auto about = tk::MakeForm<Tfrm_About>(this);
    about->ShowModal();
}

void TClass_Dayloom::mnu_PrefsClick() {
    // Shown without waiting; every click opens another one, which frees itself.
    frm_DayloomPrefs = new Tfrm_DayloomPrefs(this);
    frm_DayloomPrefs->Show();
}

void TClass_Dayloom::ShowPreferencesModal() {
    auto prefs = tk::MakeForm<Tfrm_DayloomPrefs>(this);
    frm_DayloomPrefs = prefs.get();
    prefs->ShowModal();
}

void TClass_Dayloom::NewEvent1Click() {
    const TDateTime now = tk::LocalNow();
    auto editor = tk::MakeForm<Tfrm_NewEvent>(this);
    editor->oph_Date.SetText(FormatDateTime(L"ddddd", now, CurrentFormatSettings()));
    editor->oph_Time.SetText(FormatDateTime(L"t", now, CurrentFormatSettings()));
    editor->ShowModal();
}

void TClass_Dayloom::mnu_ExitClick() { Close(); }
