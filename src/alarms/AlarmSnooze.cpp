#include "alarms/AlarmSnooze.h"

#include "common/DateFormat.h"
#include "common/Errors.h"

SnoozeShared& ProgramSnooze() {
    static SnoozeShared shared;
    return shared;
}

int SnoozeIndexFromText(const std::wstring& stored) {
    if (stored.empty()) return DefaultSnoozeIndex;
    int index;
    try {
        index = StrToInt(stored);
    } catch (const EConvertError&) {
        return DefaultSnoozeIndex;
    }
    if (index < 0) return -1;
    return index < static_cast<int>(SnoozeChoices.size()) ? index : DefaultSnoozeIndex;
}

AlarmRinger::AlarmRinger(View& view, Store& store, std::wstring basePath, SnoozeShared& shared)
    : view_(view), store_(store), prefsKey_(std::move(basePath) + L"Preferences"),
      shared_(shared) {}

void AlarmRinger::ApplySnoozeIndex(int index) {
    // No selection keeps the length in force.
    if (index >= 0 && index < static_cast<int>(SnoozeChoices.size()))
        shared_.SnoozeMinutes = SnoozeChoices[index].minutes;
}

void AlarmRinger::FormShow() {
    visible_ = true;
    view_.RestorePlacement();
    view_.StartClock(timerMode_);
    view_.PlayWave();
    const int index = SnoozeIndexFromText(store_.ReadString(prefsKey_, SnoozeIndexValue));
    view_.SelectSnoozeItem(index);
    ApplySnoozeIndex(index);
}

void AlarmRinger::Snooze(const std::wstring& snoozeText) {
    view_.SetHeadline(L"Snoozing for " + snoozeText + L".");
    view_.StopWave();
    timerMode_ = true;
    view_.StartClock(true);
    shared_.Snoozing = true;
}

void AlarmRinger::SecondChange() {
    // Counts in either mode: a window left open rings again after the snooze
    // length, snoozed or not.
    if (view_.ClockElapsedSeconds() <= shared_.SnoozeMinutes * 60LL) return;
    timerMode_ = false;
    view_.StartClock(false);
    view_.PlayWave();
    view_.SetHeadline(SnoozeOverHeadline);
    view_.ShowInFront();
    visible_ = true;
    shared_.Snoozing = false;
}

void AlarmRinger::Silence() { view_.StopWave(); }

void AlarmRinger::Hide() {
    visible_ = false;
    view_.HideWindow();
}

void AlarmRinger::Cancel() {
    if (shared_.Snoozing) {
        if (view_.AskJustHide()) {
            Hide();
            return;
        }
        shared_.Snoozing = false;
    }
    view_.CloseWindow();
}

bool AlarmRinger::CloseQuery() {
    if (!shared_.Snoozing) return true;
    Hide();
    return false;
}

void AlarmRinger::FormClose() {
    view_.StopWave();
    view_.SavePlacement();
    visible_ = false;
    closed_ = true;
}

void AlarmRinger::SnoozeBoxChange(int itemIndex) {
    store_.WriteString(prefsKey_, SnoozeIndexValue, std::to_wstring(itemIndex));
    ApplySnoozeIndex(itemIndex);
}

AlarmRinger::State AlarmRinger::GetState() const {
    if (closed_) return State::Closed;
    if (!timerMode_) return State::Ringing;
    return visible_ ? State::SnoozingVisible : State::SnoozingHidden;
}
