#include "ButtonChooserDialog.h"

#include <algorithm>

#include "../../model/PanelButtons.h"
#include "../../toolkit/Layout.h"

namespace {
enum : UINT { IdShownList = 100, IdShow, IdHide, IdUnusedList, IdApply, IdCancel };
const int ListWidth = 129, ListHeight = 113;
// A list's edges and the room it leaves either side of a line.
const int ListRoom = 8;
// A label may stand this far past the list under it, into the room beside.
const int LabelPastList = 4;

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
    ShownLabel.Create(Handle, "\xD2\xE5\xEA\xF3\xF9\xE8\xE5 \xEA\xED\xEE\xEF\xEA\xE8", 0, 0, 0, 0);
    ShownList.Create(Handle, 0, 0, 0, 0, IdShownList);
    ShowButton.Create(Handle, "<<", 0, 0, 0, 0, IdShow);
    HideButton.Create(Handle, ">>", 0, 0, 0, 0, IdHide);
    UnusedLabel.Create(Handle, "\xCD\xE5\xE8\xF1\xEE\xEB\xFC\xE7\xF3\xE5\xEC\xFB\xE5 \xEA\xED\xEE\xEA\xE8", 0, 0,
                       0, 0);
    UnusedList.Create(Handle, 0, 0, 0, 0, IdUnusedList);
    ApplyButton.Create(Handle, "Apply", 0, 0, 0, 0, IdApply, true);
    CancelButton.Create(Handle, "Cancel", 0, 0, 0, 0, IdCancel);

    // Two lists of one width, each under its label, wide enough for every
    // button's name and tall enough for all eight; the arrows between them,
    // Apply and Cancel at the right.
    const SIZE shownLabel = OneLine(ShownLabel), unusedLabel = OneLine(UnusedLabel);
    int names = 0;
    for (int k = 1; k <= PanelButtonCount; ++k)
        names = std::max(names, TextWidth(ShownList, PanelButtons[k].ChooserName));
    const int listWidth = std::max({ListWidth, names + ListRoom, int(shownLabel.cx) - LabelPastList,
                                    int(unusedLabel.cx) - LabelPastList});
    const int listHeight = std::max(ListHeight, PanelButtonCount * LineHeight(ShownList) + ListRoom);
    const int labelHeight = std::max({13, int(shownLabel.cy), int(unusedLabel.cy)}), listTop = 8 + labelHeight + 5;
    const SIZE show = ButtonSize(ShowButton, 41, 24), hide = ButtonSize(HideButton, 41, 25);
    const int arrowsLeft = 8 + listWidth + 8, arrowsWidth = std::max(show.cx, hide.cx);
    const int unusedLeft = arrowsLeft + arrowsWidth + 8, applyLeft = unusedLeft + listWidth + 6;
    const SIZE apply = ButtonSize(ApplyButton, 81, 25), cancel = ButtonSize(CancelButton, 81, 25);
    const int applyWidth = std::max(apply.cx, cancel.cx);

    ShownLabel.SetBounds(8, 8, std::max(135, int(shownLabel.cx)), labelHeight);
    ShownList.SetBounds(8, listTop, listWidth, listHeight);
    ShowButton.SetBounds(arrowsLeft, listTop + 24, arrowsWidth, show.cy);
    HideButton.SetBounds(arrowsLeft, listTop + 24 + show.cy + 8, arrowsWidth, hide.cy);
    UnusedLabel.SetBounds(unusedLeft, 8, std::max(133, int(unusedLabel.cx)), labelHeight);
    UnusedList.SetBounds(unusedLeft, listTop, listWidth, listHeight);
    ApplyButton.SetBounds(applyLeft, listTop, applyWidth, apply.cy);
    CancelButton.SetBounds(applyLeft, listTop + apply.cy + 7, applyWidth, cancel.cy);
    GrowClient(*this, applyLeft + applyWidth + 5, listTop + listHeight + 8, true);
    ShowLists();
}

std::optional<std::vector<int>> ButtonChooserDialog::Choose()
{
    Create();
    if (ShowModal() != DialogResult::Ok)
        return std::nullopt;
    return Lists.Shown;
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
