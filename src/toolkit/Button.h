// Push buttons and check boxes.
#pragma once
#include <functional>

#include "toolkit/Form.h"
#include "toolkit/Handles.h"
#include "toolkit/Window.h"

namespace tk {

class ImageList;

struct ButtonArgs {
    TK_CONTROL_ARGS
    bool isDefault = false;  // Enter clicks it
    bool cancel = false;     // Esc clicks it
    ModalResult modalResult = mrNone;  // set on the form when clicked
    ImageList* images = nullptr;       // optional glyph left of the text
    int imageIndex = -1;
};

class Button : public Window {
public:
    void Create(Window& parent, const ButtonArgs& args);
    std::function<void()> OnClick;

    // As a user click: the form's ModalResult (when this button has one), then OnClick.
    void Click();

    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult r) { modalResult_ = r; }
    void SetDefault(bool on);
    void SetCancel(bool on);
    void SetGlyph(ImageList* images, int index);

protected:
    bool OnCommand(WORD code, LRESULT& result) override;

private:
    ModalResult modalResult_ = mrNone;
    ImageListHandle glyphList_;
};

struct CheckBoxArgs {
    TK_CONTROL_ARGS
    bool checked = false;
};

class CheckBox : public Window {
public:
    void Create(Window& parent, const CheckBoxArgs& args);
    std::function<void()> OnClick;  // the user toggled it (not SetChecked)

    bool Checked() const;
    void SetChecked(bool checked);
    void Click();  // toggles and runs OnClick, as a user click

protected:
    bool OnCommand(WORD code, LRESULT& result) override;
};

}  // namespace tk
