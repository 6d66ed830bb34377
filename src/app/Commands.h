// The main form's window commands, for the windows that open one another
// (the Alarm Manager's "Calendar" and "Task Lists" buttons, the "Create Alarm
// to remind me ..." commands). The main form installs itself at creation and
// removes itself when it goes. Portable; no platform headers.
#pragma once

struct AppCommands {
    virtual ~AppCommands() = default;
    virtual void OpenEvents() = 0;  // mnu_EventsClick
    virtual void OpenAlarms() = 0;  // mnu_AlarmsClick
    virtual void OpenTasks() = 0;   // mnu_TaskClick
};

// nullptr while no main form exists (tests, start-up).
inline AppCommands* TheAppCommands = nullptr;
