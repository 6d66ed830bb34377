// The About box: the program's name, icon and version.
#pragma once
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/IconImage.h"
#include "toolkit/Label.h"

class Tfrm_About : public tk::Form {
public:
    explicit Tfrm_About(tk::Form* owner);

    tk::IconImage img_Program;
    tk::Label lbl_Name;
    tk::Label lbl_Version;
    tk::Label lbl_Description;
    tk::Button btn_Help;
    tk::Button btn_Close;

private:
    void btn_HelpClick();
};
