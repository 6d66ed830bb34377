// The main form's commands, for the windows that open one another (the Alarm
// Manager's "Calendar" and "Task Lists" buttons, the calendar's "Tools" menu,
// the "Create Alarm to remind me ..." commands) and show the About box. The main form installs itself at creation and
// removes itself when it goes. Portable; no platform headers.
#pragma once

struct AppCommands {
    virtual ~AppCommands() = default;
    virtual void OpenEvents() = 0;  // mnu_EventsClick
    virtual void OpenAlarms() = 0;  // mnu_AlarmsClick
    virtual void OpenTasks() = 0;   // mnu_TaskClick
    virtual void ShowAbout() = 0;   // mnu_AboutClick
};

// nullptr while no main form exists (tests, start-up).
inline AppCommands* TheAppCommands = nullptr;
