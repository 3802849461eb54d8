#include "ButtonChooserDialog.h"

#include "../../model/PanelButtons.h"

namespace {
enum : UINT { IdShownList = 100, IdShow, IdHide, IdUnusedList, IdApply, IdCancel };

void Fill(ListBox& box, const std::vector<int>& items)
{
    std::vector<std::string> names;
    for (int k : items)
        names.push_back(PanelButtons[k].ChooserName);
    box.SetLines(names);
}
} // namespace

ButtonChooserDialog::ButtonChooserDialog(ChooserLists lists) : Form("TPosForm"), Lists(std::move(lists))
{
    DialogFrame("Buttons", 415, 147);
    DefaultButton = OkId = IdApply;
    CancelId = IdCancel;
}

void ButtonChooserDialog::OnCreate()
{
    // "Current buttons" and "Unused buttons", in Windows-1251.
    ShownLabel.Create(Handle, "\xD2\xE5\xEA\xF3\xF9\xE8\xE5 \xEA\xED\xEE\xEF\xEA\xE8", 8, 8, 135, 13);
    ShownList.Create(Handle, 8, 26, 129, 113, IdShownList);
    ShowButton.Create(Handle, "<<", 145, 50, 41, 24, IdShow);
    HideButton.Create(Handle, ">>", 145, 82, 41, 25, IdHide);
    UnusedLabel.Create(Handle, "\xCD\xE5\xE8\xF1\xEE\xEB\xFC\xE7\xF3\xE5\xEC\xFB\xE5 \xEA\xED\xEE\xEA\xE8", 194, 8,
                       133, 13);
    UnusedList.Create(Handle, 194, 26, 129, 113, IdUnusedList);
    ApplyButton.Create(Handle, "Apply", 329, 26, 81, 25, IdApply, true);
    CancelButton.Create(Handle, "Cancel", 329, 58, 81, 25, IdCancel);
    ShowLists();
}

void ButtonChooserDialog::ShowLists()
{
    Fill(ShownList, Lists.Shown);
    Fill(UnusedList, Lists.Unused);
}

void ButtonChooserDialog::Command(UINT id, UINT)
{
    switch (id) {
    case IdShow: ShowSelectedUnused(); break;
    case IdHide: HideSelectedShown(); break;
    }
}

// "<<": the selected unused button goes to the end of the shown ones.
void ButtonChooserDialog::ShowSelectedUnused()
{
    ChooserMove(Lists.Unused, Lists.Shown, UnusedList.ItemIndex());
    ShowLists();
}

// ">>"
void ButtonChooserDialog::HideSelectedShown()
{
    ChooserMove(Lists.Shown, Lists.Unused, ShownList.ItemIndex());
    ShowLists();
}
