#include "CdDriveDialog.h"

#include <cctype>

#include "../../platform/Platform.h"

namespace {
enum : UINT { IdDriveBox = 100, IdApply };

char Upper(char c)
{
    return char(std::toupper(static_cast<unsigned char>(c)));
}
} // namespace

CdDriveDialog::CdDriveDialog(char& setting) : Form("TFormCD"), Setting(setting), Chosen(setting)
{
    DialogFrame("CD-ROM", 135, 93);
    DefaultButton = IdApply;
}

void CdDriveDialog::OnCreate()
{
    Prompt.Create(Handle, "Choose your CD-ROM", 8, 8, 121, 13);
    DriveBox.Create(Handle, 7, 28, 121, 200, IdDriveBox);
    ApplyButton.Create(Handle, "Apply", 7, 60, 121, 25, IdApply);
    // A letter that names no drive here (a CD drive taken out, a setting
    // copied from another computer) still stands until another is chosen.
    int index = 0;
    for (const std::string& root : DriveRoots()) {
        DriveBox.Add(std::string(1, Upper(root[0])) + ":");
        if (Upper(root[0]) == Upper(Chosen))
            DriveBox.SetItemIndex(index);
        ++index;
    }
}

void CdDriveDialog::Command(UINT id, UINT code)
{
    switch (id) {
    // "Apply": the letter in upper case; the dialog stays.
    case IdApply: Setting = Upper(Chosen); break;
    case IdDriveBox:
        if (code == CBN_SELCHANGE) {
            const std::string line = DriveBox.Line(DriveBox.ItemIndex());
            if (!line.empty())
                Chosen = line[0];
        }
        break;
    }
}
