// Main menus, popup menus and their items. Items are built in code, named as
// the form names them, and can be found by name: tests run an item's command
// with menu.Find(L"mnu_Exit")->Click() without showing the menu.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Form;
class ImageList;
class MenuBase;

struct MenuItemArgs {
    std::wstring name;      // e.g. L"mnu_Exit"
    std::wstring caption;   // "&" marks the accelerator; "-" is a separator
    std::function<void()> onClick;
    std::wstring shortCut;  // shown right-aligned, e.g. L"Ctrl+N" (display only)
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool radioItem = false;  // a check mark drawn as a dot
    int imageIndex = -1;     // into the menu's image list
    bool isDefault = false;  // bold
};

class MenuItem {
public:
    MenuItem(MenuBase& menu, MenuItem* parent, MenuItemArgs args);
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::function<void()> OnClick;

    // Appends a child item; this item becomes a sub menu.
    MenuItem& Add(MenuItemArgs args);
    MenuItem& AddSeparator(std::wstring name = L"");
    // This item or the first descendant with the name; nullptr when none.
    MenuItem* Find(std::wstring_view name);

    // As if the user chose the item (through the error report).
    void Click();

    const std::wstring& Name() const { return args_.name; }
    const std::wstring& Caption() const { return args_.caption; }
    void SetCaption(std::wstring caption);
    bool Checked() const { return args_.checked; }
    void SetChecked(bool checked);
    bool Enabled() const { return args_.enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return args_.visible; }
    void SetVisible(bool visible);
    int ImageIndex() const { return args_.imageIndex; }
    void SetImageIndex(int index);
    bool IsSeparator() const { return args_.caption == L"-"; }

    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem& Item(int index) const { return *items_[static_cast<size_t>(index)]; }
    MenuItem* Parent() const { return parent_; }
    UINT CommandId() const { return id_; }
    HMENU SubMenuHandle() const { return sub_; }
    MenuBase& Menu() const { return menu_; }

    // The form's side: WM_COMMAND, and the images (HBMMENU_CALLBACK).
    static bool HandleCommand(UINT id);
    static LRESULT MeasureImage(MEASUREITEMSTRUCT& item);
    static LRESULT DrawImage(DRAWITEMSTRUCT& item);
    static MenuItem* FromCommandId(UINT id);

private:
    friend class MenuBase;
    void Rebuild();        // re-inserts the visible children into sub_
    void RebuildParent();
    void FillInfo(MENUITEMINFOW& info, std::wstring& text) const;

    MenuBase& menu_;
    MenuItem* parent_;
    MenuItemArgs args_;
    UINT id_ = 0;
    HMENU sub_ = nullptr;  // owned; created with the first child (the root always has one)
    std::vector<std::unique_ptr<MenuItem>> items_;
};

class MenuBase {
public:
    MenuBase(const MenuBase&) = delete;
    MenuBase& operator=(const MenuBase&) = delete;
    virtual ~MenuBase();

    MenuItem& Add(MenuItemArgs args) { return root_->Add(std::move(args)); }
    MenuItem& AddSeparator(std::wstring name = L"") { return root_->AddSeparator(std::move(name)); }
    MenuItem* Find(std::wstring_view name) { return root_->Find(name); }
    MenuItem& Items() { return *root_; }

    void SetImages(ImageList* images);
    ImageList* Images() const { return images_; }
    HMENU Handle() const { return root_->sub_; }

protected:
    explicit MenuBase(bool menuBar);
    virtual void Changed() {}  // a top-level item changed (redraw the bar)

private:
    friend class MenuItem;
    ImageList* images_ = nullptr;
    std::unique_ptr<MenuItem> root_;
    bool menuBar_;
};

class MainMenu : public MenuBase {
public:
    MainMenu() : MenuBase(true) {}
    ~MainMenu() override;
    // Attaches the bar to the form; build the items before or after.
    void Create(Form& form, ImageList* images = nullptr);

protected:
    void Changed() override;

private:
    Form* form_ = nullptr;
};

class PopupMenu : public MenuBase {
public:
    PopupMenu() : MenuBase(false) {}
    void Create(ImageList* images = nullptr) { SetImages(images); }

    std::function<void()> OnPopup;  // before the menu shows

    // Shows the menu at screen point (x, y) for owner and runs the chosen
    // item's OnClick. Follows the notification-area rule: the owner comes to
    // the foreground first and gets WM_NULL after, so the menu closes when the
    // user clicks elsewhere.
    void Popup(int x, int y, Form& owner);
};

}  // namespace tk
