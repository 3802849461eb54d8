#include "FirstRunDialog.h"

#include "../../platform/Platform.h"
#include "../Links.h"

namespace {
enum : UINT { IdSiteLink = 100, IdStandard, IdClassic, IdOk };
}

FirstRunDialog::FirstRunDialog() : TForm("TFormFirst")
{
    // "First start", Windows-1251
    DialogFrame("\xCF\xE5\xF0\xE2\xFB\xE9 \xE7\xE0\xEF\xF3\xF1\xEA", 354, 199);
    DefaultButton = IdOk;
}

void FirstRunDialog::FormCreate()
{
    SetCursor(HandPointer());
    Heading.Create(Handle, "The first start of the program. ", 8, 8, 338, 13, fsBold);
    Line1.Create(Handle, "It will be now chosen skin, suitable to kind of your system", 8, 26, 338, 13);
    Line2.Create(Handle, "You easily can change it from item of menu \"Skins\", except for that", 8, 42, 338, 13);
    Line3.Create(Handle, "Skins it is possible to create itself. More in detail on  ", 8, 58, 338, 13);
    const int linkLeft = 8 + Line3.TextWidth();
    SetWindowPos(Line3.Handle, nullptr, 0, 0, linkLeft - 8, 13, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SiteLink.Create(Handle, "Bryndale", linkLeft, 58, 60, 13, fsBold | fsUnderline, IdSiteLink);
    Choices.Create(Handle, "Choose the current kind of your OS", 8, 80, 338, 74);
    StandardChoice.Create(Handle, "Standard Windows XP skin", 20, 100, 318, 17, IdStandard, true);
    ClassicChoice.Create(Handle, "Classical skin Windows XP or OS Windows 98/Me/2000", 20, 126, 318, 17, IdClassic,
                         false);
    StandardChoice.SetChecked(true);
    OkButton.Create(Handle, "OK", 249, 166, 97, 25, IdOk, true);
}

void FirstRunDialog::Command(UINT id, UINT code)
{
    switch (id) {
    case IdOk:
        ClassicChosen = ClassicChoice.Checked();
        ModalResult = mrOk;
        break;
    case IdSiteLink:
        if (code == STN_CLICKED)
            ShellOpen(Handle, FirstRunPage);
        break;
    }
}
