// The toolkit layer on real windows: form life cycle, modal loops, the error
// report, layout, list views, menus, timers and the dialog seam.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>

#include "ToolkitFixture.h"
#include "common/Errors.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"
#include "toolkit/Timer.h"

namespace {

using tk::test::PumpUntil;

// Counts what happened to a form, beyond the form's own lifetime.
struct Probe {
    int closeQuery = 0;
    int close = 0;
    int destroy = 0;
    int deleted = 0;
};

class ProbeForm : public tk::Form {
public:
    ProbeForm(Probe& probe, const tk::FormArgs& args) : tk::Form(args), probe_(probe) {
        OnCloseQuery = [this](bool& canClose) {
            ++probe_.closeQuery;
            canClose = allowClose;
        };
        OnClose = [this](tk::CloseAction& a) {
            ++probe_.close;
            a = action;
        };
        OnDestroy = [this] { ++probe_.destroy; };
    }
    ~ProbeForm() override { ++probe_.deleted; }

    bool allowClose = true;
    tk::CloseAction action = tk::caHide;

private:
    Probe& probe_;
};

class ToolkitTest : public ::testing::Test {
protected:
    void TearDown() override {
        // No test leaves a window behind for the next.
        while (!tk::Form::All().empty()) {
            tk::Form* f = tk::Form::All().back();
            f->SetHeld(false);
            f->Free();
        }
    }
    tk::test::ScopedDialogHooks hooks;
};

// ---- life cycle ----

TEST_F(ToolkitTest, CloseQueryRefusalKeepsTheFormOpen) {
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"Probe"});
    f->Show();
    f->allowClose = false;
    f->Close();
    EXPECT_EQ(p.closeQuery, 1);
    EXPECT_EQ(p.close, 0);
    EXPECT_TRUE(f->Visible());

    f->allowClose = true;
    f->Close();  // caHide
    EXPECT_EQ(p.close, 1);
    EXPECT_FALSE(f->Visible());
    EXPECT_EQ(p.deleted, 0);
    f->Free();
    EXPECT_EQ(p.destroy, 1);
    EXPECT_EQ(p.deleted, 1);
}

TEST_F(ToolkitTest, CloseActionFreeDestroysAndDeletesAfterTheMessage) {
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"Probe"});
    f->action = tk::caFree;
    f->Show();
    HWND h = f->Handle();
    PostMessageW(h, WM_CLOSE, 0, 0);  // the close box
    ASSERT_TRUE(PumpUntil([&] { return p.deleted == 1; }));
    EXPECT_EQ(p.close, 1);
    EXPECT_EQ(p.destroy, 1);
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(ToolkitTest, OwnerDestroysOwnedFormsWithoutTheirCloseHandlers) {
    Probe po, pa, pb;
    auto* owner = new ProbeForm(po, {.caption = L"Owner"});
    auto* a = new ProbeForm(pa, {.owner = owner, .caption = L"Owned"});
    auto* b = new ProbeForm(pb, {.owner = owner, .caption = L"Own button", .appWindow = true});
    a->Show();
    b->Show();
    // Its own taskbar button: not owned by the owner's window, yet owned by the owner form.
    EXPECT_TRUE(GetWindowLongPtrW(b->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(b->Handle(), GW_OWNER), nullptr);
    EXPECT_EQ(GetWindow(a->Handle(), GW_OWNER), owner->Handle());
    EXPECT_EQ(b->Owner(), owner);

    owner->Free();
    for (const Probe* p : {&pa, &pb}) {
        EXPECT_EQ(p->closeQuery, 0);
        EXPECT_EQ(p->close, 0);
        EXPECT_EQ(p->destroy, 1);
        EXPECT_EQ(p->deleted, 1);
    }
    EXPECT_EQ(po.destroy, 1);
    EXPECT_EQ(po.deleted, 1);
    EXPECT_TRUE(tk::Form::All().empty());
}

// The hidden main form of the program: its own class, never shown, driven by
// posted characters and custom messages.
class MainLikeForm : public tk::Form {
public:
    explicit MainLikeForm(Probe& p)
        : tk::Form({.caption = L"Class_Dayloom", .border = tk::BorderStyle::None, .appWindow = true,
                    .className = L"TClass_Dayloom"}),
          probe(p) {
        OnKeyPress = [this](wchar_t& key) {
            keys += key;
            if (key == L'X') Close();
        };
        OnDestroy = [this] { ++probe.destroy; };
        OnCloseQuery = [this](bool&) { ++probe.closeQuery; };
    }
    ~MainLikeForm() override { ++probe.deleted; }
    std::wstring keys;
    int trayCalls = 0;
    Probe& probe;

protected:
    bool HandleMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) override {
        static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
        if (msg == WM_USER + 1 || msg == taskbarCreated) {
            ++trayCalls;
            result = 7;
            return true;
        }
        return false;
    }
};

TEST_F(ToolkitTest, RunEndsWhenTheMainFormClosesAndFreesItsWindows) {
    Probe pm, po;
    auto* main = new MainLikeForm(pm);
    auto* owned = new ProbeForm(po, {.owner = main, .caption = L"Calendar", .appWindow = true});
    owned->Show();

    HWND found = FindWindowW(L"TClass_Dayloom", L"Class_Dayloom");
    EXPECT_EQ(found, main->Handle());
    EXPECT_FALSE(IsWindowVisible(found));
    EXPECT_EQ(SendMessageW(found, WM_USER + 1, 0, WM_RBUTTONUP), 7);
    EXPECT_EQ(SendMessageW(found, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0), 7);
    EXPECT_EQ(main->trayCalls, 2);

    std::wstring keys;
    main->OnShow = [] { FAIL() << "the main form is never shown"; };
    PostMessageW(found, WM_CHAR, L'C', 0);
    PostMessageW(found, WM_CHAR, L'X', 0);
    main->OnDestroy = [&] {
        keys = main->keys;
        ++pm.destroy;
    };
    EXPECT_EQ(tk::Application::Run(*main), 0);

    EXPECT_EQ(keys, L"CX");
    EXPECT_EQ(pm.closeQuery, 1);
    EXPECT_EQ(pm.destroy, 1);
    EXPECT_EQ(pm.deleted, 1);
    EXPECT_EQ(po.close, 0);  // owned windows go without their close handlers
    EXPECT_EQ(po.destroy, 1);
    EXPECT_EQ(po.deleted, 1);
    EXPECT_EQ(tk::Application::MainForm(), nullptr);
    EXPECT_FALSE(tk::Application::Terminated());
}

// ---- modal loops ----

class OkDialog : public tk::Form {
public:
    explicit OkDialog(tk::Form* owner)
        : tk::Form({.owner = owner, .caption = L"Dialog", .clientWidth = 200, .clientHeight = 100,
                    .border = tk::BorderStyle::Dialog, .position = tk::Position::ScreenCenter}) {
        btn_Ok.Create(*this, {.text = L"OK", .bounds = {40, 60, 75, 25}, .isDefault = true, .modalResult = tk::mrOk});
        btn_Cancel.Create(*this, {.text = L"Cancel", .bounds = {120, 60, 75, 25}, .cancel = true,
                                  .modalResult = tk::mrCancel});
        OnClose = [this](tk::CloseAction& a) {
            ++closes;
            if (refuseFirstClose && closes == 1) a = tk::caNone;
        };
    }
    tk::Button btn_Ok, btn_Cancel;
    int closes = 0;
    bool refuseFirstClose = false;
};

TEST_F(ToolkitTest, ShowModalReturnsTheModalResultOfTheClickedButton) {
    Probe po;
    auto* owner = new ProbeForm(po, {.caption = L"Owner"});
    owner->Show();
    auto dlg = tk::MakeForm<OkDialog>(owner);
    PostMessageW(dlg->btn_Ok.Handle(), BM_CLICK, 0, 0);
    bool ownerDisabledMeanwhile = false;
    dlg->OnShow = [&] { ownerDisabledMeanwhile = !IsWindowEnabled(owner->Handle()); };
    EXPECT_EQ(dlg->ShowModal(), tk::mrOk);
    EXPECT_EQ(dlg->closes, 1);
    EXPECT_FALSE(dlg->Visible());
    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    dlg.reset();
    EXPECT_EQ(owner->OwnedForms().size(), 0u);
}

TEST_F(ToolkitTest, ClosingAModalFormGivesCancelUnlessOnCloseRefuses) {
    auto dlg = tk::MakeForm<OkDialog>(nullptr);
    dlg->refuseFirstClose = true;
    tk::Timer t;
    int ticks = 0;
    t.OnTimer = [&] {
        ++ticks;
        PostMessageW(dlg->Handle(), WM_CLOSE, 0, 0);
    };
    t.Create({.interval = 30});
    EXPECT_EQ(dlg->ShowModal(), tk::mrCancel);
    EXPECT_EQ(dlg->closes, 2);  // the first close was refused, the loop went on
    EXPECT_GE(ticks, 2);
}

TEST_F(ToolkitTest, ModalLoopsNestAndTimersTickInsideThem) {
    auto outer = tk::MakeForm<OkDialog>(nullptr);
    tk::Timer background;
    int backgroundTicks = 0;
    background.OnTimer = [&] { ++backgroundTicks; };
    background.Create({.interval = 20});

    tk::ModalResult innerResult = tk::mrNone;
    int ticksInInner = 0;
    tk::Timer opener;
    opener.OnTimer = [&] {
        opener.SetEnabled(false);
        auto inner = tk::MakeForm<OkDialog>(outer.get());
        tk::Timer closer;
        closer.OnTimer = [&] {
            if (++ticksInInner == 3) inner->btn_Cancel.Click();
        };
        closer.Create({.interval = 20});
        innerResult = inner->ShowModal();
        outer->btn_Ok.Click();  // back in the outer loop
    };
    opener.Create({.interval = 20});
    EXPECT_EQ(outer->ShowModal(), tk::mrOk);
    EXPECT_EQ(innerResult, tk::mrCancel);
    EXPECT_EQ(ticksInInner, 3);
    EXPECT_GE(backgroundTicks, 3);
}

TEST_F(ToolkitTest, TimersTickWhileARealMessageBoxIsOpen) {
    tk::SetMessageBoxHook(nullptr);  // the real box this time
    int ticks = 0;
    tk::Timer t;
    t.OnTimer = [&] {
        if (++ticks == 3) {
            HWND box = FindWindowW(L"#32770", L"Dayloom");
            if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    };
    t.Create({.interval = 50});
    EXPECT_EQ(tk::ShowMessageBox(static_cast<HWND>(nullptr), L"Real box", L"Dayloom", MB_OK), IDOK);
    EXPECT_GE(ticks, 3);
    EXPECT_TRUE(tk::DialogLog::Contains(L"Real box"));
}

// ---- the error report ----

TEST_F(ToolkitTest, ExceptionsInHandlersAreReportedAndTheProgramGoesOn) {
    hooks.AnswerMessageBoxes(IDOK);
    struct Case {
        std::function<void()> raise;
        std::wstring text;
    } cases[] = {
        {[] { throw EConvertError(L"'x' is not a valid integer value"); }, L"'x' is not a valid integer value"},
        {[] { throw std::runtime_error("disk full"); }, L"disk full"},
        {[] { throw 42; }, L"Unknown error"},
    };
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"Errors"});
    tk::Button b;
    b.Create(*f, {.text = L"Go", .bounds = {8, 8, 75, 25}});
    f->Show();
    for (const auto& c : cases) {
        tk::DialogLog::Clear();
        int after = 0;
        b.OnClick = [&] {
            c.raise();
            ++after;
        };
        SendMessageW(b.Handle(), BM_CLICK, 0, 0);  // through the window procedures
        ASSERT_EQ(tk::DialogLog::Records().size(), 1u);
        const auto& r = tk::DialogLog::Records()[0];
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(r.caption, L"Dayloom");
        EXPECT_EQ(r.flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
        EXPECT_EQ(after, 0);  // the handler stopped
    }
    // A close handler that throws cancels the close.
    f->OnCloseQuery = [](bool&) { throw std::runtime_error("no"); };
    f->Close();
    EXPECT_TRUE(f->Visible());
    EXPECT_TRUE(tk::DialogLog::Contains(L"no"));
}

// ---- layout ----

TEST_F(ToolkitTest, DesignSizesAreClientPixelsAt96Dpi) {
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"Size", .clientWidth = 301, .clientHeight = 243,
                                .border = tk::BorderStyle::Dialog});
    ASSERT_EQ(f->Dpi(), 96u);
    EXPECT_EQ(f->ClientWidthPixels(), 301);
    EXPECT_EQ(f->ClientHeightPixels(), 243);
    tk::Button b;
    b.Create(*f, {.text = L"B", .bounds = {8, 9, 75, 25}});
    EXPECT_EQ(b.Bounds(), (tk::Rect{8, 9, 75, 25}));

    // A main menu does not eat the designed client area.
    tk::MainMenu menu;
    menu.Add({.name = L"File1", .caption = L"&File"}).Add({.name = L"mnu_Exit", .caption = L"E&xit"});
    menu.Create(*f);
    EXPECT_EQ(GetMenu(f->Handle()), menu.Handle());
    EXPECT_EQ(f->ClientHeightPixels(), 243);
}

TEST_F(ToolkitTest, AnchoredAndAlignedControlsFollowTheFormsSize) {
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"Anchors", .clientWidth = 300, .clientHeight = 200});
    tk::Button corner;
    corner.Create(*f, {.text = L"Close", .bounds = {217, 167, 75, 25}, .anchors = tk::akRight | tk::akBottom});
    tk::Edit wide;
    wide.Create(*f, {.bounds = {8, 40, 284, 21}, .anchors = tk::akLeft | tk::akTop | tk::akRight});
    tk::GroupBox box;
    box.Create(*f, {.text = L"Box", .bounds = {8, 70, 284, 90},
                    .anchors = tk::akLeft | tk::akTop | tk::akRight | tk::akBottom});
    tk::Button inner;  // anchored inside the group box, which itself stretches
    inner.Create(box, {.text = L"In", .bounds = {200, 55, 75, 25}, .anchors = tk::akRight | tk::akBottom});
    tk::Panel top;
    top.Create(*f, {.text = L"Top", .bounds = {0, 0, 10, 30}, .align = tk::Align::Top});

    EXPECT_EQ(top.BoundsPixels(), (tk::Rect{0, 0, 300, 30}));
    tk::Rect outer = f->BoundsPixels();
    SetWindowPos(f->Handle(), nullptr, 0, 0, outer.width + 100, outer.height + 50, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(f->ClientWidthPixels(), 400);
    EXPECT_EQ(corner.BoundsPixels(), (tk::Rect{317, 217, 75, 25}));
    EXPECT_EQ(wide.BoundsPixels(), (tk::Rect{8, 40, 384, 21}));
    EXPECT_EQ(box.BoundsPixels(), (tk::Rect{8, 70, 384, 140}));
    EXPECT_EQ(inner.BoundsPixels(), (tk::Rect{300, 105, 75, 25}));
    EXPECT_EQ(top.BoundsPixels(), (tk::Rect{0, 0, 400, 30}));
}

// ---- keyboard ----

TEST_F(ToolkitTest, TabEnterAndEscWorkInTheActiveForm) {
    auto dlg = tk::MakeForm<OkDialog>(nullptr);
    tk::Edit first, second;
    first.Create(*dlg, {.bounds = {8, 8, 100, 21}});
    second.Create(*dlg, {.bounds = {8, 32, 100, 21}});
    first.SetTabOrder(0);
    second.SetTabOrder(1);
    int okClicks = 0, cancelClicks = 0;
    dlg->btn_Ok.OnClick = [&] { ++okClicks; };
    dlg->btn_Cancel.OnClick = [&] { ++cancelClicks; };
    dlg->btn_Ok.SetModalResult(tk::mrNone);
    dlg->btn_Cancel.SetModalResult(tk::mrNone);
    dlg->Show();
    SetForegroundWindow(dlg->Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == dlg->Handle(); }));
    first.SetFocus();

    auto key = [](HWND to, WPARAM vk) {
        PostMessageW(to, WM_KEYDOWN, vk, 1);
        PostMessageW(to, WM_KEYUP, vk, 0xC0000001);
    };
    key(first.Handle(), VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return second.Focused(); }));
    key(second.Handle(), VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return okClicks == 1; }));
    key(second.Handle(), VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return cancelClicks == 1; }));
}

TEST_F(ToolkitTest, KeyPreviewSeesAndCanSwallowTheControlsKeys) {
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"Preview", .keyPreview = true});
    tk::Edit edit;
    edit.Create(*f, {.bounds = {8, 8, 100, 21}});
    std::wstring seen;
    f->OnKeyPress = [&](wchar_t& key) {
        seen += key;
        if (key == L'a') key = 0;
    };
    f->Show();
    for (wchar_t ch : {L'a', L'b'}) PostMessageW(edit.Handle(), WM_CHAR, ch, 1);
    ASSERT_TRUE(PumpUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen, L"ab");
    EXPECT_EQ(edit.Text(), L"b");
}

TEST_F(ToolkitTest, ADpiChangeRescalesTheLayout) {
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"Dpi", .clientWidth = 200, .clientHeight = 100});
    tk::Button b;
    b.Create(*f, {.text = L"B", .bounds = {100, 60, 75, 25}, .anchors = tk::akRight | tk::akBottom});
    tk::Rect outer = f->BoundsPixels();
    RECT suggested{outer.left, outer.top, outer.left + outer.width * 2, outer.top + outer.height * 2};
    SendMessageW(f->Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    // Twice the size, and still anchored to the (now larger) bottom right corner.
    const int right = f->ClientWidthPixels() - (200 - 175) * 2, bottom = f->ClientHeightPixels() - (100 - 85) * 2;
    EXPECT_EQ(b.BoundsPixels(), (tk::Rect{right - 150, bottom - 50, 150, 50}));
}

// ---- controls with reflected notifications ----

TEST_F(ToolkitTest, ListViewRowsColumnsSortAndColumnClick) {
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"List", .clientWidth = 400, .clientHeight = 300});
    tk::GroupBox box;  // notifications pass through the group box to the list
    box.Create(*f, {.text = L"Events", .bounds = {4, 4, 392, 292}});
    tk::ListView lv;
    lv.Create(box, {.bounds = {8, 20, 376, 260},
                    .columns = {{L"Time", 75}, {L"Description", 100}, {L"Hidden", 0}},
                    .checkBoxes = true, .gridLines = true, .rowSelect = true, .hideSelection = false});
    f->Show();
    EXPECT_EQ(lv.ColumnCount(), 3);
    EXPECT_EQ(lv.ColumnWidth(0), 75);
    EXPECT_EQ(lv.ColumnWidth(2), 0);

    lv.Add({.caption = L"10:00", .subItems = {L"b", L"x"}, .data = 1});
    lv.Add({.caption = L"09:00", .subItems = {L"a"}, .data = 2, .checked = true});
    lv.Add({.caption = L"11:00", .subItems = {L"a"}, .data = 3});
    ASSERT_EQ(lv.Count(), 3);
    EXPECT_EQ(lv.SubItem(0, 1), L"x");
    EXPECT_EQ(lv.SubItem(1, 1), L"");
    EXPECT_TRUE(lv.Checked(1));
    EXPECT_FALSE(lv.Checked(0));
    EXPECT_EQ(lv.Item(2).data, 3);

    // By description; rows that compare equal keep their order.
    lv.OnCompare = [](const tk::ListItem& a, const tk::ListItem& b) { return a.subItems[0].compare(b.subItems[0]); };
    lv.Sort();
    EXPECT_EQ(lv.Data(0), 2);
    EXPECT_EQ(lv.Data(1), 3);
    EXPECT_EQ(lv.Data(2), 1);
    EXPECT_TRUE(lv.Checked(0));  // state travels with the row

    std::vector<std::pair<int, bool>> selections;
    lv.OnSelectItem = [&](int i, bool s) { selections.emplace_back(i, s); };
    lv.SetSelected(1);
    lv.SetSelected(2);
    EXPECT_EQ(lv.Selected(), 2);
    EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {2, true}}));

    int checkedRow = -1;
    lv.OnItemChecked = [&](int i) { checkedRow = i; };
    lv.SetChecked(2, true);
    EXPECT_EQ(checkedRow, 2);

    // A real click on the second heading.
    int clicked = -1;
    lv.OnColumnClick = [&](int c) { clicked = c; };
    HWND header = reinterpret_cast<HWND>(SendMessageW(lv.Handle(), LVM_GETHEADER, 0, 0));
    RECT r;
    SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(header, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(clicked, 1);

    lv.Delete(0);
    EXPECT_EQ(lv.Count(), 2);
    EXPECT_EQ(lv.Data(0), 3);
}

TEST_F(ToolkitTest, ComboBoxInAGroupBoxGetsItsSelectionNotice) {
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"Combo"});
    tk::GroupBox box;
    box.Create(*f, {.text = L"Tray Icon", .bounds = {8, 8, 285, 73}});
    tk::ComboBox cmb;
    cmb.Create(box, {.bounds = {8, 40, 269, 21}, .style = tk::ComboStyle::DropDownList,
                     .items = {L"Events Calendar", L"Alarm Manager", L"Task Lists"}, .itemIndex = 0});
    int clicks = 0;
    cmb.OnClick = [&] { ++clicks; };
    EXPECT_EQ(cmb.Count(), 3);
    EXPECT_EQ(cmb.ItemIndex(), 0);
    EXPECT_EQ(cmb.Bounds().height, 21 + 0 * clicks) << "the drop-down part is not part of the bounds";
    cmb.SetItemIndex(2);  // from code: no event
    EXPECT_EQ(clicks, 0);
    SendMessageW(box.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(cmb.Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(cmb.Handle()));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(cmb.Item(cmb.ItemIndex()), L"Task Lists");
}

// ---- menus ----

TEST_F(ToolkitTest, MenuItemsAreFoundByNameAndRunTheirCommand) {
    Probe p;
    auto* f = new ProbeForm(p, {.caption = L"Menus"});
    std::vector<std::wstring> ran;
    tk::PopupMenu pop;
    pop.Create();
    pop.Add({.name = L"mnu_About", .caption = L"About Dayloom", .onClick = [&] { ran.push_back(L"about"); }});
    pop.AddSeparator(L"N1");
    auto& sub = pop.Add({.name = L"mnu_More", .caption = L"More"});
    sub.Add({.name = L"mnu_Exit", .caption = L"Exit", .onClick = [&] { ran.push_back(L"exit"); }});
    EXPECT_EQ(GetMenuItemCount(pop.Handle()), 3);

    ASSERT_NE(pop.Find(L"mnu_Exit"), nullptr);
    EXPECT_EQ(pop.Find(L"nothing"), nullptr);
    pop.Find(L"mnu_Exit")->Click();
    EXPECT_EQ(ran, std::vector<std::wstring>{L"exit"});

    pop.Find(L"N1")->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(pop.Handle()), 2);
    auto* about = pop.Find(L"mnu_About");
    about->SetChecked(true);
    EXPECT_TRUE(GetMenuState(pop.Handle(), about->CommandId(), MF_BYCOMMAND) & MF_CHECKED);

    // A main menu command arrives as WM_COMMAND at the form.
    tk::MainMenu bar;
    auto& tools = bar.Add({.name = L"Tools1", .caption = L"&Tools"});
    auto& alarm = tools.Add({.name = L"mnu_Alarm", .caption = L"&Alarm Manager", .onClick = [&] { ran.push_back(L"alarm"); }});
    bar.Create(*f);
    SendMessageW(f->Handle(), WM_COMMAND, MAKEWPARAM(alarm.CommandId(), 0), 0);
    EXPECT_EQ(ran.back(), L"alarm");

    // The real popup: the tray rule and a choice made with the keyboard.
    f->Show();
    int popups = 0;
    pop.OnPopup = [&] { ++popups; };
    tk::Timer chooser;
    chooser.OnTimer = [&] {
        chooser.SetEnabled(false);
        keybd_event(VK_DOWN, 0, 0, 0);
        keybd_event(VK_DOWN, 0, KEYEVENTF_KEYUP, 0);
        keybd_event(VK_RETURN, 0, 0, 0);
        keybd_event(VK_RETURN, 0, KEYEVENTF_KEYUP, 0);
    };
    chooser.Create({.interval = 200});
    pop.Popup(50, 50, *f);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(ran.back(), L"about");
}

// ---- timers ----

TEST_F(ToolkitTest, TimerTicksUntilDisabledAndSurvivesAThrowingHandler) {
    hooks.AnswerMessageBoxes(IDOK);
    tk::Timer t;
    int ticks = 0;
    t.OnTimer = [&] {
        if (++ticks == 2) throw std::runtime_error("tick failed");
    };
    t.Create({.interval = 20});
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 4; }));
    EXPECT_TRUE(tk::DialogLog::Contains(L"tick failed"));
    t.SetEnabled(false);
    const int stopped = ticks;
    tk::test::Pump(100);
    EXPECT_EQ(ticks, stopped);
}

// ---- the dialog seam ----

TEST_F(ToolkitTest, HooksAnswerDialogsAndTheLogKeepsWhatWasShown) {
    std::vector<tk::MessageBoxRequest> asked;
    hooks.OnMessageBox([&](const tk::MessageBoxRequest& r) {
        asked.push_back(r);
        return IDNO;
    });
    EXPECT_EQ(tk::ShowMessageBox(static_cast<HWND>(nullptr), L"Remove the icon?", L"Dayloom", MB_YESNO | MB_ICONQUESTION),
              IDNO);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    ASSERT_EQ(tk::DialogLog::Records().size(), 1u);
    EXPECT_EQ(tk::DialogLog::Records()[0].result, IDNO);
    EXPECT_EQ(tk::DialogLog::Messages(), std::vector<std::wstring>{L"Remove the icon?"});

    hooks.OnFileDialog([](tk::FileDialog& d) {
        if (d.Kind() != tk::FileDialogKind::Save) return false;
        d.FileName = L"C:\\temp\\cal.dyc";
        return true;
    });
    tk::SaveDialog save;
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName, L"C:\\temp\\cal.dyc");
    tk::OpenDialog open;
    EXPECT_FALSE(open.Execute());

    tk::ColorDialog cd;
    cd.CustomColors = {L"ColorC=80FF80", L"ColorA=0000FF", L"bad", L"ColorZ=000000"};
    COLORREF slots[16];
    cd.ReadCustomColors(slots);
    EXPECT_EQ(slots[0], 0x0000FFu);
    EXPECT_EQ(slots[1], RGB(255, 255, 255));
    EXPECT_EQ(slots[2], 0x80FF80u);
    slots[1] = RGB(0x12, 0x34, 0x56);
    cd.WriteCustomColors(slots);
    ASSERT_EQ(cd.CustomColors.size(), 16u);
    EXPECT_EQ(cd.CustomColors[1], L"ColorB=563412");
    EXPECT_EQ(cd.CustomColors[15], L"ColorP=FFFFFF");
    hooks.OnColorDialog([](tk::ColorDialog& d) {
        d.Color = RGB(1, 2, 3);
        return true;
    });
    EXPECT_TRUE(cd.Execute());
    EXPECT_EQ(cd.Color, RGB(1, 2, 3));
}

}  // namespace
