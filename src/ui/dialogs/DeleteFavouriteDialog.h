// The delete dialog: one favourites list's names; each "Delete" removes the
// selected entry in memory (the file follows at the next save).
#pragma once
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

struct FavouriteList;

class DeleteFavouriteDialog : public Form {
public:
    // The list it edits, for as long as it is open.
    explicit DeleteFavouriteDialog(FavouriteList& list);

protected:
    void Command(UINT id, UINT code) override;
    void OnCreate() override;
    void OnShow() override;

private:
    void DeleteSelected();
    void ShowNames();

    FavouriteList& List;
    ListBox NameList;
    Button DeleteButton;
    Button OkButton;
};
