// Group boxes (frames that hold controls) and radio groups.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace tk {

struct GroupBoxArgs {
    TK_CONTROL_ARGS
};

// Controls created with a group box as parent sit in it (bounds relative to it).
class GroupBox : public Window {
public:
    void Create(Window& parent, const GroupBoxArgs& args);

protected:
    HBRUSH ChildBackground(HDC dc, UINT msg) override;
    void AdjustClientRect(RECT& rect) const override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

struct RadioGroupArgs {
    TK_CONTROL_ARGS
    std::vector<std::wstring> items;
    int columns = 1;
    int itemIndex = -1;
};

class RadioGroup : public GroupBox {
public:
    RadioGroup();
    ~RadioGroup() override;
    void Create(Window& parent, const RadioGroupArgs& args);
    std::function<void()> OnClick;  // the user picked an item

    int ItemIndex() const;
    void SetItemIndex(int index);  // does not run OnClick
    int Count() const { return static_cast<int>(buttons_.size()); }
    std::wstring Item(int index) const;
    void SetItems(const std::vector<std::wstring>& items);
    // As a user click on item index.
    void ClickItem(int index);

protected:
    void OnDpiChanged(UINT, UINT) override { ArrangeButtons(); }
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    class RadioButton;
    void ArrangeButtons();
    std::vector<std::unique_ptr<RadioButton>> buttons_;
    int columns_ = 1;
};

}  // namespace tk
