// The button chooser: which panel buttons show, and in which order.
#pragma once
#include "../toolkit/Controls.h"
#include "../toolkit/Form.h"
#include "Chooser.h"

class TPosForm : public TForm {
public:
    TPosForm();
    TLabel Label1, Label2;
    TListBox ListBox1;  // the buttons shown, in slot order
    TButton BitBtn2;    // "<<"
    TButton BitBtn1;    // ">>"
    TListBox ListBox2;  // the buttons not used
    TButton Button1;    // "Apply"
    TButton Button2;    // "Cancel"
    ChooserLists Lists;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreate() override;

private:
    void BitBtn2Click();
    void BitBtn1Click();
    void Button1Click();
    void ShowLists();
};
