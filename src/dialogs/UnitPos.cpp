#include "UnitPos.h"

#include "../app/Settings.h"

namespace {
enum : UINT { idListBox1 = 100, idBitBtn2, idBitBtn1, idListBox2, idButton1, idButton2 };

void Fill(TListBox& box, const std::vector<int>& items)
{
    box.Clear();
    for (int k : items)
        box.Add(ButtonNames[k]);
}
} // namespace

TPosForm::TPosForm() : TForm("TPosForm")
{
    DialogFrame("Buttons", 415, 147);
    DefaultButton = idButton1;
}

void TPosForm::FormCreate()
{
    // "Current buttons" and "Unused buttons", in Windows-1251.
    Label1.Create(Handle, "\xD2\xE5\xEA\xF3\xF9\xE8\xE5 \xEA\xED\xEE\xEF\xEA\xE8", 8, 8, 135, 13);
    ListBox1.Create(Handle, 8, 26, 129, 113, idListBox1);
    BitBtn2.Create(Handle, "<<", 145, 50, 41, 24, idBitBtn2);
    BitBtn1.Create(Handle, ">>", 145, 82, 41, 25, idBitBtn1);
    Label2.Create(Handle, "\xCD\xE5\xE8\xF1\xEE\xEB\xFC\xE7\xF3\xE5\xEC\xFB\xE5 \xEA\xED\xEE\xEA\xE8", 194, 8, 133,
                  13);
    ListBox2.Create(Handle, 194, 26, 129, 113, idListBox2);
    Button1.Create(Handle, "Apply", 329, 26, 81, 25, idButton1, true);
    Button2.Create(Handle, "Cancel", 329, 58, 81, 25, idButton2);
    ShowLists();
}

void TPosForm::ShowLists()
{
    Fill(ListBox1, Lists.Shown);
    Fill(ListBox2, Lists.Unused);
}

LRESULT TPosForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COMMAND)
        return TForm::WndProc(msg, wParam, lParam);
    switch (LOWORD(wParam)) {
    case idBitBtn2: BitBtn2Click(); break;
    case idBitBtn1: BitBtn1Click(); break;
    case idButton1: Button1Click(); break;
    case idButton2: ModalResult = mrCancel; break;
    }
    return 0;
}

// "<<": the selected unused button goes to the end of the shown ones.
void TPosForm::BitBtn2Click()
{
    ChooserMove(Lists.Unused, Lists.Shown, ListBox2.ItemIndex());
    ShowLists();
}

// ">>"
void TPosForm::BitBtn1Click()
{
    ChooserMove(Lists.Shown, Lists.Unused, ListBox1.ItemIndex());
    ShowLists();
}

// "Apply"
void TPosForm::Button1Click()
{
    ChooserApply(Lists.Shown, Ini);
    ModalResult = mrOk;
}
