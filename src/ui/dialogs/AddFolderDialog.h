// The add-folder dialog: a folder tree with a drive chooser. Browsing moves
// the program's current folder, so the next dialog opens where this one was
// left; "Add" offers the open folder to its owner, and the dialog ends
// when the owner took it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "../../model/FolderTree.h"
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class AddFolderDialog : public Form {
public:
    // `add` takes a folder, or refuses it with false (a full list).
    using AddFolder = std::function<bool(const std::string& folder)>;
    explicit AddFolderDialog(AddFolder add);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Command(UINT id, UINT code) override;
    void OnCreate() override;

private:
    void AddOpenFolder();
    void OpenSelectedLine();
    void ChangeDrive();
    // Reads the current folder and shows it.
    void ShowCurrentFolder();
    void DrawLine(const DRAWITEMSTRUCT& item) const;

    AddFolder Add;
    Label FolderLabel;
    ListBox FolderList;
    ComboBox DriveBox;
    Button AddButton;
    Button CloseButton;
    std::string Path;  // the open folder
    std::vector<std::string> Subfolders;
    std::vector<FolderLine> Lines;  // what the list shows, drawn from here
    int TreeLineHeight = 16;
};
