#include "Controls.h"

#include <commctrl.h>

#include <utility>

#include "../base/Errors.h"
#include "../base/KeptObjects.h"
#include "../base/Scoped.h"
#include "../platform/Platform.h"
#include "Graphics.h"

namespace {
const char ControlProp[] = "Quorvel.Control";
const char OldProcProp[] = "Quorvel.OldProc";

LRESULT CALLBACK EnterListProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC old = WNDPROC(GetPropA(wnd, OldProcProp));
    // A Unicode list keeps its messages in Unicode.
    const auto callOld = IsWindowUnicode(wnd) ? CallWindowProcW : CallWindowProcA;
    if (msg == WM_GETDLGCODE && lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
        wParam == VK_RETURN)
        return callOld(old, wnd, msg, wParam, lParam) | DLGC_WANTMESSAGE;
    if (msg == WM_NCDESTROY)
        RemovePropA(wnd, OldProcProp);
    if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
        SendMessageA(GetParent(wnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(wnd), LBN_DBLCLK), LPARAM(wnd));
        return 0;
    }
    return callOld(old, wnd, msg, wParam, lParam);
}
// A line of a list box or combo box; "" for no line (LB_ERR and CB_ERR are
// both -1).
std::string ItemText(HWND list, UINT lengthMsg, UINT textMsg, int index)
{
    const LRESULT n = SendMessageA(list, lengthMsg, WPARAM(index), 0);
    if (n < 0)
        return "";
    std::string text(size_t(n) + 1, '\0');
    const LRESULT got = SendMessageA(list, textMsg, WPARAM(index), LPARAM(&text[0]));
    text.resize(got < 0 ? 0 : size_t(got) < text.size() ? size_t(got) : text.size() - 1);
    return text;
}

struct FontSearch {
    HFONT Font;
    bool Found;
};

BOOL CALLBACK LookForFont(HWND w, LPARAM param)
{
    FontSearch& search = *reinterpret_cast<FontSearch*>(param);
    if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId() &&
        HFONT(SendMessageA(w, WM_GETFONT, 0, 0)) == search.Font)
        search.Found = true;
    return !search.Found;
}

BOOL CALLBACK LookForFontInTree(HWND top, LPARAM param)
{
    if (LookForFont(top, param))
        EnumChildWindows(top, LookForFont, param);
    return !reinterpret_cast<FontSearch*>(param)->Found;
}

// Whether a window of ours shows its text in `font`. Every window is looked
// at, not only our top-level ones: the start button may be the taskbar's
// child. Slow, but asked only of a full list of fonts.
bool ShownByOurWindow(HFONT font)
{
    FontSearch search = {font, false};
    EnumWindows(LookForFontInTree, LPARAM(&search));
    return search.Found;
}
} // namespace

HFONT DialogFont(unsigned style, int points, BYTE charset)
{
    // Made once each and kept. The program asks for a handful of cuts (plain,
    // bold, underlined; 8 and 12 points; two character sets), far fewer than
    // there is room for.
    static KeptObjects<unsigned, ScopedFont, 16> fonts;
    const unsigned key = style | unsigned(charset) << 8 | unsigned(points) << 16;
    const auto make = [=] {
        const int height = -MulDiv(points, GetDeviceCaps(WindowDC(nullptr), LOGPIXELSY), 72);
        const bool anyScript = (style & AnyScriptFont) != 0;
        return ScopedFont(CreateFontA(height, 0, 0, 0, style & BoldFont ? FW_BOLD : FW_NORMAL, FALSE,
                                      (style & UnderlinedFont) != 0, FALSE, charset,
                                      anyScript ? OUT_TT_ONLY_PRECIS : OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                      anyScript ? "Microsoft Sans Serif" : "MS Sans Serif"));
    };
    // A control only borrows the font it is given: one a window shows stays.
    const ScopedFont* font = fonts.Find(key, make, [](const ScopedFont& f) { return !ShownByOurWindow(f.Get()); });
    // Sixteen cuts on screen at once leave no room for another, which then
    // gets the system's dialog font: nobody deletes that one.
    return font ? font->Get() : HFONT(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring OwnText(const std::string& text)
{
    return Widened(1251, text.data(), text.size());
}

bool ShownInUnicode(const std::string& text)
{
    for (unsigned char c : text)
        if (c >= 0x80)
            return IsNtFamily();
    return false;
}

void Control::Create(HWND parent, const char* className, const std::string& text, DWORD style, int x, int y,
                      int width, int height, UINT id, DWORD exStyle)
{
    // The visual styles' controls live in the common controls 6, which XP
    // registers only once the library is loaded.
    NeedCommonControls();
    Id = id;
    Cyrillic = ShownInUnicode(text);
    const DWORD all = WS_CHILD | WS_VISIBLE | style;
    Unicode = Unicode && IsNtFamily();
    if (Cyrillic || Unicode) {
        // A Unicode control keeps its text in Unicode.
        Handle = CreateWindowExW(exStyle, OwnText(className).c_str(), OwnText(text).c_str(), all, x, y, width,
                                 height, parent, HMENU(UINT_PTR(id)), ProgramModule(), nullptr);
    } else {
        Handle = CreateWindowExA(exStyle, className, text.c_str(), all, x, y, width, height, parent,
                                 HMENU(UINT_PTR(id)), ProgramModule(), nullptr);
    }
    if (!Handle)
        throw Exception(std::string("Cannot create control ") + className + ": system error " +
                        std::to_string(GetLastError()));
    SetPropA(Handle, ControlProp, HANDLE(this));
    SetFont(PlainFont);
}

Control::~Control()
{
    if (Handle && IsWindow(Handle))
        RemovePropA(Handle, ControlProp);
}

Control* Control::Of(HWND wnd)
{
    return static_cast<Control*>(GetPropA(wnd, ControlProp));
}

std::string Control::Text() const
{
    std::string text(size_t(GetWindowTextLengthA(Handle)) + 1, '\0');
    text.resize(size_t(GetWindowTextA(Handle, &text[0], int(text.size()))));
    return text;
}

void Control::SetText(const std::string& text)
{
    if (Unicode)
        SetWindowTextW(Handle, Widened(CP_UTF8, text.data(), text.size()).c_str());
    else
        SetWindowTextA(Handle, text.c_str());
}

void Control::SetEnabled(bool on)
{
    EnableWindow(Handle, on);
}

void Control::SetFont(unsigned style, int points)
{
    const HFONT font = DialogFont(style, points, Cyrillic ? RUSSIAN_CHARSET : DEFAULT_CHARSET);
    SendMessageA(Handle, WM_SETFONT, WPARAM(font), TRUE);
}

SIZE Control::TextSize(int maxWidth) const
{
    const WindowDC dc(Handle);
    const ScopedSelection font(dc, HGDIOBJ(SendMessageA(Handle, WM_GETFONT, 0, 0)));
    // Measured as shown: a Unicode control's text in Unicode.
    std::wstring wide;
    std::string narrow;
    if (Cyrillic) {
        wide.resize(size_t(GetWindowTextLengthW(Handle)) + 1);
        wide.resize(size_t(GetWindowTextW(Handle, &wide[0], int(wide.size()))));
    } else {
        narrow = Text();
    }
    auto measure = [&](UINT format, int width) {
        RECT r = {0, 0, width, 0};
        format |= DT_CALCRECT | DT_NOPREFIX;
        if (Cyrillic)
            DrawTextW(dc, wide.c_str(), int(wide.size()), &r, format);
        else
            DrawTextA(dc, narrow.c_str(), int(narrow.size()), &r, format);
        return SIZE{r.right, r.bottom};
    };
    // One line first: broken into lines, a text loses its closing spaces,
    // which a link after it needs.
    const SIZE line = measure(DT_SINGLELINE, 0);
    return line.cx <= maxWidth ? line : measure(DT_WORDBREAK, maxWidth);
}

void Control::SetBounds(int x, int y, int width, int height)
{
    SetWindowPos(Handle, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label::Create(HWND parent, const std::string& text, int x, int y, int width, int height, unsigned style,
                    UINT clickId)
{
    // A label that is no link lets the mouse through to its form, so the
    // form's pointer shows over it.
    Control::Create(parent, "STATIC", text, SS_LEFT | SS_NOPREFIX | (clickId ? SS_NOTIFY : 0), x, y, width,
                     height, clickId ? clickId : 0xFFFF);
    SetFont(style);
    if (clickId) {
        Cursor = HandPointer();
        FontColor = RGB(0, 0, 128);
    }
}

void Button::Create(HWND parent, const std::string& text, int x, int y, int width, int height, UINT id,
                     bool isDefault)
{
    Control::Create(parent, "BUTTON", text, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x, y,
                     width, height, id);
}

void RadioButton::Create(HWND parent, const std::string& text, int x, int y, int width, int height, UINT id,
                          bool firstOfGroup)
{
    Control::Create(parent, "BUTTON", text,
                     WS_TABSTOP | BS_AUTORADIOBUTTON | BS_MULTILINE | (firstOfGroup ? WS_GROUP : 0), x, y, width,
                     height, id);
}

int RadioButton::BoxWidth() const
{
    // The system's box and a digit's width of space: Windows and Wine leave
    // a little less than that.
    const WindowDC dc(Handle);
    const ScopedSelection font(dc, HGDIOBJ(SendMessageA(Handle, WM_GETFONT, 0, 0)));
    SIZE digit = {0, 0};
    GetTextExtentPoint32A(dc, "0", 1, &digit);
    return GetSystemMetrics(SM_CXMENUCHECK) + digit.cx;
}

bool RadioButton::Checked() const
{
    return SendMessageA(Handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetChecked(bool on)
{
    SendMessageA(Handle, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void GroupBox::Create(HWND parent, const std::string& text, int x, int y, int width, int height)
{
    Control::Create(parent, "BUTTON", text, BS_GROUPBOX, x, y, width, height, 0xFFFF);
}

void Edit::Create(HWND parent, int x, int y, int width, int height, UINT id)
{
    Control::Create(parent, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, x, y, width, height, id, WS_EX_CLIENTEDGE);
}

void SpinEdit::Create(HWND parent, int x, int y, int width, int height, UINT id, int min, int max)
{
    // The arrows take the right end of the field's width (the up-down control
    // narrows its buddy), as they would in a single control.
    // Digits only from the keyboard; pasted text may still hold anything.
    Control::Create(parent, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL | ES_NUMBER, x, y, width, height, id,
                     WS_EX_CLIENTEDGE);
    if (!NeedCommonControls())
        return;
    Arrows = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                             WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS |
                                 UDS_ARROWKEYS,
                             0, 0, 0, 0, parent, nullptr, ProgramModule(), nullptr);
    SendMessageA(Arrows, UDM_SETBUDDY, WPARAM(Handle), 0);
    SendMessageA(Arrows, UDM_SETRANGE, 0, MAKELPARAM(max, min));
}

void ListBox::Create(HWND parent, int x, int y, int width, int height, UINT id, DWORD extraStyle)
{
    Control::Create(parent, "LISTBOX", "",
                     WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | extraStyle, x, y, width, height,
                     id, WS_EX_CLIENTEDGE);
}

void ListBox::SetLines(const std::vector<std::string>& lines)
{
    // One drawing for the lot: line by line, a folder of a thousand
    // sub-folders froze the program for seconds.
    SendMessageA(Handle, WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle, LB_RESETCONTENT, 0, 0);
    size_t bytes = 0;
    for (const std::string& line : lines)
        bytes += line.size() + 1;
    SendMessageA(Handle, LB_INITSTORAGE, lines.size(), LPARAM(bytes));
    for (const std::string& line : lines)
        if (Unicode)
            SendMessageW(Handle, LB_ADDSTRING, 0, LPARAM(Widened(CP_UTF8, line.data(), line.size()).c_str()));
        else
            SendMessageA(Handle, LB_ADDSTRING, 0, LPARAM(line.c_str()));
    SendMessageA(Handle, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle, nullptr, TRUE);
}

int ListBox::Count() const
{
    return int(SendMessageA(Handle, LB_GETCOUNT, 0, 0));
}

int ListBox::ItemIndex() const
{
    return int(SendMessageA(Handle, LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index)
{
    SendMessageA(Handle, LB_SETCURSEL, WPARAM(index), 0);
}

std::string ListBox::Line(int index) const
{
    return ItemText(Handle, LB_GETTEXTLEN, LB_GETTEXT, index);
}

void ListBox::SetItemHeight(int height)
{
    SendMessageA(Handle, LB_SETITEMHEIGHT, 0, height);
}

void ListBox::ReportEnter()
{
    if (Unicode) {
        SetPropA(Handle, OldProcProp, HANDLE(GetWindowLongPtrW(Handle, GWLP_WNDPROC)));
        SetWindowLongPtrW(Handle, GWLP_WNDPROC, LONG_PTR(EnterListProc));
    } else {
        SetPropA(Handle, OldProcProp, HANDLE(GetWindowLongPtrA(Handle, GWLP_WNDPROC)));
        SetWindowLongPtrA(Handle, GWLP_WNDPROC, LONG_PTR(EnterListProc));
    }
}

void ComboBox::Create(HWND parent, int x, int y, int width, int dropHeight, UINT id)
{
    Control::Create(parent, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, x, y, width, dropHeight,
                     id);
}

void ComboBox::Clear()
{
    SendMessageA(Handle, CB_RESETCONTENT, 0, 0);
}

void ComboBox::Add(const std::string& line)
{
    SendMessageA(Handle, CB_ADDSTRING, 0, LPARAM(line.c_str()));
}

int ComboBox::ItemIndex() const
{
    return int(SendMessageA(Handle, CB_GETCURSEL, 0, 0));
}

void ComboBox::SetItemIndex(int index)
{
    SendMessageA(Handle, CB_SETCURSEL, WPARAM(index), 0);
}

std::string ComboBox::Line(int index) const
{
    return ItemText(Handle, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}
