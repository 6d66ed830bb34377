// Dayloom's help window: the topics of "Dayloom.hlp" on the left (contents
// and a keyword index with a box to type in), the chosen topic on the right.
// At most one exists; ShowHelpTopic (Unt_common.h) opens or reuses it.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "common/HelpFile.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

// The topic text: read-only, but on the window colour like a page.
class THelpText : public tk::Memo {
protected:
    HBRUSH OnCtlColor(HDC dc, HBRUSH parentBrush) override;
};

class Tfrm_Help : public tk::Form {
public:
    explicit Tfrm_Help(tk::Form* owner);

    // Takes the file and shows the topic of the keyword, or the index at it.
    void Open(HelpFile file, const std::wstring& keyword);

    void ShowTopic(std::size_t topic);
    // Index positioned at the keyword, no topic shown.
    void ShowIndexAt(const HelpLookup& lookup);

    std::optional<std::size_t> CurrentTopic() const { return currentTopic_; }
    std::wstring TopicTitle() const { return lbl_Title.Text(); }
    std::wstring TopicText() const { return txt_Topic.Text(); }
    std::wstring KeywordText() const { return txt_Keyword.Text(); }
    int IndexItemIndex() const { return lst_Index.ItemIndex(); }
    std::wstring IndexItem(int index) const { return lst_Index.Item(index); }

private:
    tk::Label lbl_Contents;
    tk::ListBox lst_Contents;
    tk::Label lbl_Keyword;
    tk::Edit txt_Keyword;
    tk::ListBox lst_Index;
    tk::Button btn_Display;
    tk::Label lbl_Title;
    THelpText txt_Topic;
    tk::Button btn_Close;

    HelpFile help_;
    std::optional<std::size_t> currentTopic_;

    void FormDestroy();
    void lst_ContentsClick();
    void txt_KeywordChange();
    void lst_IndexDblClick();
    void btn_DisplayClick();
    void btn_CloseClick();
};

// The open help window, or nullptr.
extern Tfrm_Help* frm_Help;
