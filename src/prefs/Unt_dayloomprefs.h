// The program Preferences dialog: the window a tray double click opens, and
// the windows that open when the program starts.
#pragma once
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"

class Tfrm_DayloomPrefs : public tk::Form {
public:
    explicit Tfrm_DayloomPrefs(tk::Form* owner);
    ~Tfrm_DayloomPrefs() override;

    tk::GroupBox GroupBox1;
    tk::Label Label1;
    tk::ComboBox ComboBox1;
    tk::GroupBox GroupBox2;
    tk::Label Label2;
    tk::ListView ListView1;
    tk::Button btn_Help;
    tk::Button btn_Close;

private:
    void FormShow();
    void ComboBox1Click();
    void FormClose(tk::CloseAction& action);
    void btn_CloseClick();
    void btn_HelpClick();
};

// The most recently created Preferences dialog, while it exists.
extern Tfrm_DayloomPrefs* frm_DayloomPrefs;
