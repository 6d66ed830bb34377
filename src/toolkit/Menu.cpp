#include "toolkit/Menu.h"

#include <map>
#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"

namespace tk {
namespace {

// Command ids of all menu items, above the control ids and IDOK..IDCLOSE.
constexpr UINT kFirstCommandId = 0x4000;

std::map<UINT, MenuItem*>& Commands() {
    static std::map<UINT, MenuItem*> commands;
    return commands;
}

UINT AllocateCommandId(MenuItem* item) {
    static UINT next = kFirstCommandId;
    auto& cmds = Commands();
    for (UINT tries = 0; tries < 0xBFFF; ++tries) {
        UINT id = next++;
        if (next > 0xFFFE) next = kFirstCommandId;
        if (!cmds.count(id)) {
            cmds[id] = item;
            return id;
        }
    }
    throw std::runtime_error("out of menu command ids");
}

}  // namespace

MenuItem::MenuItem(MenuBase& menu, MenuItem* parent, MenuItemArgs args)
    : OnClick(std::move(args.onClick)), menu_(menu), parent_(parent), args_(std::move(args)) {
    args_.onClick = nullptr;
    id_ = AllocateCommandId(this);
}

MenuItem::~MenuItem() {
    Commands().erase(id_);
    if (sub_) {
        // Children own their sub menus: detach them before destroying ours.
        while (GetMenuItemCount(sub_) > 0) RemoveMenu(sub_, 0, MF_BYPOSITION);
        DestroyMenu(sub_);
    }
}

MenuItem& MenuItem::Add(MenuItemArgs args) {
    if (!sub_) {
        sub_ = CreatePopupMenu();
        if (!sub_) throw std::runtime_error("CreatePopupMenu failed");
    }
    items_.push_back(std::make_unique<MenuItem>(menu_, this, std::move(args)));
    Rebuild();
    RebuildParent();
    return *items_.back();
}

MenuItem& MenuItem::AddSeparator(std::wstring name) {
    return Add({.name = std::move(name), .caption = L"-"});
}

MenuItem* MenuItem::Find(std::wstring_view name) {
    if (!name.empty() && args_.name == name) return this;
    for (auto& c : items_)
        if (MenuItem* f = c->Find(name)) return f;
    return nullptr;
}

void MenuItem::Click() { Invoke(OnClick); }

void MenuItem::SetCaption(std::wstring caption) {
    args_.caption = std::move(caption);
    RebuildParent();
}
void MenuItem::SetChecked(bool checked) {
    args_.checked = checked;
    RebuildParent();
}
void MenuItem::SetEnabled(bool enabled) {
    args_.enabled = enabled;
    RebuildParent();
}
void MenuItem::SetVisible(bool visible) {
    args_.visible = visible;
    RebuildParent();
}
void MenuItem::SetImageIndex(int index) {
    args_.imageIndex = index;
    RebuildParent();
}

void MenuItem::RebuildParent() {
    if (!parent_) return;
    parent_->Rebuild();
    if (!parent_->parent_) menu_.Changed();
}

void MenuItem::FillInfo(MENUITEMINFOW& info, std::wstring& text) const {
    info = {};
    info.cbSize = sizeof(info);
    if (IsSeparator()) {
        info.fMask = MIIM_FTYPE | MIIM_ID;
        info.fType = MFT_SEPARATOR;
        info.wID = id_;
        return;
    }
    text = args_.caption;
    if (!args_.shortCut.empty()) text += L"\t" + args_.shortCut;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_SUBMENU | MIIM_DATA;
    info.fType = args_.radioItem ? MFT_RADIOCHECK : 0;
    info.fState = (args_.checked ? MFS_CHECKED : 0) | (args_.enabled ? 0 : MFS_DISABLED) |
                  (args_.isDefault ? MFS_DEFAULT : 0);
    info.wID = id_;
    info.hSubMenu = sub_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    info.dwTypeData = text.data();
    if (args_.imageIndex >= 0 && menu_.images_) {
        info.fMask |= MIIM_BITMAP;
        info.hbmpItem = HBMMENU_CALLBACK;
    }
}

void MenuItem::Rebuild() {
    if (!sub_) return;
    while (GetMenuItemCount(sub_) > 0) RemoveMenu(sub_, 0, MF_BYPOSITION);
    UINT pos = 0;
    for (auto& c : items_) {
        if (!c->args_.visible) continue;
        MENUITEMINFOW info;
        std::wstring text;
        c->FillInfo(info, text);
        InsertMenuItemW(sub_, pos++, TRUE, &info);
    }
}

MenuItem* MenuItem::FromCommandId(UINT id) {
    auto it = Commands().find(id);
    return it == Commands().end() ? nullptr : it->second;
}

bool MenuItem::HandleCommand(UINT id) {
    MenuItem* item = FromCommandId(id);
    if (!item) return false;
    item->Click();
    return true;
}

LRESULT MenuItem::MeasureImage(MEASUREITEMSTRUCT& mis) {
    MenuItem* item = FromCommandId(mis.itemID);
    ImageList* images = item ? item->menu_.images_ : nullptr;
    if (!images) return FALSE;
    mis.itemWidth = static_cast<UINT>(images->Width());
    mis.itemHeight = static_cast<UINT>(images->Height());
    return TRUE;
}

LRESULT MenuItem::DrawImage(DRAWITEMSTRUCT& dis) {
    MenuItem* item = FromCommandId(dis.itemID);
    ImageList* images = item ? item->menu_.images_ : nullptr;
    if (!images) return FALSE;
    const RECT& r = dis.rcItem;
    const int y = r.top + (r.bottom - r.top - images->Height()) / 2;
    images->Draw(dis.hDC, r.left, y, item->args_.imageIndex,
                 ILD_TRANSPARENT | ((dis.itemState & ODS_GRAYED) ? ILD_BLEND50 : 0));
    return TRUE;
}

// ---- menus ----

MenuBase::MenuBase(bool menuBar) : menuBar_(menuBar) {
    root_ = std::make_unique<MenuItem>(*this, nullptr, MenuItemArgs{});
    root_->sub_ = menuBar ? CreateMenu() : CreatePopupMenu();
    if (!root_->sub_) throw std::runtime_error("cannot create a menu");
}

MenuBase::~MenuBase() = default;

void MenuBase::SetImages(ImageList* images) {
    images_ = images;
    // Items with an image index get their image entry now.
    struct Walk {
        static void Run(MenuItem& m) {
            m.Rebuild();
            for (int i = 0; i < m.Count(); ++i) Run(m.Item(i));
        }
    };
    Walk::Run(*root_);
    Changed();
}

MainMenu::~MainMenu() {
    if (form_ && form_->GetMainMenu() == this) {
        if (form_->Handle()) SetMenu(form_->Handle(), nullptr);
        form_->mainMenu_ = nullptr;
    }
}

void MainMenu::Create(Form& form, ImageList* images) {
    form_ = &form;
    if (images) SetImages(images);
    form.SetMainMenu(this);
}

void MainMenu::Changed() {
    if (form_ && form_->Handle() && form_->GetMainMenu() == this) DrawMenuBar(form_->Handle());
}

void PopupMenu::Popup(int x, int y, Form& owner) {
    Invoke(OnPopup);
    HWND hwnd = owner.Handle();
    if (!hwnd) return;
    SetForegroundWindow(hwnd);
    const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const UINT id = static_cast<UINT>(
        TrackPopupMenuEx(Handle(), align | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, hwnd, nullptr));
    PostMessageW(hwnd, WM_NULL, 0, 0);
    if (id) MenuItem::HandleCommand(id);
}

}  // namespace tk
