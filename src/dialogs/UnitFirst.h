// The first-run dialog: shown when there is no settings file yet, it asks
// which of two skins suits the system.
#pragma once
#include <cstdint>

#include "../toolkit/Controls.h"
#include "../toolkit/Form.h"

class TFormFirst : public TForm {
public:
    TFormFirst();
    TLabel Label1, Label2, Label3, Label4, Label5;
    TGroupBox GroupBox1;
    TRadioButton RadioButton1, RadioButton2;
    TButton Button1;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreate() override;

private:
    void Button1Click();
    void Label5Click();
};

// 1 when the user chose the classic skin, else 0.
extern uint8_t FirstRunChoice;
