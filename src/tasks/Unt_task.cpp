#include "tasks/Unt_task.h"

#include "common/Unt_common.h"

Tfrm_Task* frm_Task = nullptr;

Tfrm_Task::Tfrm_Task(tk::Form* owner)
    : tk::Form({.owner = owner,
                .caption = L"Task Lists",
                .clientWidth = 273,
                .clientHeight = 358,
                .appWindow = true,
                .freeOnClose = true}) {
    OnShow = [this] { FormShow(); };
    OnClose = [this](tk::CloseAction& action) { FormClose(action); };
    OnDestroy = [this] { FormDestroy(); };
}

void Tfrm_Task::FormShow() { RestoreWindowPlacement(RegistryRoot, *this, L"Task Window", true, true); }

void Tfrm_Task::FormClose(tk::CloseAction& action) {
    SaveWindowPlacement(RegistryRoot, *this, L"Task Window", true, true);
    action = tk::caFree;
}

void Tfrm_Task::FormDestroy() {
    if (frm_Task == this) frm_Task = nullptr;
}
