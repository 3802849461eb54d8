// The delete dialog: one list's names; each "Delete" removes the selected
// entry in memory (the file follows at the next save).
#pragma once
#include "../toolkit/Controls.h"
#include "../toolkit/Form.h"

class TDelForm : public TForm {
public:
    TDelForm();
    TListBox LB1;
    TButton Button1;  // "Delete"
    TButton Button2;  // "OK"

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreate() override;
    void FormShow() override;

private:
    void Button1Click();
    void FillNames();
};

// Which list the delete dialog edits: false the folders, true the programs.
extern bool DeleteFromApps;
