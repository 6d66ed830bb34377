// The Events Calendar window and the event editor on real windows and the
// real registry: what a new event writes, the replace question, the day's
// rewrite after an edit, sorting, the stored placement and column widths.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "RegistryFixture.h"
#include "ToolkitFixture.h"
#include "alarms/Unt_alarms.h"
#include "app/Commands.h"
#include "calendar/EventEditor.h"
#include "calendar/Unt_events.h"
#include "calendar/Unt_newevent.h"
#include "common/DateTime.h"

namespace {

using tk::test::PumpUntil;

const std::wstring Key = L"Events\\12/25/2024";  // US settings: the short date of CalendarDay
const TDateTime CalendarDay = EncodeDate(2024, 12, 25);

std::wstring Read(const std::wstring& key, const std::wstring& name) {
    return RegReadString(RegistryRoot, key, name);
}
void Write(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
    RegWriteString(RegistryRoot, key, name, value);
}

Tfrm_NewEvent* OpenEditor() {
    for (tk::Form* form : tk::Form::All())
        if (auto editor = dynamic_cast<Tfrm_NewEvent*>(form); editor && editor->Visible()) return editor;
    return nullptr;
}

// Runs action on the event editor once it shows; modal loops keep timers
// running, so this works from inside the ShowModal of the command under test.
std::function<void(Tfrm_NewEvent&)> pendingEditorAction;
void CALLBACK PollForEditor(HWND, UINT, UINT_PTR id, DWORD) {
    Tfrm_NewEvent* editor = OpenEditor();
    if (!editor || !pendingEditorAction) return;
    KillTimer(nullptr, id);
    auto action = std::move(pendingEditorAction);
    pendingEditorAction = nullptr;
    action(*editor);
}
void WhenEditorShows(std::function<void(Tfrm_NewEvent&)> action) {
    pendingEditorAction = std::move(action);
    SetTimer(nullptr, 0, 20, PollForEditor);
}

class EventsWindowTest : public RegistryRootTest {
protected:
    void TearDown() override {
        CloseCalendar();
        RegistryRootTest::TearDown();
    }

    Tfrm_Events& OpenCalendar(TDateTime day = CalendarDay) {
        frm_Events = new Tfrm_Events(nullptr);
        frm_Events->Show();
        frm_Events->CurrentDate = day;
        frm_Events->UpdateCalendar();
        return *frm_Events;
    }
    void CloseCalendar() {
        if (!frm_Events) return;
        frm_Events->Close();
        ASSERT_TRUE(PumpUntil([] { return frm_Events == nullptr; }));
    }
    static std::vector<std::wstring> Column(int sub) {
        std::vector<std::wstring> texts;
        for (int i = 0; i < frm_Events->lsv_Events.Count(); ++i)
            texts.push_back(sub < 0 ? frm_Events->lsv_Events.Caption(i) : frm_Events->lsv_Events.SubItem(i, sub));
        return texts;
    }

    tk::test::ScopedDialogHooks hooks;
};

TEST_F(EventsWindowTest, NewEventWithDayBeforeWritesDescriptionAndReminderOnly) {
    Tfrm_Events& calendar = OpenCalendar();
    WhenEditorShows([](Tfrm_NewEvent& editor) {
        editor.oph_Time.SetText(L"2:30 PM");
        editor.txt_Description.SetText(L"Dentist");
        editor.chk_DayBefore.SetChecked(true);
        editor.btn_Save.Click();
    });
    calendar.btn_New.Click();

    EXPECT_EQ(Read(Key + L"\\Events", L"2:30 PM"), L"Dentist");
    EXPECT_EQ(Read(Key + L"\\Reminders\\Day Before", L"2:30 PM"), L"Yes");
    EXPECT_TRUE(UserStore().ValueNames(RegistryRoot + Key + L"\\Locations").empty());
    for (const wchar_t* absent : {L"\\Icons", L"\\Reminders\\Week Before",
                                  L"\\Reminders\\2 Weeks Before", L"\\Reminders\\Month Before"})
        EXPECT_FALSE(UserStore().KeyExists(RegistryRoot + Key + absent)) << absent;
    EXPECT_EQ(Read(Key, L"CalIndex"), L"");
    EXPECT_TRUE(tk::DialogLog::Records().empty());
    EXPECT_EQ(Column(-1), std::vector<std::wstring>{L"2:30 PM"});  // the list shows it at once
}

TEST_F(EventsWindowTest, EmptyDescriptionKeepsTheEditorOpenAndWritesNothing) {
    Tfrm_Events& calendar = OpenCalendar();
    hooks.AnswerMessageBoxes(IDOK);
    WhenEditorShows([](Tfrm_NewEvent& editor) {
        editor.btn_Save.Click();
        EXPECT_TRUE(editor.Visible());
        editor.btn_Cancel.Click();
    });
    calendar.btn_New.Click();
    EXPECT_TRUE(tk::DialogLog::Contains(MsgEnterDescription));
    EXPECT_FALSE(UserStore().KeyExists(RegistryRoot + L"Events"));
}

TEST_F(EventsWindowTest, ReplaceQuestionDecidesWhetherTheEventIsOverwritten) {
    struct Case {
        int answer;
        std::wstring stored;
    };
    for (const Case& c : {Case{IDYES, L"New text"}, Case{IDNO, L"Old text"}}) {
        Write(Key + L"\\Events", L"9:00 AM", L"Old text");
        Tfrm_Events& calendar = OpenCalendar();
        hooks.AnswerMessageBoxes(c.answer);
        tk::DialogLog::Clear();
        bool stayedOpen = false;
        WhenEditorShows([&](Tfrm_NewEvent& editor) {
            editor.oph_Time.SetText(L"9:00 AM");
            editor.txt_Description.SetText(L"New text");
            editor.btn_Save.Click();
            stayedOpen = editor.GetModalResult() == tk::mrNone;
            if (stayedOpen) editor.btn_Cancel.Click();
        });
        calendar.btn_New.Click();
        EXPECT_TRUE(tk::DialogLog::Contains(MsgReplaceEvent)) << c.answer;
        EXPECT_EQ(Read(Key + L"\\Events", L"9:00 AM"), c.stored);
        EXPECT_EQ(stayedOpen, c.answer == IDNO);
        CloseCalendar();
        UserStore().DeleteKey(RegistryRoot);
    }
}

TEST_F(EventsWindowTest, CancelledEditStillRewritesTheDayWithTheSameEvent) {
    Write(Key + L"\\Events", L"9:00 AM", L"Dentist");
    Write(Key + L"\\Locations", L"9:00 AM", L"High Street");
    Write(Key + L"\\Reminders\\Week Before", L"9:00 AM", L"Yes");
    Write(Key + L"\\Icons", L"9:00 AM", L"4");
    Write(Key, L"CalColor", L"255");
    Write(Key + L"\\Locations", L"3:00 PM", L"orphan");  // no event of its own: the rewrite drops it
    Tfrm_Events& calendar = OpenCalendar();
    WhenEditorShows([](Tfrm_NewEvent& editor) {
        EXPECT_EQ(editor.txt_Description.Text(), L"Dentist");
        EXPECT_TRUE(editor.chk_WeekBefore.Checked());
        EXPECT_EQ(editor.Grid2.Col(), 4);
        editor.btn_Cancel.Click();
    });
    calendar.btn_Edit.Click();

    EXPECT_EQ(Read(Key + L"\\Events", L"9:00 AM"), L"Dentist");
    EXPECT_EQ(Read(Key + L"\\Locations", L"9:00 AM"), L"High Street");
    EXPECT_EQ(Read(Key + L"\\Reminders\\Week Before", L"9:00 AM"), L"Yes");
    EXPECT_EQ(Read(Key + L"\\Icons", L"9:00 AM"), L"4");
    EXPECT_EQ(Read(Key, L"CalColor"), L"255");
    EXPECT_EQ(Read(Key + L"\\Locations", L"3:00 PM"), L"");
    EXPECT_EQ(Column(0), std::vector<std::wstring>{L"Dentist"});
}

TEST_F(EventsWindowTest, SavedEditReplacesTheRowAndMovesTheEventToItsNewKey) {
    Write(Key + L"\\Events", L"9:00 AM", L"Dentist");
    Tfrm_Events& calendar = OpenCalendar();
    WhenEditorShows([](Tfrm_NewEvent& editor) {
        editor.RadioGroup1.SetItemIndex(TypeWeekly);
        editor.btn_Save.Click();
    });
    calendar.btn_Edit.Click();
    EXPECT_EQ(Read(L"Events\\Wed\\Events", L"9:00 AM"), L"Dentist");
    EXPECT_EQ(Read(Key + L"\\Events", L"9:00 AM"), L"");
    EXPECT_EQ(Column(2), std::vector<std::wstring>{L"Wed"});
}

TEST_F(EventsWindowTest, EditWithoutSelectionSaysNothingSelected) {
    Tfrm_Events& calendar = OpenCalendar();
    hooks.AnswerMessageBoxes(IDOK);
    calendar.btn_Edit.Click();
    EXPECT_EQ(tk::DialogLog::Messages(), std::vector<std::wstring>{L"Nothing selected to edit!"});
    EXPECT_EQ(OpenEditor(), nullptr);
}

TEST_F(EventsWindowTest, ColumnClicksSortByTextAndReverseTime) {
    Write(Key + L"\\Events", L"9:00 AM", L"bravo");
    Write(Key + L"\\Events", L"10:00 AM", L"alpha");
    Write(L"Events\\Wed\\Events", L"8:00 AM", L"charlie");
    Tfrm_Events& calendar = OpenCalendar();
    using Texts = std::vector<std::wstring>;
    EXPECT_EQ(Column(-1), (Texts{L"8:00 AM", L"9:00 AM", L"10:00 AM"}));  // earliest first at show

    calendar.lsv_Events.ClickColumn(1);
    EXPECT_EQ(Column(0), (Texts{L"alpha", L"bravo", L"charlie"}));
    calendar.lsv_Events.ClickColumn(1);
    EXPECT_EQ(Column(0), (Texts{L"charlie", L"bravo", L"alpha"}));
    calendar.lsv_Events.ClickColumn(0);  // a new column sorts not inverted: latest time first
    EXPECT_EQ(Column(-1), (Texts{L"10:00 AM", L"9:00 AM", L"8:00 AM"}));
}

TEST_F(EventsWindowTest, ReopenedWindowHasTheStoredPlaceSizeAndColumnWidths) {
    Tfrm_Events& first = OpenCalendar();
    first.SetBounds({40, 50, 320, 420});
    first.lsv_Events.SetColumnWidth(1, 140);
    const tk::Rect placed = first.Bounds();
    CloseCalendar();
    EXPECT_EQ(Preference(L"Column1"), L"140");

    Tfrm_Events& second = *(frm_Events = new Tfrm_Events(nullptr));
    second.Show();
    EXPECT_EQ(second.Bounds(), placed);
    EXPECT_EQ(second.lsv_Events.ColumnWidth(1), 140);
    EXPECT_EQ(second.lsv_Events.ColumnWidth(0), 75);
    EXPECT_EQ(second.lsv_Events.ColumnWidth(4), 0);  // hidden columns stay hidden
}

TEST_F(EventsWindowTest, ClickOnANextMonthDayTurnsTheGrid) {
    Tfrm_Events& calendar = OpenCalendar();  // December 2024 ends on a Tuesday: row 5 runs into January
    calendar.Grid1.ClickCell(6, 5);
    EXPECT_EQ(calendar.CurrentDate, EncodeDate(2025, 1, 4));
    EXPECT_EQ(calendar.pnl_Date.Text(), L"January 2025");
    EXPECT_EQ(calendar.Grid1.Col(), 6);
    EXPECT_EQ(calendar.Grid1.Row(), 1);
}

// The grid keeps what it read between repaints; a change made behind its back
// (another window, another program) still shows at the next repaint.
TEST_F(EventsWindowTest, DayColourWrittenElsewhereShowsAtTheNextRepaint) {
    Tfrm_Events& calendar = OpenCalendar();
    const RECT cell = calendar.Grid1.CellRect(2, 2);  // Tuesday 10 December 2024
    auto background = [&] {
        RedrawWindow(calendar.Grid1.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(calendar.Grid1.Handle());
        const COLORREF color = GetPixel(dc, cell.left + 3, cell.bottom - 3);
        ReleaseDC(calendar.Grid1.Handle(), dc);
        return color;
    };
    EXPECT_EQ(background(), RGB(255, 255, 255));
    Write(L"Events\\12/10/2024", L"CalColor", L"255");
    EXPECT_EQ(background(), RGB(255, 0, 0));
    Write(L"Events\\Tue", L"CalColor", L"65280");  // behind the day's own colour: no change
    Write(L"Events\\12/10/2024", L"CalColor", L"");
    EXPECT_EQ(background(), RGB(0, 255, 0));
}

TEST_F(EventsWindowTest, EventImagesAreLoadedBesideTheProgram) {
    Tfrm_Events& calendar = OpenCalendar();
    EXPECT_GE(calendar.ImageCount, 40);
    EXPECT_EQ(calendar.ImageList1.Count(), calendar.ImageCount);
}

}  // namespace

TEST_F(EventsWindowTest, CreateAlarmFromAnEventFillsInTheAlarmManager) {
    Write(Key + L"\\Events", L"9:00 AM", L"Dentist");
    Tfrm_Events& calendar = OpenCalendar();
    calendar.lsv_Events.SetSelected(0);
    // The main form's Alarm Manager command, as the shell runs it.
    struct Commands : AppCommands {
        void OpenEvents() override {}
        void OpenAlarms() override {
            if (frm_Alarms) return;
            frm_Alarms = new Tfrm_Alarms(nullptr);
            frm_Alarms->Show();
        }
        void OpenTasks() override {}
        void ShowAbout() override {}
    } commands;
    TheAppCommands = &commands;
    calendar.pop_Events.Find(L"mnu_EventCreateAlarm")->Click();
    TheAppCommands = nullptr;

    ASSERT_NE(frm_Alarms, nullptr);
    EXPECT_EQ(frm_Alarms->txt_AlarmDescription.Text(), L"Dentist");
    EXPECT_EQ(frm_Alarms->oph_Time.Text(), L"9:00 AM");
    EXPECT_EQ(frm_Alarms->oph_Date.Text(), L"12/25/2024");
    EXPECT_TRUE(UserStore().SubkeyNames(RegistryRoot + L"Alarms").empty());  // nothing stored yet
    frm_Alarms->Close();
    EXPECT_TRUE(PumpUntil([] { return frm_Alarms == nullptr; }));
}
