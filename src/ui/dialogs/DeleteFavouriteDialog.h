// The delete dialog: one favourites list's names; each "Delete" takes the
// selected one off.
#pragma once
#include <string>
#include <vector>

#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class DeleteFavouriteDialog : public Form {
public:
    explicit DeleteFavouriteDialog(std::vector<std::string> names);
    // Runs the dialog; the entries deleted, in turn, each by its place (from
    // 1) in the list as it stood then.
    std::vector<unsigned> Choose();

protected:
    void Command(UINT id, UINT code) override;
    void OnCreate() override;
    void OnShow() override;

private:
    void DeleteSelected();
    void ShowNames();

    std::vector<std::string> Names;
    std::vector<unsigned> Deleted;
    ListBox NameList;
    Button DeleteButton;
    Button OkButton;
};
