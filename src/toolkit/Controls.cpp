#include "Controls.h"

#include <commctrl.h>

#include "Application.h"

HFONT DialogFont()
{
    static const HFONT font = [] {
        const HDC screen = GetDC(nullptr);
        const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    }();
    return font;
}

void TControl::Create(HWND parent, const char* className, const std::string& text, DWORD style, int x, int y,
                      int width, int height, UINT id, DWORD exStyle)
{
    Id = id;
    Handle = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                             parent, HMENU(UINT_PTR(id)), Application.Instance, nullptr);
    SendMessageA(Handle, WM_SETFONT, WPARAM(DialogFont()), FALSE);
}

std::string TControl::Text() const
{
    std::string text(size_t(GetWindowTextLengthA(Handle)) + 1, '\0');
    text.resize(size_t(GetWindowTextA(Handle, &text[0], int(text.size()))));
    return text;
}

void TControl::SetText(const std::string& text)
{
    SetWindowTextA(Handle, text.c_str());
}

void TControl::SetEnabled(bool on)
{
    EnableWindow(Handle, on);
}

void TLabel::Create(HWND parent, const std::string& text, int x, int y, int width, int height)
{
    TControl::Create(parent, "STATIC", text, SS_LEFT | SS_NOPREFIX, x, y, width, height, 0xFFFF);
}

void TButton::Create(HWND parent, const std::string& text, int x, int y, int width, int height, UINT id,
                     bool isDefault)
{
    TControl::Create(parent, "BUTTON", text, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x, y,
                     width, height, id);
}

void TSpinEdit::Create(HWND parent, int x, int y, int width, int height, UINT id, int min, int max)
{
    // The arrows take the right end of the field's width (the up-down control
    // narrows its buddy), as they would in a single control.
    TControl::Create(parent, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, x, y, width, height, id, WS_EX_CLIENTEDGE);
    Arrows = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                             WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS |
                                 UDS_ARROWKEYS,
                             0, 0, 0, 0, parent, nullptr, Application.Instance, nullptr);
    SendMessageA(Arrows, UDM_SETBUDDY, WPARAM(Handle), 0);
    SendMessageA(Arrows, UDM_SETRANGE, 0, MAKELPARAM(max, min));
}
