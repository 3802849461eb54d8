#include "UnitCD.h"

#include <cctype>

#include "../app/Settings.h"

namespace {
enum : UINT { idDriveComboBox1 = 100, idButton1 };

char Upper(char c)
{
    return char(std::toupper(static_cast<unsigned char>(c)));
}
} // namespace

TFormCD::TFormCD() : TForm("TFormCD")
{
    DialogFrame("CD-ROM", 135, 93);
    DefaultButton = idButton1;
}

void TFormCD::FormCreate()
{
    Label1.Create(Handle, "Choose your CD-ROM", 8, 8, 121, 13);
    DriveComboBox1.Create(Handle, 7, 28, 121, 200, idDriveComboBox1);
    Button1.Create(Handle, "Apply", 7, 60, 121, 25, idButton1);
    // A letter that names no drive here (a CD drive taken out, a setting
    // copied from another computer) still stands until another is chosen.
    char drives[4 * 26 + 1] = "";
    GetLogicalDriveStringsA(sizeof drives, drives);
    int index = 0;
    for (const char* d = drives; *d; d += strlen(d) + 1, ++index) {
        DriveComboBox1.Add(std::string(1, Upper(d[0])) + ":");
        if (Upper(d[0]) == Upper(Drive))
            DriveComboBox1.SetItemIndex(index);
    }
}

LRESULT TFormCD::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COMMAND)
        return TForm::WndProc(msg, wParam, lParam);
    switch (LOWORD(wParam)) {
    case idButton1: Button1Click(); break;
    case idDriveComboBox1:
        if (HIWORD(wParam) == CBN_SELCHANGE)
            DriveComboBox1Change();
        break;
    }
    return 0;
}

void TFormCD::DriveComboBox1Change()
{
    const std::string line = DriveComboBox1.Line(DriveComboBox1.ItemIndex());
    if (!line.empty())
        Drive = line[0];
}

// "Apply": the letter in upper case; the dialog stays.
void TFormCD::Button1Click()
{
    Ini.cdrom = Upper(Drive);
}
