#include "CdDriveDialog.h"

#include <algorithm>
#include <cctype>

#include "../../platform/Platform.h"
#include "../../toolkit/Layout.h"

namespace {
enum : UINT { IdDriveBox = 100, IdApply };
const int ClientWidth = 135, ClientHeight = 93, Width = 121, BoxHeight = 21;

char Upper(char c)
{
    return char(std::toupper(static_cast<unsigned char>(c)));
}
} // namespace

CdDriveDialog::CdDriveDialog(char shown) : Form("TFormCD"), Chosen(shown)
{
    DialogFrame("CD-ROM", ClientWidth, ClientHeight);
    DefaultButton = IdApply;
}

std::optional<char> CdDriveDialog::Choose()
{
    Create();
    ShowModal();
    return Applied;
}

void CdDriveDialog::OnCreate()
{
    Prompt.Create(Handle, "Choose your CD-ROM", 0, 0, 0, 0);
    DriveBox.Create(Handle, 0, 0, 0, 200, IdDriveBox);
    ApplyButton.Create(Handle, "Apply", 0, 0, 0, 0, IdApply);
    // One column, as wide as the prompt on one line; each row as tall as
    // its font needs.
    const SIZE prompt = OneLine(Prompt);
    const SIZE apply = ButtonSize(ApplyButton, std::max(Width, int(prompt.cx)), 25);
    const int width = int(apply.cx), promptHeight = std::max(13, int(prompt.cy)), boxTop = 8 + promptHeight + 7;
    Prompt.SetBounds(8, 8, width, promptHeight);
    DriveBox.SetBounds(7, boxTop, width, 200);
    const int applyTop = boxTop + std::max(BoxHeight, HeightOf(DriveBox)) + 11;
    ApplyButton.SetBounds(7, applyTop, width, apply.cy);
    GrowClient(*this, width + 14, applyTop + apply.cy + 8, true);
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
    case IdApply: Applied = Upper(Chosen); break;
    case IdDriveBox:
        if (code == CBN_SELCHANGE) {
            const std::string line = DriveBox.Line(DriveBox.ItemIndex());
            if (!line.empty())
                Chosen = line[0];
        }
        break;
    }
}
