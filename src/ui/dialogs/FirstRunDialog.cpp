#include "FirstRunDialog.h"

#include <algorithm>

#include "../../platform/Platform.h"
#include "../../toolkit/Layout.h"
#include "../Links.h"

namespace {
enum : UINT { IdSiteLink = 100, IdStandard, IdClassic, IdOk };
const int ClientWidth = 354, ClientHeight = 199, Margin = 8, Bottom = ClientHeight - Margin;
const int ChoiceLeft = 20, OkWidth = 97, OkHeight = 25;
// A group box's caption stands this far in from either side.
const int CaptionIndent = 8;
} // namespace

FirstRunDialog::FirstRunDialog() : Form("TFormFirst")
{
    // "First start", Windows-1251
    DialogFrame("\xCF\xE5\xF0\xE2\xFB\xE9 \xE7\xE0\xEF\xF3\xF1\xEA", ClientWidth, ClientHeight);
    DefaultButton = OkId = IdOk;
}

void FirstRunDialog::OnCreate()
{
    SetCursor(HandPointer());
    Heading.Create(Handle, "The first start of the program. ", 0, 0, 0, 0, BoldFont);
    Line1.Create(Handle, "It will be now chosen skin, suitable to kind of your system", 0, 0, 0, 0);
    Line2.Create(Handle, "You easily can change it from item of menu \"Skins\", except for that", 0, 0, 0, 0);
    Line3.Create(Handle, "Skins it is possible to create itself. More in detail on  ", 0, 0, 0, 0);
    SiteLink.Create(Handle, "Bryndale", 0, 0, 0, 0, BoldFont | UnderlinedFont, IdSiteLink);
    Choices.Create(Handle, "Choose the current kind of your OS", 0, 0, 0, 0);
    StandardChoice.Create(Handle, "Standard Windows XP skin", 0, 0, 0, 0, IdStandard, true);
    ClassicChoice.Create(Handle, "Classical skin Windows XP or OS Windows 98/Me/2000", 0, 0, 0, 0, IdClassic, false);
    StandardChoice.SetChecked(true);
    OkButton.Create(Handle, "OK", 0, 0, 0, 0, IdOk, true);
    // OK under the choices while all fits at its ease; with large fonts
    // beside them, the choices narrower, while the lines keep half their room
    // at least; with larger still, under them again in a taller dialog.
    if (!LayOut(true, 100, false) && !LayOut(false, KeptGapPercent, false))
        LayOut(true, KeptGapPercent, true);
}

bool FirstRunDialog::LayOut(bool okBelow, int keptPercent, bool grow)
{
    // As wide as described, or as the box's caption on one line.
    const SIZE caption = OneLine(Choices), ok = ButtonSize(OkButton, OkWidth, OkHeight);
    const int right = std::max(ClientWidth, int(caption.cx) + 2 * CaptionIndent + 2 * Margin) - Margin;
    const int choicesRight = okBelow ? right : right - ok.cx - Margin;
    if (caption.cx + 2 * CaptionIndent > choicesRight - Margin)
        return false;
    auto text = [&](const Control& control, int gap, bool follows = false) {
        return TextItem(control, Margin, right, gap, follows);
    };
    const int choiceWidth = choicesRight - Margin - ChoiceLeft;
    auto choice = [&](const RadioButton& button, int gap) {
        const int height = std::max(17, int(button.TextSize(choiceWidth - button.BoxWidth()).cy) + 4);
        return FlowItem{choiceWidth, height, gap, false, ChoiceLeft};
    };
    std::vector<FlowItem> items = {text(Heading, 8),
                                   text(Line1, 5),
                                   text(Line2, 3),
                                   text(Line3, 3),
                                   text(SiteLink, 0, true),
                                   {choicesRight - Margin, int(caption.cy), 9, false, Margin},  // the box's caption
                                   choice(StandardChoice, 7),
                                   choice(ClassicChoice, 9),
                                   {0, 0, 11, false, Margin}};  // the box's bottom edge
    if (okBelow)
        items.push_back({int(ok.cx), int(ok.cy), 12, false, right - int(ok.cx)});
    const Flow flow = LayOutFlow(items, 0, right, Bottom, keptPercent);
    if (flow.Bottom > Bottom && !grow)
        return false;
    PlaceControls({&Heading, &Line1, &Line2, &Line3, &SiteLink, nullptr, &StandardChoice, &ClassicChoice}, items,
                  flow);
    const int boxTop = flow.Places[5].Y, boxBottom = flow.Places[8].Y;
    Choices.SetBounds(Margin, boxTop, choicesRight - Margin, boxBottom - boxTop);
    OkButton.SetBounds(right - ok.cx, okBelow ? flow.Places[9].Y : boxBottom - ok.cy, ok.cx, ok.cy);
    GrowClient(*this, right + Margin, std::max(flow.Bottom, boxBottom) + Margin, true);
    return true;
}

bool FirstRunDialog::AsksForClassic()
{
    Create();
    ShowModal();
    return Classic;
}

void FirstRunDialog::OnOk()
{
    Classic = ClassicChoice.Checked();
    EndModal(DialogResult::Ok);
}

void FirstRunDialog::Command(UINT id, UINT code)
{
    switch (id) {
    case IdSiteLink:
        if (code == STN_CLICKED)
            ShellOpen(Handle, FirstRunPage);
        break;
    }
}
