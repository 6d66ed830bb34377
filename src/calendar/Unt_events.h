// The Events Calendar window: the month grid and the events of the selected day.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "calendar/CalendarPrefs.h"
#include "calendar/DayList.h"
#include "calendar/EventStore.h"
#include "calendar/MonthGrid.h"
#include "calendar/StoreReadCache.h"
#include "toolkit/Button.h"
#include "toolkit/DrawGrid.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"

namespace tk { class RegistryWatch; }

class Tfrm_Events : public tk::Form {
public:
    explicit Tfrm_Events(tk::Form* owner);
    ~Tfrm_Events() override;

    tk::Button btn_BackYear, btn_BackMonth, btn_ForwardMonth, btn_ForwardYear;
    tk::Panel pnl_Date;
    tk::DrawGrid Grid1;
    tk::Button btn_BackDay, btn_ForwardDay;
    tk::Panel pnl_Day;
    tk::ListView lsv_Events;
    tk::Button btn_Icons, btn_Delete, btn_Edit, btn_New, btn_Close;
    tk::MainMenu MainMenu1;
    tk::PopupMenu pop_Events;
    std::unique_ptr<tk::PopupMenu> pop_Cal;  // rebuilt on every right click
    tk::ImageList ImageList1;                // the event images

    // The selected date (no time of day); set it, then UpdateCalendar.
    TDateTime CurrentDate = 0;
    int ImageCount = 0;
    const CalendarPreferences& Preferences() const { return prefs_; }

    void UpdateCalendar();
    void FillDayList();
    void SaveDayList();
    void SizeGridCells();
    void LoadCalendarPreferences();
    void LoadEventImages();

    void btn_NewClick();
    void btn_EditClick();
    void btn_DeleteClick();
    void mnu_OnTopClick();
    void mnu_EventCreateAlarmClick();
    // The grid's right-click menu for the cell under a client point of Grid1.
    void ShowCalendarPopup(int x, int y);

private:
    void BuildMenus();
    void FormShow();
    void FormClose(tk::CloseAction& action);
    void FormDestroy();
    void FormResize();
    void StopFloating();
    void Step(GridStep step);
    void pnl_DateDblClick();
    void Grid1Click();
    void Grid1DrawCell(HDC dc, int col, int row, const RECT& rect, tk::GridDrawStates state);
    void Grid1MouseDown(tk::MouseButton button, int x, int y);
    void NewEvent1Click(const std::wstring& caption);
    void RemoveDaysIcon1Click();
    void lsv_EventsColumnClick(int column);
    void mnu_DayloomHelpClick();
    void mnu_AboutClick();
    EventStore Events() const;

    MonthView view_;
    bool Updating = false;
    TDateTime PopupDate = 0;
    DayListSort sort_;
    CalendarPreferences prefs_;
    MonthPaint paint_;  // the 42 day cells, read once at the start of each repaint
    // What the grid read, kept from one repaint to the next until the
    // registry reports a change below the root or this window changes a day.
    StoreReadCache gridReads_;
    std::unique_ptr<tk::RegistryWatch> registryWatch_;
    tk::ImageList glyphs_;
};

// The one Events Calendar window, while it exists.
extern Tfrm_Events* frm_Events;

// A day-list row and the list view's row, both ways.
EventRow DayListRow(const tk::ListView& list, int index);
std::vector<EventRow> DayListRows(const tk::ListView& list);
int AddDayListRow(tk::ListView& list, const EventRow& row);

// Appends the event images of the "Event Images" folder beside the program
// ("Image0.bmp" to "Image99.bmp", missing numbers skipped); returns how many.
int AppendEventImages(tk::ImageList& images);
// A colour value as the drawing functions take it (system colours resolved).
COLORREF ToColorRef(TColor color);
