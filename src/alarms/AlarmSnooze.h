// The ringing window's behaviour: ringing, snoozing (visible or hidden) and
// closed, driven by the window's handlers and its clock's second events.
// Portable; the window supplies the effects through AlarmRinger::View.
#pragma once
#include <array>
#include <string>

#include "common/Store.h"

// Shared by every ringing window of the program.
struct SnoozeShared {
    int SnoozeMinutes = 10;
    bool Snoozing = false;
};
SnoozeShared& ProgramSnooze();

struct SnoozeChoice {
    const wchar_t* text;
    int minutes;
};
inline constexpr std::array<SnoozeChoice, 11> SnoozeChoices = {{
    {L"1 minute", 1}, {L"2 minutes", 2}, {L"3 minutes", 3}, {L"4 minutes", 4},
    {L"5 minutes", 5}, {L"10 minutes", 10}, {L"15 minutes", 15}, {L"20 minutes", 20},
    {L"30 minutes", 30}, {L"45 minutes", 45}, {L"1 hour", 60},
}};
inline constexpr int DefaultSnoozeIndex = 5;

inline const std::wstring SnoozeIndexValue = L"Snooze Index";
inline const std::wstring ExpiredHeadline = L"The Following Alarm has Expired:";
inline const std::wstring SnoozeOverHeadline = L"Snooze time is over!";
inline const std::wstring SnoozingQuestion =
    L"This alarm is snoozing. Do you want to just hide this alarm?\n\r\n\r"
    L"Clicking the \"No\" button will disable the snooze timer and cancel this alarm.";

// The snooze box's item for a stored "Snooze Index": -1 for none (a negative
// index), DefaultSnoozeIndex when missing, not a number, or past the last item.
int SnoozeIndexFromText(const std::wstring& stored);

class AlarmRinger {
public:
    // The window side. The clock is the window's analogue clock: it counts
    // seconds since it was last started, in either mode.
    class View {
    public:
        virtual ~View() = default;
        virtual void PlayWave() = 0;  // loops until stopped or replaced
        virtual void StopWave() = 0;
        virtual void StartClock(bool timerMode) = 0;  // restarts the count at 0
        virtual long long ClockElapsedSeconds() = 0;
        virtual void SelectSnoozeItem(int index) = 0;
        virtual void SetHeadline(const std::wstring& text) = 0;
        // Restores from minimised, shows and brings to the front; a hidden
        // window's show runs FormShow again.
        virtual void ShowInFront() = 0;
        virtual void HideWindow() = 0;
        virtual void CloseWindow() = 0;  // goes through CloseQuery and Close
        // The snoozing question; true for any answer but No.
        virtual bool AskJustHide() = 0;
        virtual void RestorePlacement() = 0;
        virtual void SavePlacement() = 0;
    };

    enum class State { Ringing, SnoozingVisible, SnoozingHidden, Closed };

    AlarmRinger(View& view, Store& store, std::wstring basePath,
                SnoozeShared& shared = ProgramSnooze());

    void FormShow();
    void Snooze(const std::wstring& snoozeText);
    void SecondChange();
    void Silence();
    void Cancel();
    // False when the close is refused; the window is then hidden.
    bool CloseQuery();
    void FormClose();
    void SnoozeBoxChange(int itemIndex);

    State GetState() const;
    bool TimerMode() const { return timerMode_; }

private:
    View& view_;
    Store& store_;
    std::wstring prefsKey_;
    SnoozeShared& shared_;
    bool timerMode_ = false;
    bool visible_ = false;
    bool closed_ = false;

    void ApplySnoozeIndex(int index);
    void Hide();
};
