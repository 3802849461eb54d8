#include "UnitFirst.h"

#include "../app/Links.h"
#include "../platform/Platform.h"

uint8_t FirstRunChoice = 0;

namespace {
enum : UINT { idLabel5 = 100, idRadioButton1, idRadioButton2, idButton1 };
}

TFormFirst::TFormFirst() : TForm("TFormFirst")
{
    // "First start", Windows-1251
    DialogFrame("\xCF\xE5\xF0\xE2\xFB\xE9 \xE7\xE0\xEF\xF3\xF1\xEA", 354, 199);
    DefaultButton = idButton1;
}

void TFormFirst::FormCreate()
{
    SetCursor(HandPointer());
    Label1.Create(Handle, "The first start of the program. ", 8, 8, 338, 13, fsBold);
    Label2.Create(Handle, "It will be now chosen skin, suitable to kind of your system", 8, 26, 338, 13);
    Label3.Create(Handle, "You easily can change it from item of menu \"Skins\", except for that", 8, 42, 338, 13);
    Label4.Create(Handle, "Skins it is possible to create itself. More in detail on  ", 8, 58, 338, 13);
    const int linkLeft = 8 + Label4.TextWidth();
    SetWindowPos(Label4.Handle, nullptr, 0, 0, linkLeft - 8, 13, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Label5.Create(Handle, "Bryndale", linkLeft, 58, 60, 13, fsBold | fsUnderline, idLabel5);
    GroupBox1.Create(Handle, "Choose the current kind of your OS", 8, 80, 338, 74);
    RadioButton1.Create(Handle, "Standard Windows XP skin", 20, 100, 318, 17, idRadioButton1, true);
    RadioButton2.Create(Handle, "Classical skin Windows XP or OS Windows 98/Me/2000", 20, 126, 318, 17,
                        idRadioButton2, false);
    RadioButton1.SetChecked(true);
    Button1.Create(Handle, "OK", 249, 166, 97, 25, idButton1, true);
}

LRESULT TFormFirst::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COMMAND)
        return TForm::WndProc(msg, wParam, lParam);
    switch (LOWORD(wParam)) {
    case idButton1: Button1Click(); break;
    case idLabel5:
        if (HIWORD(wParam) == STN_CLICKED)
            Label5Click();
        break;
    }
    return 0;
}

void TFormFirst::Button1Click()
{
    FirstRunChoice = RadioButton2.Checked() ? 1 : 0;
    ModalResult = mrOk;
}

void TFormFirst::Label5Click()
{
    ShellOpen(Handle, FirstRunPage);
}
