#include "calendar/Unt_newevent.h"

#include <algorithm>

#include "calendar/Unt_events.h"
#include "common/Unt_common.h"

namespace {
// Two-digit years typed into the date field fall in 1920 to 2019.
constexpr int DateEpoch = 1920;
constexpr int PaletteRows = 10;
constexpr int PaletteCellSize = 18;
}  // namespace

Tfrm_NewEvent::Tfrm_NewEvent(tk::Form* owner, std::optional<DayListRowRef> editedItem)
    : tk::Form({.owner = owner,
                .caption = L"Event",
                .clientWidth = 421,
                .clientHeight = 293,
                .border = tk::BorderStyle::Dialog,
                .position = tk::Position::ScreenCenter,
                .freeOnClose = true}),
      EditedItem(editedItem) {
    ImageList1.Create(16, 16);
    GroupBox1.Create(*this, {.bounds = {0, 0, 421, 256}, .bevelOuter = tk::Bevel::None});

    // Creation order is the tab order: time, description, location,
    // frequency, reminders, icon palette, date.
    Label1.Create(GroupBox1, {.text = L"Date:", .bounds = {8, 8, 40, 13}});
    Label2.Create(GroupBox1, {.text = L"Time:", .bounds = {111, 8, 40, 13}});
    oph_Time.Create(GroupBox1, {.bounds = {111, 24, 64, 21}});
    Label3.Create(GroupBox1, {.text = L"Description:", .bounds = {8, 52, 80, 13}});
    txt_Description.Create(GroupBox1, {.bounds = {8, 68, 167, 106}, .scrollBars = tk::ScrollBars::Vertical});
    Label4.Create(GroupBox1, {.text = L"Location:", .bounds = {8, 182, 80, 13}});
    txt_Location.Create(GroupBox1, {.bounds = {8, 198, 167, 21}});
    RadioGroup1.Create(GroupBox1, {.text = L"Frequency", .bounds = {183, 150, 110, 100},
                                   .items = {L"This Day Only", L"Weekly", L"Monthly", L"Yearly"},
                                   .itemIndex = 0});
    GroupBox2.Create(GroupBox1, {.text = L"Reminders", .bounds = {297, 150, 116, 100}});
    chk_DayBefore.Create(GroupBox2, {.text = L"Day Before", .bounds = {6, 18, 106, 17}});
    chk_WeekBefore.Create(GroupBox2, {.text = L"Week Before", .bounds = {6, 38, 106, 17}});
    chk_2WeeksBefore.Create(GroupBox2, {.text = L"2 Weeks Before", .bounds = {6, 58, 106, 17}});
    chk_MonthBefore.Create(GroupBox2, {.text = L"Month Before", .bounds = {6, 78, 106, 17}});
    Label5.Create(GroupBox1, {.text = L"Icon:", .bounds = {183, 8, 40, 13}});
    Grid2.Create(GroupBox1, {.bounds = {183, 24, 230, 118}, .columns = PaletteColumns, .rows = PaletteRows,
                             .defaultColWidth = PaletteCellSize, .defaultRowHeight = PaletteCellSize,
                             .verticalScrollBar = true});
    oph_Date.Create(GroupBox1, {.bounds = {8, 24, 95, 21}, .epoch = DateEpoch});

    btn_Help.Create(*this, {.text = L"Help", .bounds = {8, 262, 75, 25}});
    btn_Save.Create(*this, {.text = L"Save", .bounds = {256, 262, 75, 25}});
    btn_Cancel.Create(*this, {.text = L"Cancel", .bounds = {338, 262, 75, 25}, .cancel = true});

    Grid2.OnDrawCell = [this](HDC dc, int col, int row, const RECT& r, tk::GridDrawStates s) {
        Grid2DrawCell(dc, col, row, r, s);
    };
    btn_Help.OnClick = [] { ShowHelpTopic(L"Adding Events"); };
    btn_Save.OnClick = [this] { btn_SaveClick(); };
    btn_Cancel.OnClick = [this] { Close(); };
    OnShow = [this] { FormShow(); };
}

void Tfrm_NewEvent::Preset(const EditorPreset& preset) {
    oph_Date.SetText(preset.dateText);
    oph_Time.SetText(preset.timeText);
    txt_Description.SetText(preset.description);
    txt_Location.SetText(preset.location);
    RadioGroup1.SetItemIndex(preset.type);
    tk::CheckBox* boxes[] = {&chk_DayBefore, &chk_WeekBefore, &chk_2WeeksBefore, &chk_MonthBefore};
    for (size_t r = 0; r < preset.reminders.size(); ++r) boxes[r]->SetChecked(preset.reminders[r]);
    if (preset.paletteCell) Grid2.SetCurrentCell(preset.paletteCell->column, preset.paletteCell->row);
}

void Tfrm_NewEvent::FormShow() {
    SetActiveControl(oph_Time);
    ImageList1.Clear();
    if (frm_Events) {
        for (int i = 0, n = frm_Events->ImageList1.Count(); i < n; ++i) {
            const tk::Icon icon = frm_Events->ImageList1.GetIcon(i);
            ImageList1.AddIcon(icon.get());
        }
        ImageCount = ImageList1.Count();
    } else {
        LoadImages();
    }
}

void Tfrm_NewEvent::LoadImages() { ImageCount = AppendEventImages(ImageList1); }

void Tfrm_NewEvent::Grid2DrawCell(HDC dc, int col, int row, const RECT& r, tk::GridDrawStates state) {
    if (state & tk::gdSelected) FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    const int icon = row * PaletteColumns + col;
    if (icon < ImageCount) ImageList1.Draw(dc, r.left + 1, r.top + 1, icon);
    if (state & tk::gdFocused) DrawFocusRect(dc, &r);
}

EventFields Tfrm_NewEvent::Fields() const {
    EventFields fields;
    fields.when = oph_Date.Date() + oph_Time.Time();
    fields.description = txt_Description.Text();
    fields.location = txt_Location.Text();
    fields.type = std::max(RadioGroup1.ItemIndex(), 0);
    fields.reminders = {chk_DayBefore.Checked(), chk_WeekBefore.Checked(), chk_2WeeksBefore.Checked(),
                        chk_MonthBefore.Checked()};
    fields.icon = IconOfPaletteCell({Grid2.Col(), Grid2.Row()});
    return fields;
}

void Tfrm_NewEvent::btn_SaveClick() {
    const EventFields fields = Fields();
    const EventStore events(UserStore(), CurrentFormatSettings());
    if (EditedItem) {
        if (fields.description.empty()) {
            AppMessageBox(MsgEnterDescription, MB_OK | MB_ICONINFORMATION);
            return;
        }
        tk::ListView& list = *EditedItem->list;
        list.Delete(EditedItem->index);
        AddDayListRow(list, EditedRow(events, fields));
        list.Sort();  // the day list keeps its order as rows come in
        SetModalResult(tk::mrOk);
        return;
    }
    const SaveEventResult result = SaveNewEvent(events, fields, [](const std::wstring& question) {
        return AppMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
    });
    if (result == SaveEventResult::NeedsDescription)
        AppMessageBox(MsgEnterDescription, MB_OK | MB_ICONINFORMATION);
    if (result == SaveEventResult::Saved) SetModalResult(tk::mrOk);
}
