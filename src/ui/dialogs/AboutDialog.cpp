#include "AboutDialog.h"

#include <algorithm>
#include <string>

#include "../../../res/resource.h"
#include "../../platform/Platform.h"
#include "../../toolkit/Layout.h"
#include "../Links.h"

namespace {
enum : UINT { IdUrlLink = 100, IdMailLink };
const int ClientWidth = 262, ClientHeight = 146;
// The texts' column, right of the portrait, a little off the edges.
const int TextLeft = 108, Edge = 4;
} // namespace

AboutDialog::AboutDialog() : Form("TAbout")
{
    // "About Quorvel 2.0", Windows-1251
    DialogFrame("\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5 Quorvel 2.0", ClientWidth, ClientHeight);
    Color = RGB(192, 192, 192);
    Portrait.AutoSize = true;
    Portrait.Left = Portrait.Top = 8;
    Portrait.SetPicture(Bitmap::FromResource(IDB_ABOUT));
    Portrait.Hint = AuthorName;
    Pictures = {&Portrait};
}

void AboutDialog::OnCreate()
{
    Title.Create(Handle, "Quorvel 2.1", 0, 0, 0, 0, BoldFont);
    Title.SetFont(BoldFont, 12);
    Author.Create(Handle, std::string("The author: ") + AuthorName, 0, 0, 0, 0);
    Date.Create(Handle, "April 2005 \xE3", 0, 0, 0, 0);  // "г", Windows-1251
    UrlLabel.Create(Handle, "URL: ", 0, 0, 0, 0);
    UrlLink.Create(Handle, HomePage, 0, 0, 0, 0, UnderlinedFont, IdUrlLink);
    MailLabel.Create(Handle, "E-mail: ", 0, 0, 0, 0);
    MailLink.Create(Handle, AuthorMail, 0, 0, 0, 0, UnderlinedFont, IdMailLink);
    // Placed by their texts' sizes: each link after its label, or under it
    // where large fonts leave no room. The column is as wide as its widest
    // text, none broken into lines; the room between lines shrinks to half
    // before the dialog grows.
    const std::vector<Control*> labels = {&Title, &Author, &Date, &UrlLabel, &UrlLink, &MailLabel, &MailLink};
    int right = ClientWidth - Edge;
    for (const Control* label : labels)
        right = std::max(right, TextLeft + int(OneLine(*label).cx));
    auto text = [&](const Label& label, int gap, bool follows = false) {
        return TextItem(label, TextLeft, right, gap, follows);
    };
    const std::vector<FlowItem> items = {text(Title, 10),    text(Author, 10),          text(Date, 5),
                                         text(UrlLabel, 15), text(UrlLink, 0, true),    text(MailLabel, 5),
                                         text(MailLink, 0, true)};
    const Flow flow = LayOutFlow(items, 0, right, ClientHeight - Edge, KeptGapPercent);
    PlaceControls(labels, items, flow);
    GrowClient(*this, right + Edge, flow.Bottom + Edge, true);
}

void AboutDialog::Command(UINT id, UINT code)
{
    if (code != STN_CLICKED)
        return;
    switch (id) {
    case IdUrlLink: OpenHomePage(); break;
    case IdMailLink: WriteMail(); break;
    }
}

// The portrait writes to its author too.
void AboutDialog::PictureMouseUp(Picture&, MouseButton, int, int)
{
    WriteMail();
}

void AboutDialog::OpenHomePage()
{
    ShellOpen(Handle, HomePage);
}

void AboutDialog::WriteMail()
{
    ShellOpen(Handle, std::string("mailto:") + AuthorMail + "?subject=Quorvel 2.0&Body=Hello!");
}
