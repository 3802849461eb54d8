// The button chooser: which panel buttons show, and in which order.
#pragma once
#include <optional>
#include <vector>

#include "../../model/ButtonChooser.h"
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class ButtonChooserDialog : public Form {
public:
    explicit ButtonChooserDialog(ChooserLists lists);
    // Runs the dialog; the buttons to show, in order, where "Apply" ended it.
    std::optional<std::vector<int>> Choose();

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
