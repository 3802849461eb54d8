// The CD drive chooser: "Apply" stores the chosen drive's letter and leaves
// the dialog open.
#pragma once
#include "../toolkit/Controls.h"
#include "../toolkit/Form.h"

class TFormCD : public TForm {
public:
    TFormCD();
    TLabel Label1;
    TComboBox DriveComboBox1;
    TButton Button1;
    // The drive shown, preset by the opener.
    char Drive = 'E';

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreate() override;

private:
    void Button1Click();
    void DriveComboBox1Change();
};
