// The Task Lists window: folders and lists of tasks kept as text files.
#pragma once
#include "toolkit/Form.h"

class Tfrm_Task : public tk::Form {
public:
    explicit Tfrm_Task(tk::Form* owner);

private:
    void FormShow();
    void FormClose(tk::CloseAction& action);
    void FormDestroy();
};

// The one Task Lists window, while it exists.
extern Tfrm_Task* frm_Task;
