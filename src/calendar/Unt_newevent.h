// The event editor: the modal dialog for one event. Without an edited row it
// writes a new event (or a copy) into the store; with one it replaces that row
// of the calendar's day list, and the opener rewrites the day from the list.
#pragma once
#include <optional>

#include "calendar/EventEditor.h"
#include "toolkit/Button.h"
#include "toolkit/DateEdit.h"
#include "toolkit/DrawGrid.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Panel.h"
#include "toolkit/TimeEdit.h"

// The day-list row an editor works on.
struct DayListRowRef {
    tk::ListView* list = nullptr;
    int index = -1;
};

class Tfrm_NewEvent : public tk::Form {
public:
    explicit Tfrm_NewEvent(tk::Form* owner, std::optional<DayListRowRef> editedItem = std::nullopt);

    tk::Panel GroupBox1;  // frameless: holds every input control
    tk::Label Label1, Label2, Label3, Label4, Label5;
    tk::TimeEdit oph_Time;
    tk::Memo txt_Description;
    tk::Edit txt_Location;
    tk::RadioGroup RadioGroup1;
    tk::GroupBox GroupBox2;
    tk::CheckBox chk_DayBefore, chk_WeekBefore, chk_2WeeksBefore, chk_MonthBefore;
    tk::DrawGrid Grid2;
    tk::DateEdit oph_Date;
    tk::Button btn_Help, btn_Save, btn_Cancel;
    tk::ImageList ImageList1;
    int ImageCount = 0;

    // Fills the fields from a day-list row (edit, move, copy).
    void Preset(const EditorPreset& preset);
    void btn_SaveClick();

private:
    void FormShow();
    void LoadImages();
    void Grid2DrawCell(HDC dc, int col, int row, const RECT& rect, tk::GridDrawStates state);
    EventFields Fields() const;

    std::optional<DayListRowRef> EditedItem;
};
