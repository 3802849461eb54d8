#include "AboutUnit.h"

#include <string>

#include "../../res/resource.h"
#include "../app/Links.h"
#include "../platform/Platform.h"

namespace {
enum : UINT { idLabel5 = 100, idLabel7 };
const int TextLeft = 108;

// A label followed at once by its link.
void LinkAfter(TLabel& label, TLabel& link, HWND form, const std::string& text, int top, UINT id)
{
    const int left = TextLeft + label.TextWidth();
    link.Create(form, text, left, top, 262 - left, 13, fsUnderline, id);
}
} // namespace

TAbout::TAbout() : TForm("TAbout")
{
    // "About Quorvel 2.0", Windows-1251
    DialogFrame("\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5 Quorvel 2.0", 262, 146);
    Color = RGB(192, 192, 192);
    Image1.AutoSize = true;
    Image1.Left = Image1.Top = 8;
    Image1.SetPicture(Bitmap::FromResource(GetModuleHandleA(nullptr), IDB_ABOUT));
    Image1.Hint = AuthorName;
    Pictures = {&Image1};
}

void TAbout::FormCreate()
{
    Label2.Create(Handle, "Quorvel 2.1", TextLeft, 10, 150, 20, fsBold);
    Label2.SetFont(fsBold, 12);
    Label1.Create(Handle, std::string("The author: ") + AuthorName, TextLeft, 40, 150, 13);
    Label3.Create(Handle, "April 2005 \xE3", TextLeft, 58, 150, 13);  // "г", Windows-1251
    Label4.Create(Handle, "URL: ", TextLeft, 86, 40, 13);
    LinkAfter(Label4, Label5, Handle, HomePage, 86, idLabel5);
    Label6.Create(Handle, "E-mail: ", TextLeft, 104, 40, 13);
    LinkAfter(Label6, Label7, Handle, AuthorMail, 104, idLabel7);
}

LRESULT TAbout::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COMMAND || HIWORD(wParam) != STN_CLICKED)
        return TForm::WndProc(msg, wParam, lParam);
    switch (LOWORD(wParam)) {
    case idLabel5: Label5Click(); break;
    case idLabel7: Label7Click(); break;
    }
    return 0;
}

void TAbout::PictureMouseUp(TImage&, MouseButton, int, int)
{
    Label7Click();
}

void TAbout::Label5Click()
{
    ShellOpen(Handle, HomePage);
}

void TAbout::Label7Click()
{
    ShellOpen(Handle, std::string("mailto:") + AuthorMail + "?subject=Quorvel 2.0&Body=Hello!");
}
