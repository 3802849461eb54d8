// The shutdown timer: a small dialog that powers the computer off after a
// chosen number of minutes. Created hidden at start-up; the panel's timer
// button shows and hides it, and it keeps counting while hidden.
#pragma once
#include <string>

#include "../toolkit/Controls.h"
#include "../toolkit/Form.h"
#include "Countdown.h"

class TTimerForm : public TForm {
public:
    TTimerForm();
    TLabel Label1;
    TSpinEdit SpinEdit1;
    TButton Button1, Button2;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreate() override;
    void FormShow() override;

private:
    void Button1Click();
    void Button2Click();
    void SpinEdit1Change();
    void SpinEdit1Exit();
    void Timer1Timer();
    void SetTimer1(bool enabled);
    Countdown State;
};

extern TTimerForm* TimerForm;

std::string GetOSVersionText();
void ShutDownComputer();
