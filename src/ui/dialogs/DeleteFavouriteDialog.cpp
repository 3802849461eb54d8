#include "DeleteFavouriteDialog.h"

#include <algorithm>

#include "../../toolkit/Layout.h"

namespace {
enum : UINT { IdNames = 100, IdDelete, IdOk };
}

DeleteFavouriteDialog::DeleteFavouriteDialog(std::vector<std::string> names)
    : Form("TDelForm"), Names(std::move(names))
{
    DialogFrame("Delete", 232, 253, 203, 183);
    OkId = IdOk;
}

void DeleteFavouriteDialog::OnCreate()
{
    NameList.Create(Handle, 5, 8, 220, 211, IdNames);
    NameList.Color = RGB(192, 220, 192);
    // Rows of 13 pixels, or a line of a larger font.
    NameList.SetItemHeight(RowHeight(NameList, 13));
    DeleteButton.Create(Handle, "Delete", 0, 0, 0, 0, IdDelete);
    OkButton.Create(Handle, "OK", 0, 0, 0, 0, IdOk);
    const SIZE del = ButtonSize(DeleteButton, 105, 25), ok = ButtonSize(OkButton, 105, 25);
    const int okLeft = std::max(120, 8 + int(del.cx) + 7);
    DeleteButton.SetBounds(8, 223, del.cx, del.cy);
    OkButton.SetBounds(okLeft, 224, ok.cx, ok.cy);
    GrowClient(*this, okLeft + ok.cx + 7, 224 + ok.cy + 4, false);
    ShowNames();
}

std::vector<unsigned> DeleteFavouriteDialog::Choose()
{
    Create();
    ShowModal();
    return Deleted;
}

void DeleteFavouriteDialog::ShowNames()
{
    NameList.SetLines(Names);
}

void DeleteFavouriteDialog::OnShow()
{
    DeleteButton.SetEnabled(NameList.Count() > 0);
}

void DeleteFavouriteDialog::Command(UINT id, UINT)
{
    if (id == IdDelete)
        DeleteSelected();
}

// With no line selected (at first and after each deletion) nothing goes.
void DeleteFavouriteDialog::DeleteSelected()
{
    const int k = NameList.ItemIndex();
    if (k < 0)
        return;
    Names.erase(Names.begin() + k);
    Deleted.push_back(unsigned(k) + 1);
    ShowNames();
    DeleteButton.SetEnabled(NameList.Count() > 0);
}
