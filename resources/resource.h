// Resource identifiers shared by Dayloom.rc and the code.
#pragma once
#define IDI_DAYLOOM 1
#define IDI_EVENTS 101
#define IDI_ALARMS 102
#define IDI_TASKS 103
#define IDI_TRAY 104
