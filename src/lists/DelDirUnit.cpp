#include "DelDirUnit.h"

#include "LaunchList.h"
#include "ListEdit.h"

bool DeleteFromApps = false;

namespace {
enum : UINT { idLB1 = 100, idButton1, idButton2 };

LaunchList& Edited()
{
    return DeleteFromApps ? AppList : DirList;
}
} // namespace

TDelForm::TDelForm() : TForm("TDelForm")
{
    DialogFrame("Delete", 232, 253, 203, 183);
}

void TDelForm::FormCreate()
{
    LB1.Create(Handle, 5, 8, 220, 211, idLB1);
    LB1.Color = RGB(192, 220, 192);
    LB1.SetItemHeight(13);
    Button1.Create(Handle, "Delete", 8, 223, 105, 25, idButton1);
    Button2.Create(Handle, "OK", 120, 224, 105, 25, idButton2);
    FillNames();
}

void TDelForm::FillNames()
{
    LB1.Clear();
    const LaunchList& list = Edited();
    for (unsigned n = 1; n <= list.Count; ++n)
        LB1.Add(list.Slot[n].Name);
}

void TDelForm::FormShow()
{
    Button1.SetEnabled(LB1.Count() > 0);
}

LRESULT TDelForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COMMAND)
        return TForm::WndProc(msg, wParam, lParam);
    switch (LOWORD(wParam)) {
    case idButton1: Button1Click(); break;
    case idButton2: ModalResult = mrOk; break;
    }
    return 0;
}

// With no line selected (at first and after each deletion) nothing goes.
void TDelForm::Button1Click()
{
    const int k = LB1.ItemIndex();
    if (k < 0)
        return;
    DeleteEntry(Edited(), k + 1);
    FillNames();
    Button1.SetEnabled(LB1.Count() > 0);
}
