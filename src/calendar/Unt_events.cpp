#include "calendar/Unt_events.h"

#include <algorithm>

#include "alarms/Unt_alarms.h"
#include "app/Commands.h"
#include "calendar/CalendarMenu.h"
#include "calendar/Unt_newevent.h"
#include "common/DateFormat.h"
#include "common/Unt_common.h"
#include "holidays/HolidayStore.h"
#include "toolkit/Handles.h"
#include "toolkit/LocalTime.h"
#include "toolkit/RegistryWatch.h"

Tfrm_Events* frm_Events = nullptr;

namespace {

const std::wstring PlacementKey = L"Events Window";
const std::wstring OnTopValue = L"Calendar OnTop";

// Glyphs of the navigation buttons, in this order in glyphs_.
enum Glyph { GlyphBackYear, GlyphBack, GlyphForward, GlyphForwardYear, GlyphCount };
constexpr int GlyphSize = 12;

// Draws the arrow glyphs into one strip on magenta, the image list's mask colour.
void DrawGlyphs(tk::ImageList& glyphs) {
    glyphs.Create(GlyphSize, GlyphSize);
    tk::WindowDC screen(nullptr);
    tk::MemoryDC dc(CreateCompatibleDC(screen));
    tk::Bitmap strip(CreateCompatibleBitmap(screen, GlyphSize * GlyphCount, GlyphSize));
    {
        tk::SelectGuard keep(dc.get(), strip.get());
        RECT all{0, 0, GlyphSize * GlyphCount, GlyphSize};
        tk::Brush magenta(CreateSolidBrush(tk::kMaskMagenta));
        FillRect(dc.get(), &all, magenta.get());
        tk::Brush ink(CreateSolidBrush(RGB(0, 0, 0)));
        tk::Pen none(CreatePen(PS_NULL, 0, 0));
        tk::SelectGuard brush(dc.get(), ink.get());
        tk::SelectGuard pen(dc.get(), none.get());
        // One triangle pointing left or right, its tip at x, in glyph g.
        auto triangle = [&](int g, int x, bool left) {
            const int o = g * GlyphSize;
            const int back = left ? x + 4 : x - 4;
            POINT p[3] = {{o + x, 6}, {o + back, 2}, {o + back, 10}};
            if (!left) {
                p[0].x += 1;
            }
            Polygon(dc.get(), p, 3);
        };
        triangle(GlyphBackYear, 2, true);
        triangle(GlyphBackYear, 6, true);
        triangle(GlyphBack, 4, true);
        triangle(GlyphForward, 8, false);
        triangle(GlyphForwardYear, 6, false);
        triangle(GlyphForwardYear, 10, false);
    }
    glyphs.AddBitmap(strip.get(), tk::kMaskMagenta);
}

TDateTime Today() { return DateOf(tk::LocalNow()); }

bool Confirmed(const std::wstring& question) {
    return AppMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The locale's collation, ignoring case: the order of the grid menu's entries.
int CompareLocaleText(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size())) - CSTR_EQUAL;
}

}  // namespace

COLORREF ToColorRef(TColor color) {
    return IsSystemColor(color) ? GetSysColor(SystemColorIndex(color)) : static_cast<COLORREF>(color);
}

EventRow DayListRow(const tk::ListView& list, int index) {
    const tk::ListItem item = list.Item(index);
    DayListTexts texts;
    texts[ColTime] = item.caption;
    for (int c = 1; c < DayListColumnCount; ++c)
        if (c - 1 < static_cast<int>(item.subItems.size())) texts[c] = item.subItems[c - 1];
    return FromColumns(texts, item.imageIndex);
}

std::vector<EventRow> DayListRows(const tk::ListView& list) {
    std::vector<EventRow> rows;
    for (int i = 0, n = list.Count(); i < n; ++i) rows.push_back(DayListRow(list, i));
    return rows;
}

int AddDayListRow(tk::ListView& list, const EventRow& row) {
    const DayListTexts texts = ToColumns(row);
    tk::ListItem item;
    item.caption = texts[ColTime];
    item.subItems.assign(texts.begin() + 1, texts.end());
    item.imageIndex = row.imageIndex;
    return list.Add(item);
}

int AppendEventImages(tk::ImageList& images) {
    const std::wstring folder = ProgramFolder() + L"\\Event Images\\";
    int loaded = 0;
    for (int n = 0; n <= 99; ++n) {
        const std::wstring path = folder + L"Image" + std::to_wstring(n) + L".bmp";
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        if (images.AddBitmapFile(path) >= 0) ++loaded;
    }
    return loaded;
}

Tfrm_Events::Tfrm_Events(tk::Form* owner)
    : tk::Form({.owner = owner,
                .caption = L"Events Calendar",
                .clientWidth = 273,
                .clientHeight = 336,
                .appWindow = true,
                .minWidth = 281,
                .minHeight = 216,
                .freeOnClose = true,
                .exStyle = WS_EX_NOPARENTNOTIFY}),
      gridReads_(UserStore()),
      registryWatch_(std::make_unique<tk::RegistryWatch>(RegistryRoot)) {
    ImageList1.Create(16, 16);
    DrawGlyphs(glyphs_);
    using tk::akBottom, tk::akLeft, tk::akRight, tk::akTop;

    btn_BackYear.Create(*this, {.bounds = {0, 0, 21, 18}, .images = &glyphs_, .imageIndex = GlyphBackYear});
    btn_BackMonth.Create(*this, {.bounds = {21, 0, 20, 18}, .images = &glyphs_, .imageIndex = GlyphBack});
    pnl_Date.Create(*this, {.bounds = {41, 0, 191, 18}, .anchors = akLeft | akTop | akRight,
                            .bevelOuter = tk::Bevel::Lowered, .color = RGB(255, 255, 255),
                            .fontColor = RGB(0, 0, 0)});
    btn_ForwardMonth.Create(*this, {.bounds = {232, 0, 20, 18}, .anchors = akTop | akRight,
                                    .images = &glyphs_, .imageIndex = GlyphForward});
    btn_ForwardYear.Create(*this, {.bounds = {252, 0, 21, 18}, .anchors = akTop | akRight,
                                   .images = &glyphs_, .imageIndex = GlyphForwardYear});
    Grid1.Create(*this, {.bounds = {0, 19, 273, 143}, .anchors = akLeft | akTop | akRight,
                         .columns = GridColumns, .rows = GridRows, .fixedRows = 1, .defaultColWidth = 37,
                         .defaultRowHeight = 19});
    btn_BackDay.Create(*this, {.bounds = {0, 163, 20, 18}, .images = &glyphs_, .imageIndex = GlyphBack});
    pnl_Day.Create(*this, {.bounds = {20, 163, 233, 18}, .anchors = akLeft | akTop | akRight,
                           .bevelOuter = tk::Bevel::Lowered, .color = RGB(255, 255, 255),
                           .fontColor = RGB(0, 0, 0)});
    btn_ForwardDay.Create(*this, {.bounds = {253, 163, 20, 18}, .anchors = akTop | akRight,
                                  .images = &glyphs_, .imageIndex = GlyphForward});
    lsv_Events.Create(*this, {.bounds = {0, 182, 273, 121}, .anchors = akLeft | akTop | akRight | akBottom,
                              .columns = {{L"Time", 75}, {L"Description", 100}, {L"Location", 100},
                                          {L"Date", 75}, {L"Day Before", 0}, {L"Week Before", 0},
                                          {L"2 Weeks Before", 0}, {L"Month Before", 0}, {L"Type", 0},
                                          {L"ddddd", 0}},
                              .gridLines = true, .rowSelect = true, .hideSelection = false,
                              .smallImages = &ImageList1});
    btn_Icons.Create(*this, {.text = L"Custom", .bounds = {4, 308, 50, 23}, .anchors = akRight | akBottom});
    btn_Delete.Create(*this, {.text = L"Delete", .bounds = {58, 308, 50, 23}, .anchors = akRight | akBottom});
    btn_Edit.Create(*this, {.text = L"Edit", .bounds = {112, 308, 50, 23}, .anchors = akRight | akBottom});
    btn_New.Create(*this, {.text = L"New", .bounds = {166, 308, 50, 23}, .anchors = akRight | akBottom});
    btn_Close.Create(*this, {.text = L"Close", .bounds = {220, 308, 50, 23}, .anchors = akRight | akBottom});

    BuildMenus();
    lsv_Events.SetPopupMenu(&pop_Events);

    btn_BackYear.OnClick = [this] { Step(GridStep::BackYear); };
    btn_BackMonth.OnClick = [this] { Step(GridStep::BackMonth); };
    btn_ForwardMonth.OnClick = [this] { Step(GridStep::ForwardMonth); };
    btn_ForwardYear.OnClick = [this] { Step(GridStep::ForwardYear); };
    btn_BackDay.OnClick = [this] { Step(GridStep::BackDay); };
    btn_ForwardDay.OnClick = [this] { Step(GridStep::ForwardDay); };
    pnl_Date.OnDblClick = [this] { pnl_DateDblClick(); };
    pnl_Day.OnDblClick = [this] { pnl_DateDblClick(); };
    Grid1.OnBeforePaint = [this] {
        if (registryWatch_->Changed()) gridReads_.Invalidate();
        const EventStore cached(gridReads_, CurrentFormatSettings());
        paint_ = PaintMonth(cached, view_, {Grid1.Col(), Grid1.Row()}, Today(), prefs_);
    };
    Grid1.OnDrawCell = [this](HDC dc, int col, int row, const RECT& r, tk::GridDrawStates s) {
        Grid1DrawCell(dc, col, row, r, s);
    };
    Grid1.OnClick = [this] { Grid1Click(); };
    Grid1.OnMouseDown = [this](tk::MouseButton b, tk::ShiftState, int x, int y) { Grid1MouseDown(b, x, y); };
    lsv_Events.OnCompare = [this](const tk::ListItem& a, const tk::ListItem& b) {
        auto row = [](const tk::ListItem& item) {
            EventRow r;
            r.time = item.caption;
            if (!item.subItems.empty()) r.description = item.subItems[0];
            if (item.subItems.size() > 1) r.location = item.subItems[1];
            return r;
        };
        return CompareEventRows(row(a), row(b), sort_, CurrentFormatSettings());
    };
    lsv_Events.OnColumnClick = [this](int column) { lsv_EventsColumnClick(column); };
    lsv_Events.OnDblClick = [this] { btn_EditClick(); };
    btn_New.OnClick = [this] { btn_NewClick(); };
    btn_Edit.OnClick = [this] { btn_EditClick(); };
    btn_Delete.OnClick = [this] { btn_DeleteClick(); };
    btn_Close.OnClick = [this] { Close(); };

    OnShow = [this] { FormShow(); };
    OnClose = [this](tk::CloseAction& action) { FormClose(action); };
    OnDestroy = [this] { FormDestroy(); };
    OnResize = [this] { FormResize(); };
}

Tfrm_Events::~Tfrm_Events() = default;

void Tfrm_Events::BuildMenus() {
    auto stopFloating = [this] { StopFloating(); };
    auto& cal = MainMenu1.Add({.name = L"Calendar1", .caption = L"&Calendar"});
    cal.Add({.name = L"mnu_CalPrefs", .caption = L"&Calendar Preferences", .onClick = stopFloating});
    cal.Add({.name = L"mnu_HolidayEditor", .caption = L"&Holiday Editor", .onClick = stopFloating});
    cal.AddSeparator(L"N1");
    cal.Add({.name = L"mnu_CalPrint", .caption = L"&Print List of Events...", .onClick = stopFloating});
    cal.AddSeparator(L"N2");
    cal.Add({.name = L"mnu_SaveCal", .caption = L"&Save Calendar Events", .onClick = stopFloating});
    cal.Add({.name = L"mnu_ImportCal", .caption = L"&Import Calendar Events...", .onClick = stopFloating});
    cal.AddSeparator(L"N3");
    cal.Add({.name = L"mnu_DeleteCal", .caption = L"&Delete All Calendar Events", .onClick = stopFloating});
    cal.AddSeparator(L"N4");
    cal.Add({.name = L"mnu_Exit", .caption = L"E&xit", .onClick = [this] { Close(); }});

    auto& tools = MainMenu1.Add({.name = L"Tools1", .caption = L"&Tools"});
    tools.Add({.name = L"mnu_Alarm", .caption = L"&Alarm Manager",
               .onClick = [] { if (TheAppCommands) TheAppCommands->OpenAlarms(); }});
    tools.Add({.name = L"mnu_TaskList", .caption = L"&Task Lists",
               .onClick = [] { if (TheAppCommands) TheAppCommands->OpenTasks(); }});
    // Floating is reached only through a stored "Calendar OnTop".
    tools.AddSeparator(L"N5").SetVisible(false);
    tools.Add({.name = L"mnu_OnTop", .caption = L"Float Events Calendar Window",
               .onClick = [this] { mnu_OnTopClick(); }, .visible = false});

    auto& help = MainMenu1.Add({.name = L"Help1", .caption = L"&Help"});
    help.Add({.name = L"mnu_DayloomHelp", .caption = L"Dayloom Help", .onClick = [this] { mnu_DayloomHelpClick(); }});
    help.AddSeparator(L"N6");
    help.Add({.name = L"mnu_About", .caption = L"&About Dayloom", .onClick = [this] { mnu_AboutClick(); }});
    MainMenu1.Create(*this);

    pop_Events.Create();
    pop_Events.Add({.name = L"mnu_EventCreateAlarm", .caption = L"Create Alarm to remind me of this event...",
                    .onClick = [this] { mnu_EventCreateAlarmClick(); }});
    pop_Events.AddSeparator(L"N7");
    pop_Events.Add({.name = L"mnu_New", .caption = L"New", .onClick = [this] { btn_NewClick(); }});
    pop_Events.Add({.name = L"mnu_Edit", .caption = L"Edit", .onClick = [this] { btn_EditClick(); }});
    pop_Events.AddSeparator(L"N8");
    pop_Events.Add({.name = L"mnu_Delete", .caption = L"Delete", .onClick = [this] { btn_DeleteClick(); }});
    pop_Events.AddSeparator(L"N9");
    pop_Events.Add({.name = L"mnu_CancelEvents", .caption = L"Cancel Menu"});
}

EventStore Tfrm_Events::Events() const { return EventStore(UserStore(), CurrentFormatSettings()); }

void Tfrm_Events::FormShow() {
    ImageCount = 0;
    sort_ = DayListSort{0, true};
    LoadCalendarPreferences();
    RestoreWindowPlacement(RegistryRoot, *this, PlacementKey, true, true);
    LoadEventImages();
    CurrentDate = Today();
    UpdateCalendar();
    SizeGridCells();
    if (RegReadString(RegistryRoot, L"Preferences", OnTopValue) == L"Yes") mnu_OnTopClick();
}

void Tfrm_Events::FormClose(tk::CloseAction& action) {
    for (int c = 0; c < 4; ++c)
        RegWriteString(RegistryRoot, L"Preferences", L"Column" + std::to_wstring(c),
                       std::to_wstring(lsv_Events.ColumnWidth(c)));
    SaveWindowPlacement(RegistryRoot, *this, PlacementKey, true, true);
    UserStore().Flush(RegistryRoot + L"Preferences");
    action = tk::caFree;
}

void Tfrm_Events::FormDestroy() {
    if (frm_Events == this) frm_Events = nullptr;
}

void Tfrm_Events::FormResize() { SizeGridCells(); }

void Tfrm_Events::LoadCalendarPreferences() {
    prefs_ = ::LoadCalendarPreferences(UserStore());
    for (tk::Panel* panel : {&pnl_Date, &pnl_Day}) {
        panel->SetColor(ToColorRef(prefs_.WeekdayBackColor));
        panel->SetFontColor(ToColorRef(prefs_.CalTextColor));
    }
    for (int c = 0; c < 4; ++c)
        if (prefs_.ColumnWidths[c]) lsv_Events.SetColumnWidth(c, *prefs_.ColumnWidths[c]);
}

void Tfrm_Events::LoadEventImages() {
    ImageList1.Clear();
    ImageCount = AppendEventImages(ImageList1);
}

void Tfrm_Events::SizeGridCells() {
    const CellSize size = GridCellSize(Grid1.ClientWidthPixels(), Grid1.ClientHeightPixels(),
                                       Grid1.GridLineWidthPixels());
    Grid1.SetDefaultColWidthPixels(size.width);
    Grid1.SetDefaultRowHeightPixels(size.height);
}

void Tfrm_Events::StopFloating() {
    if (tk::MenuItem* onTop = MainMenu1.Find(L"mnu_OnTop"); onTop && onTop->Checked()) mnu_OnTopClick();
}

void Tfrm_Events::mnu_OnTopClick() {
    tk::MenuItem* onTop = MainMenu1.Find(L"mnu_OnTop");
    const bool floating = !onTop->Checked();
    onTop->SetChecked(floating);
    SetTopMost(floating);
    RegWriteString(RegistryRoot, L"Preferences", OnTopValue, floating ? L"Yes" : L"No");
}

// ---- the month grid ----

void Tfrm_Events::UpdateCalendar() {
    view_ = MonthViewOf(CurrentDate);
    pnl_Date.SetText(MonthCaption(CurrentDate, CurrentFormatSettings()));
    Updating = true;
    const GridCell cell = CellOfDay(view_, view_.day);
    Grid1.SetCurrentCell(cell.column, cell.row);
    Grid1.Invalidate(false);
    FillDayList();
    Updating = false;
}

void Tfrm_Events::Step(GridStep step) {
    CurrentDate = StepDate(CurrentDate, step);
    UpdateCalendar();
}

void Tfrm_Events::pnl_DateDblClick() {
    CurrentDate = Today();
    UpdateCalendar();
}

void Tfrm_Events::Grid1Click() {
    if (Updating) return;
    const CellDay cell = CellDate(view_, Grid1.Col(), Grid1.Row());
    CurrentDate = cell.date;
    if (cell.inMonth) {
        view_.day = cell.day;
        FillDayList();
        pnl_Day.SetColor(ToColorRef(Events().DayColor(cell.date).value_or(clWhite)));
    } else {
        UpdateCalendar();
    }
}

void Tfrm_Events::Grid1DrawCell(HDC dc, int col, int row, const RECT& r, tk::GridDrawStates) {
    SetBkMode(dc, TRANSPARENT);
    if (row == 0) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        ::SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        const std::wstring text = DayNameHeader(col, CurrentFormatSettings());
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        TextOutW(dc, r.left + (r.right - r.left - extent.cx) / 2, r.top + (r.bottom - r.top - extent.cy) / 2,
                 text.c_str(), static_cast<int>(text.size()));
        tk::Pen light(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
        tk::SelectGuard pen(dc, light.get());
        MoveToEx(dc, r.left, r.bottom - 1, nullptr);
        LineTo(dc, r.left, r.top);
        LineTo(dc, r.right, r.top);
        return;
    }
    const DayCellPaint& cell = paint_.at(col, row);
    tk::Brush back(CreateSolidBrush(ToColorRef(cell.colors.background)));
    FillRect(dc, &r, back.get());
    ::SetTextColor(dc, ToColorRef(cell.colors.text));
    TextOutW(dc, r.left, r.top, cell.text.c_str(), static_cast<int>(cell.text.size()));
    if (cell.icon) ImageList1.Draw(dc, r.right - 17, r.top + 1, *cell.icon);
    if (cell.colors.focusRect) {
        ::SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &r);
    }
    if (cell.colors.todayFrame) {
        tk::Brush frame(CreateSolidBrush(ToColorRef(cell.colors.frameColor)));
        FrameRect(dc, &r, frame.get());
    }
}

void Tfrm_Events::Grid1MouseDown(tk::MouseButton button, int x, int y) {
    if (button != tk::MouseButton::Right) return;
    ShowCalendarPopup(x, y);
}

void Tfrm_Events::ShowCalendarPopup(int x, int y) {
    int col = 0, row = 0;
    if (!Grid1.MouseToCell(x, y, col, row)) return;
    PopupDate = CellDate(view_, col, row).date;
    const EventStore events = Events();
    const std::vector<std::wstring> entries = EventMenuEntries(events, PopupDate, CompareLocaleText);
    const std::wstring holiday = HolidayOf(UserStore(), PopupDate, CurrentFormatSettings());

    pop_Cal = std::make_unique<tk::PopupMenu>();
    pop_Cal->Create();
    pop_Cal->Add({.name = L"NewEvent1", .caption = L"New Event...",
                  .onClick = [this] { NewEvent1Click(L"New Event..."); }});
    pop_Cal->AddSeparator(L"N10");
    pop_Cal->Add({.name = L"RemoveDaysIcon1", .caption = L"Remove Day's Icon",
                  .onClick = [this] { RemoveDaysIcon1Click(); }});
    pop_Cal->AddSeparator(L"N11");
    for (const PopupItem& item : CalendarPopupItems(entries, holiday, prefs_.ShowHolidays)) {
        if (item.caption == L"-") {
            pop_Cal->AddSeparator();
            continue;
        }
        pop_Cal->Add({.name = item.name, .caption = item.caption,
                      .onClick = [this, caption = item.caption] { NewEvent1Click(caption); },
                      .checked = item.checked});
    }
    POINT pt{x, y};
    ClientToScreen(Grid1.Handle(), &pt);
    pop_Cal->Popup(pt.x, pt.y, *this);
}

void Tfrm_Events::NewEvent1Click(const std::wstring& caption) {
    if (caption == L"Cancel Menu") return;
    CurrentDate = PopupDate;
    UpdateCalendar();
    if (caption == L"New Event...") {
        btn_NewClick();
        return;
    }
    const int index = FindRowByTime(DayListRows(lsv_Events), TimeOfMenuCaption(caption));
    if (index < 0) return;  // the holiday item: the day is selected, nothing else
    lsv_Events.SetSelected(index);
    btn_EditClick();
}

void Tfrm_Events::RemoveDaysIcon1Click() {
    // Day customisation comes with the palette panel.
}

// ---- the day list ----

void Tfrm_Events::FillDayList() {
    const EventStore events = Events();
    sort_.column = 0;
    std::vector<EventRow> rows = events.EventsOf(CurrentDate);
    SortEventRows(rows, sort_, CurrentFormatSettings());
    lsv_Events.BeginUpdate();
    lsv_Events.Clear();
    for (const EventRow& row : rows) AddDayListRow(lsv_Events, row);
    lsv_Events.EndUpdate();

    const std::wstring holiday = HolidayOf(UserStore(), CurrentDate, CurrentFormatSettings());
    const DayPanelText panel = DayPanelFor(CurrentDate, holiday, prefs_, CurrentFormatSettings());
    pnl_Day.SetText(panel.caption);
    pnl_Day.SetFontColor(ToColorRef(panel.textColor));
    if (lsv_Events.Count() > 0) lsv_Events.SetSelected(0);
    gridReads_.Invalidate();
    Grid1.Invalidate(false);
}

void Tfrm_Events::SaveDayList() {
    ::SaveDayList(Events(), CurrentDate, DayListRows(lsv_Events), Confirmed);
}

void Tfrm_Events::lsv_EventsColumnClick(int column) {
    sort_.ColumnClick(column);
    lsv_Events.Sort();
}

void Tfrm_Events::btn_NewClick() {
    StopFloating();
    auto editor = tk::MakeForm<Tfrm_NewEvent>(this);
    editor->oph_Date.SetText(Events().Format(L"ddddd", CurrentDate));
    editor->oph_Time.SetText(Events().Format(L"t", CurrentDate));
    editor->ShowModal();
    editor.reset();
    Grid1.Invalidate(false);
    FillDayList();
}

void Tfrm_Events::btn_EditClick() {
    const int selected = lsv_Events.Selected();
    if (selected < 0) {
        AppMessageBox(MsgNothingToEdit, MB_OK | MB_ICONINFORMATION);
        return;
    }
    auto editor = tk::MakeForm<Tfrm_NewEvent>(this, DayListRowRef{&lsv_Events, selected});
    editor->Preset(PresetFromRow(DayListRow(lsv_Events, selected)));
    editor->ShowModal();
    editor.reset();
    SaveDayList();
    FillDayList();
}

void Tfrm_Events::btn_DeleteClick() {
    const int selected = lsv_Events.Selected();
    if (selected < 0) return;
    lsv_Events.Delete(selected);
    SaveDayList();
    gridReads_.Invalidate();
    Grid1.Invalidate(false);
}

void Tfrm_Events::mnu_EventCreateAlarmClick() {
    const int selected = lsv_Events.Selected();
    if (selected < 0) return;
    const EventRow row = DayListRow(lsv_Events, selected);
    OpenAlarmManagerPrefilled(row.description, row.time, Events().Format(L"ddddd", CurrentDate));
}

void Tfrm_Events::mnu_DayloomHelpClick() {
    StopFloating();
    ShowHelpTopic(L"Contents");
}

void Tfrm_Events::mnu_AboutClick() {
    StopFloating();
    if (TheAppCommands) TheAppCommands->ShowAbout();
}
