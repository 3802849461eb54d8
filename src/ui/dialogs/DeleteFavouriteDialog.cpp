#include "DeleteFavouriteDialog.h"

#include "../../model/Favourites.h"

namespace {
enum : UINT { IdNames = 100, IdDelete, IdOk };
}

DeleteFavouriteDialog::DeleteFavouriteDialog(FavouriteList& list) : Form("TDelForm"), List(list)
{
    DialogFrame("Delete", 232, 253, 203, 183);
    OkId = IdOk;
}

void DeleteFavouriteDialog::OnCreate()
{
    NameList.Create(Handle, 5, 8, 220, 211, IdNames);
    NameList.Color = RGB(192, 220, 192);
    NameList.SetItemHeight(13);
    DeleteButton.Create(Handle, "Delete", 8, 223, 105, 25, IdDelete);
    OkButton.Create(Handle, "OK", 120, 224, 105, 25, IdOk);
    ShowNames();
}

void DeleteFavouriteDialog::ShowNames()
{
    std::vector<std::string> names;
    for (unsigned n = 1; n <= List.Count; ++n)
        names.push_back(List.Entry[n].Name);
    NameList.SetLines(names);
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
    DeleteFavourite(List, k + 1);
    ShowNames();
    DeleteButton.SetEnabled(NameList.Count() > 0);
}
