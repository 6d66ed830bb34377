#include "about/Unt_about.h"

#include "common/Unt_common.h"
#include "resource.h"

Tfrm_About::Tfrm_About(tk::Form* owner)
    : tk::Form({.owner = owner,
                .caption = L"About Dayloom",
                .clientWidth = 300,
                .clientHeight = 150,
                .border = tk::BorderStyle::Dialog,
                .position = tk::Position::ScreenCenter}) {
    img_Program.Create(*this, {.bounds = {16, 16, 32, 32}, .iconId = IDI_DAYLOOM});
    lbl_Name.Create(*this, {.text = L"Dayloom", .bounds = {64, 16, 220, 13}, .bold = true});
    lbl_Version.Create(*this, {.text = L"Version: " + FileVersionText(ProgramPath()),
                               .bounds = {64, 36, 220, 13}});
    lbl_Description.Create(*this, {.text = L"A personal organiser: events calendar, alarms, "
                                           L"task lists and a world clock.",
                                   .bounds = {64, 58, 220, 40}, .wordWrap = true});
    btn_Help.Create(*this, {.text = L"Help", .bounds = {136, 115, 75, 25}});
    btn_Close.Create(*this, {.text = L"Close", .bounds = {217, 115, 75, 25}, .isDefault = true,
                             .cancel = true, .modalResult = tk::mrOk});
    btn_Help.OnClick = [this] { btn_HelpClick(); };
}

void Tfrm_About::btn_HelpClick() { ShowHelpTopic(L"Contents"); }
