// The button chooser: which panel buttons show, and in which order. "Apply"
// ends it with Ok; Shown() is then the choice.
#pragma once
#include <vector>

#include "../../model/ButtonChooser.h"
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class ButtonChooserDialog : public Form {
public:
    explicit ButtonChooserDialog(ChooserLists lists);
    const std::vector<int>& Shown() const { return Lists.Shown; }

protected:
    void Command(UINT id, UINT code) override;
    void OnCreate() override;

private:
    void ShowSelectedUnused();
    void HideSelectedShown();
    void ShowLists();

    ChooserLists Lists;
    Label ShownLabel, UnusedLabel;
    ListBox ShownList;   // the buttons shown, in slot order
    Button ShowButton;   // "<<"
    Button HideButton;   // ">>"
    ListBox UnusedList;  // the buttons not used
    Button ApplyButton;
    Button CancelButton;
};
