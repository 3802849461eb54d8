// The button chooser: which panel buttons show, and in which order. "Apply"
// ends it with mrOk; Shown() is then the choice.
#pragma once
#include <vector>

#include "../../model/ButtonChooser.h"
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class ButtonChooserDialog : public TForm {
public:
    explicit ButtonChooserDialog(ChooserLists lists);
    const std::vector<int>& Shown() const { return Lists.Shown; }

protected:
    void Command(UINT id, UINT code) override;
    void FormCreate() override;

private:
    void ShowSelectedUnused();
    void HideSelectedShown();
    void ShowLists();

    ChooserLists Lists;
    TLabel ShownLabel, UnusedLabel;
    TListBox ShownList;   // the buttons shown, in slot order
    TButton ShowButton;   // "<<"
    TButton HideButton;   // ">>"
    TListBox UnusedList;  // the buttons not used
    TButton ApplyButton;
    TButton CancelButton;
};
