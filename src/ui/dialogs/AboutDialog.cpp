#include "AboutDialog.h"

#include <string>

#include "../../../res/resource.h"
#include "../../platform/Platform.h"
#include "../Links.h"

namespace {
enum : UINT { IdUrlLink = 100, IdMailLink };
const int TextLeft = 108;

// A label followed at once by its link.
void LinkAfter(TLabel& label, TLabel& link, HWND form, const std::string& text, int top, UINT id)
{
    const int left = TextLeft + label.TextWidth();
    link.Create(form, text, left, top, 262 - left, 13, fsUnderline, id);
}
} // namespace

AboutDialog::AboutDialog() : TForm("TAbout")
{
    // "About Quorvel 2.0", Windows-1251
    DialogFrame("\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5 Quorvel 2.0", 262, 146);
    Color = RGB(192, 192, 192);
    Portrait.AutoSize = true;
    Portrait.Left = Portrait.Top = 8;
    Portrait.SetPicture(Bitmap::FromResource(GetModuleHandleA(nullptr), IDB_ABOUT));
    Portrait.Hint = AuthorName;
    Pictures = {&Portrait};
}

void AboutDialog::FormCreate()
{
    Title.Create(Handle, "Quorvel 2.1", TextLeft, 10, 150, 20, fsBold);
    Title.SetFont(fsBold, 12);
    Author.Create(Handle, std::string("The author: ") + AuthorName, TextLeft, 40, 150, 13);
    Date.Create(Handle, "April 2005 \xE3", TextLeft, 58, 150, 13);  // "г", Windows-1251
    UrlLabel.Create(Handle, "URL: ", TextLeft, 86, 40, 13);
    LinkAfter(UrlLabel, UrlLink, Handle, HomePage, 86, IdUrlLink);
    MailLabel.Create(Handle, "E-mail: ", TextLeft, 104, 40, 13);
    LinkAfter(MailLabel, MailLink, Handle, AuthorMail, 104, IdMailLink);
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
void AboutDialog::PictureMouseUp(TImage&, MouseButton, int, int)
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
