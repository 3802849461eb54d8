#include "UnitName.h"

TNameForm* NameForm = nullptr;
std::string EnteredName;

namespace {
enum : UINT { idButton1 = 100, idEdit1, idButton2 };
}

TNameForm::TNameForm() : TForm("TNameForm")
{
    DialogFrame("Enter a name", 310, 40, 281, 245);
    DefaultButton = idButton1;
}

// The controls come with the first showing: made at start, they would load
// the common controls (which the visual styles need first) into every start.
void TNameForm::FormShow()
{
    if (!Button1.Handle) {
        // Tab order: OK first, so Enter at once gives an empty name.
        Button1.Create(Handle, "OK", 168, 8, 65, 25, idButton1, true);
        Edit1.Create(Handle, 8, 8, 153, 21, idEdit1);
        Button2.Create(Handle, "Default", 240, 8, 65, 25, idButton2);
    }
    Edit1.SetText("");
}

// Escape (IDCANCEL) is not among these: the dialog cannot be escaped.
LRESULT TNameForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COMMAND)
        return TForm::WndProc(msg, wParam, lParam);
    switch (LOWORD(wParam)) {
    case idButton1: Button1Click(); break;
    case idButton2: ModalResult = 2; break;
    }
    return 0;
}

void TNameForm::Button1Click()
{
    EnteredName = Edit1.Text();
    ModalResult = mrYes;
}

std::string AskName(const std::string& defaultName)
{
    return NameForm->ShowModal() == mrYes ? EnteredName : defaultName;
}
