// Combo boxes (drop-down list and drop-down edit) and list boxes.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace tk {

enum class ComboStyle { DropDown, DropDownList };

struct ComboBoxArgs {
    TK_CONTROL_ARGS
    ComboStyle style = ComboStyle::DropDown;
    std::vector<std::wstring> items;
    int itemIndex = -1;
    int dropDownCount = 8;
    bool sorted = false;
};

// Items of a combo box or list box, by index.
class ItemList {
public:
    int Count() const;
    std::wstring Item(int index) const;
    int Add(const std::wstring& text);  // index of the new item
    void Insert(int index, const std::wstring& text);
    void Delete(int index);
    void Clear();
    void SetItems(const std::vector<std::wstring>& items);
    std::vector<std::wstring> Items() const;
    int IndexOf(const std::wstring& text) const;  // exact, case-insensitive; -1 when absent

    int ItemIndex() const;  // -1: none
    void SetItemIndex(int index);  // does not run OnClick / OnChange

protected:
    struct Messages {
        UINT count, getText, getTextLen, add, insert, remove, reset, findExact, getSel, setSel;
    };
    ItemList(const Window& self, const Messages& m) : self_(self), m_(m) {}

private:
    const Window& self_;
    Messages m_;
};

class ComboBox : public Window, public ItemList {
public:
    ComboBox();
    void Create(Window& parent, const ComboBoxArgs& args);
    std::function<void()> OnClick;   // the user picked an item
    std::function<void()> OnChange;  // the text changed: picked or typed

    bool DroppedDown() const;

protected:
    bool OnCommand(WORD code, LRESULT& result) override;
    int ExtraHeightPixels() const override;

private:
    int dropDownCount_ = 8;
};

struct ListBoxArgs {
    TK_CONTROL_ARGS
    std::vector<std::wstring> items;
    int itemIndex = -1;
    bool sorted = false;
};

class ListBox : public Window, public ItemList {
public:
    ListBox();
    void Create(Window& parent, const ListBoxArgs& args);
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

protected:
    bool OnCommand(WORD code, LRESULT& result) override;
};

}  // namespace tk
