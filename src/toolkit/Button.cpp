#include "toolkit/Button.h"

#include <commctrl.h>

#include "toolkit/Application.h"
#include "toolkit/ImageList.h"

namespace tk {

void Button::Create(Window& parent, const ButtonArgs& a) {
    CreateChild(parent, WC_BUTTONW, WS_TABSTOP | (a.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, a);
    modalResult_ = a.modalResult;
    if (a.isDefault) SetDefault(true);
    if (a.cancel) SetCancel(true);
    if (a.images) SetGlyph(a.images, a.imageIndex);
}

void Button::Click() {
    if (modalResult_ != mrNone) {
        if (Form* f = ParentForm()) f->SetModalResult(modalResult_);
    }
    Invoke(OnClick);
}

void Button::SetDefault(bool on) {
    Form* f = ParentForm();
    if (!f || !Handle()) return;
    if (on) {
        if (Button* old = f->DefaultButton(); old && old != this)
            SendMessageW(old->Handle(), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        f->SetDefaultButton(this);
    } else if (f->DefaultButton() == this) {
        f->SetDefaultButton(nullptr);
    }
    SendMessageW(Handle(), BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::SetCancel(bool on) {
    Form* f = ParentForm();
    if (!f) return;
    if (on) f->SetCancelButton(this);
    else if (f->CancelButton() == this) f->SetCancelButton(nullptr);
}

void Button::SetGlyph(ImageList* images, int index) {
    if (!Handle()) return;
    // A one-image list made from the chosen image, shown left of the text.
    ImageListHandle list;
    if (images && index >= 0 && index < images->Count()) {
        list.reset(ImageList_Create(images->Width(), images->Height(), ILC_COLOR32 | ILC_MASK, 1, 1));
        Icon icon = images->GetIcon(index);
        ImageList_AddIcon(list.get(), icon.get());
    }
    BUTTON_IMAGELIST bil{list.get(), {2, 0, 2, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    if (!list) bil.himl = reinterpret_cast<HIMAGELIST>(-1);  // BCCL_NOGLYPH
    SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&bil));
    glyphList_ = std::move(list);
}

bool Button::OnCommand(WORD code, LRESULT& result) {
    if (code != BN_CLICKED) return false;
    Click();
    result = 0;
    return true;
}

void CheckBox::Create(Window& parent, const CheckBoxArgs& a) {
    CreateChild(parent, WC_BUTTONW, WS_TABSTOP | BS_AUTOCHECKBOX, 0, a);
    SetChecked(a.checked);
}

bool CheckBox::Checked() const {
    return Handle() && SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    if (Handle()) SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::Click() {
    SetChecked(!Checked());
    Invoke(OnClick);
}

bool CheckBox::OnCommand(WORD code, LRESULT& result) {
    if (code != BN_CLICKED) return false;
    Invoke(OnClick);
    result = 0;
    return true;
}

}  // namespace tk
