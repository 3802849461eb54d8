// The add-folder dialog: a folder tree with a drive chooser. Browsing moves
// the program's current folder, so the next dialog opens where this one was
// left; "Add" takes the open folder.
#pragma once
#include <string>
#include <vector>

#include "../toolkit/Controls.h"
#include "../toolkit/Form.h"

class TFormDir : public TForm {
public:
    TFormDir();
    TLabel Label1;
    TListBox DLB;
    TComboBox DCB;
    TButton Button1;  // "Add"
    TButton Button2;  // "Close"

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreate() override;

private:
    void Button1Click();
    void DLBOpen();
    void DCBChange();
    // Reads the current folder and shows it.
    void Fill();
    void DrawLine(const DRAWITEMSTRUCT& item) const;
    std::string Path;  // the open folder
    std::vector<std::string> Subfolders;
};
