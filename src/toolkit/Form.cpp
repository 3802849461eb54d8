#include "Form.h"

#include <commctrl.h>
#include <windowsx.h>


#include "../../res/resource.h"
#include "../base/Errors.h"
#include "../base/KeptObjects.h"
#include "../base/Scoped.h"
#include "../platform/Platform.h"
#include "Accessible.h"
#include "Application.h"
#include "Controls.h"

bool AnyMouseButtonHeld()
{
    return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0 || GetKeyState(VK_MBUTTON) < 0;
}

void Picture::SetPicture(Bitmap picture)
{
    Pic = std::move(picture);
    if (AutoSize) {
        Width = Pic.Width;
        Height = Pic.Height;
    }
}

bool Picture::Contains(int x, int y) const
{
    return Visible && x >= Left && x < Left + Width && y >= Top && y < Top + Height;
}

void Picture::Paint(HDC dc) const
{
    if (!Visible || Pic.Empty())
        return;
    MemoryDC src(dc, Pic.Handle());
    if (Stretch) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, Left, Top, Width, Height, src, 0, 0, Pic.Width, Pic.Height, SRCCOPY);
        return;
    }
    const int w = Pic.Width < Width ? Pic.Width : Width;
    const int h = Pic.Height < Height ? Pic.Height : Height;
    if (!Transparent) {
        BitBlt(dc, Left, Top, w, h, src, 0, 0, SRCCOPY);
        return;
    }
    // A mask blit, which every version of Windows has: the mask is white where
    // the picture shows the key colour, the key pixels are blackened, and the
    // two are combined with what lies beneath.
    const COLORREF key = GetPixel(src, 0, Pic.Height - 1);
    Bitmap mask(CreateBitmap(Pic.Width, Pic.Height, 1, 1, nullptr));
    MemoryDC m(dc, mask.Handle());
    SetBkColor(src, key);
    BitBlt(m, 0, 0, Pic.Width, Pic.Height, src, 0, 0, SRCCOPY);
    Bitmap keyed(CreateCompatibleBitmap(dc, Pic.Width, Pic.Height));
    MemoryDC k(dc, keyed.Handle());
    BitBlt(k, 0, 0, Pic.Width, Pic.Height, src, 0, 0, SRCCOPY);
    SetBkColor(k, RGB(255, 255, 255));
    SetTextColor(k, RGB(0, 0, 0));
    BitBlt(k, 0, 0, Pic.Width, Pic.Height, m, 0, 0, 0x00220326);  // DSna: blacken the key pixels
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, Left, Top, w, h, m, 0, 0, SRCAND);
    BitBlt(dc, Left, Top, w, h, k, 0, 0, SRCPAINT);
}

namespace {
// Nothing escapes a handler: an error ends it and is shown in the error box.
template <typename Handler>
void ShowingErrors(Handler handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        TheApplication.ShowException(e);
    }
}

// A window keeps its form twice, on purpose. Our window procedure reads it
// from GWLP_USERDATA, at every message: a property would be a round trip to
// the server under Wine (20 ms more start-up). Any other code asks the
// property, which only our forms have: the system's dialogs of this process
// put values of their own in GWLP_USERDATA.
const char FormProp[] = "Quorvel.Form";

void Attach(HWND wnd, Form* form)
{
    SetWindowLongPtrA(wnd, GWLP_USERDATA, LONG_PTR(form));
    SetPropA(wnd, FormProp, HANDLE(form));
}
} // namespace

Form* Form::Of(HWND wnd)
{
    return static_cast<Form*>(GetPropA(wnd, FormProp));
}

Form::Form(const char* className) : ClassName(className) {}

Form::~Form()
{
    if (Handle) {
        SetWindowLongPtrA(Handle, GWLP_USERDATA, 0);
        RemovePropA(Handle, FormProp);
        DestroyWindow(Handle);
    }
}

void Form::DialogFrame(const std::string& caption, int clientWidth, int clientHeight, int left, int top)
{
    // Children are not clipped: a group box leaves its inside for the form
    // to paint.
    Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    ExStyle = WS_EX_DLGMODALFRAME;
    Caption = caption;
    InitClientWidth = clientWidth;
    InitClientHeight = clientHeight;
    InitLeft = left != Centred ? left : (GetSystemMetrics(SM_CXSCREEN) - clientWidth) / 2;
    InitTop = top != Centred ? top : (GetSystemMetrics(SM_CYSCREEN) - clientHeight) / 2;
    DialogKeys = true;
}

void Form::Create()
{
    ShowingErrors([this] { CreateHandle(); });
    if (Handle)
        Created();
}

void Form::CreateFrom(Form& old)
{
    Handle = old.Handle;
    Tooltip = old.Tooltip;
    Hovered = old.Hovered;
    old.Handle = old.Tooltip = nullptr;
    Attach(Handle, this);
    if (GetCapture() == Handle)
        ReleaseCapture();
    Created();
}

void Form::Created()
{
    ShowingErrors([this] { OnCreate(); });
    UpdateHints();
}

void Form::CreateHandle()
{
    RECT r = {0, 0, InitClientWidth, InitClientHeight};
    AdjustWindowRectEx(&r, Style, FALSE, ExStyle);
    // Only a caption shows the icon: the class of a window without one makes
    // no small copy of it, which cost the button's start two milliseconds.
    const HICON icon = Style & WS_CAPTION ? LoadIconA(ProgramModule(), MAKEINTRESOURCEA(1)) : nullptr;
    // On the NT family a Unicode window, so that a Cyrillic caption shows
    // whatever the system's code page; the 95 family has ANSI windows only.
    if (IsNtFamily()) {
        const std::wstring cls = OwnText(ClassName);
        WNDCLASSW wc;
        if (!GetClassInfoW(ProgramModule(), cls.c_str(), &wc)) {
            wc = {};
            wc.lpfnWndProc = StaticProc;
            wc.hInstance = ProgramModule();
            wc.hIcon = icon;
            wc.lpszClassName = cls.c_str();
            RegisterClassW(&wc);
        }
        CreateWindowExW(ExStyle, cls.c_str(), OwnText(Caption).c_str(), Style, InitLeft, InitTop,
                        r.right - r.left, r.bottom - r.top, TheApplication.Handle, nullptr, ProgramModule(), this);
    } else {
        WNDCLASSA wc;
        if (!GetClassInfoA(ProgramModule(), ClassName, &wc)) {
            wc = {};
            wc.lpfnWndProc = StaticProc;
            wc.hInstance = ProgramModule();
            wc.hIcon = icon;
            wc.lpszClassName = ClassName;
            RegisterClassA(&wc);
        }
        CreateWindowExA(ExStyle, ClassName, Caption.c_str(), Style, InitLeft, InitTop, r.right - r.left,
                        r.bottom - r.top, TheApplication.Handle, nullptr, ProgramModule(), this);
    }
    // Out of window handles, or a desktop going away: told, never built on.
    if (!Handle)
        throw Exception(std::string("Cannot create window ") + ClassName + ": system error " +
                        std::to_string(GetLastError()));
}

LRESULT CALLBACK Form::StaticProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        // lpCreateParams stands at the same place in both character sets.
        Form* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->Handle = wnd;
        Attach(wnd, form);
    }
    Form* form = reinterpret_cast<Form*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY)
        RemovePropA(wnd, FormProp);
    if (!form)
        return (IsWindowUnicode(wnd) ? DefWindowProcW : DefWindowProcA)(wnd, msg, wParam, lParam);
    LRESULT result = 0;
    ++form->Depth;
    ShowingErrors([&] { result = form->WndProc(msg, wParam, lParam); });
    --form->Depth;
    if (msg == WM_NCDESTROY)
        form->Destroyed();
    return result;
}

// Our own forms' windows are destroyed only by the destructor, which cuts the
// form off first. A window that gets here went down with its owner or parent:
// another program's taskbar that was closed or crashed.
void Form::Destroyed()
{
    Handle = Tooltip = Focus = nullptr;
    Pressed = nullptr;
    Hovered = false;
    if (this == TheApplication.MainWindow && !TheApplication.Ending)
        PostMessageA(TheApplication.Handle, WM_APP_MAINLOST, 0, 0);
}

LRESULT Form::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return Mouse(msg, lParam);
    case WM_CAPTURECHANGED: Pressed = nullptr; return 0;
    case WM_SETCURSOR: return SetCursorMsg(wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: return ControlColor(msg, HDC(wParam), HWND(lParam));
    case WM_CLOSE: Close(); return 0;
    case WM_ACTIVATE:
        if (Activate(LOWORD(wParam) != WA_INACTIVE))
            return 0;
        break;
    case DM_GETDEFID: return DefaultId();
    case WM_COMMAND: Commanded(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_GETOBJECT:
        if (const LRESULT own = AccessibleObjectOf(Handle, wParam, lParam))
            return own;
        break;
    case WM_APP_PRESSPART: PressAccessiblePart(Handle, int(wParam)); return 0;
    }
    return Default(msg, wParam, lParam);
}

LRESULT Form::Default(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return (IsWindowUnicode(Handle) ? DefWindowProcW : DefWindowProcA)(Handle, msg, wParam, lParam);
}

void Form::Commanded(UINT id, UINT code)
{
    if (OkId && id == OkId)
        OnOk();
    else if (CancelId && id == CancelId)
        OnCancel();
    else
        Command(id, code);
}

void Form::Close()
{
    if (!OnClose())
        return;
    if (Modal)
        Result = DialogResult::Cancel;
    else if (this == TheApplication.MainWindow)
        TheApplication.End();
    else
        Hide();
}

void Form::DrawContent(HDC dc, int width, int height) const
{
    const ScopedBrush background(CreateSolidBrush(Color));
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, background.Get());
    for (const Picture* p : Pictures)
        p->Paint(dc);
    PaintOver(dc);
}

void Form::Paint()
{
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(Handle, &ps);
    RECT rc;
    GetClientRect(Handle, &rc);
    // Drawn off screen first, so that stacked pictures never flicker.
    Bitmap buffer(CreateCompatibleBitmap(dc, rc.right, rc.bottom));
    {
        MemoryDC mem(dc, buffer.Handle());
        DrawContent(mem, rc.right, rc.bottom);
        BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
    }
    EndPaint(Handle, &ps);
}

void Form::ApplyColorKey()
{
    RECT rc;
    GetClientRect(Handle, &rc);
    Surface s(rc.right, rc.bottom);
    DrawContent(s.Dc(), s.Width, s.Height);
    GdiFlush();
    const uint32_t key = (GetRValue(Color) << 16) | (GetGValue(Color) << 8) | GetBValue(Color);
    SetWindowRgn(Handle, RegionFromRuns(OpaqueRuns(s.Pixels(), s.Width, s.Height, key)), TRUE);
}

void Form::UpdateHints()
{
    // The tooltips wait for the pointer's first visit: they need the common
    // controls, which would otherwise be loaded at every start, and a window
    // of their own, which would otherwise be made at every skin change.
    if (!Hovered || !NeedCommonControls())
        return;
    if (!Tooltip) {
        Tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle, nullptr, ProgramModule(),
                                  nullptr);
    }
    for (size_t i = 0; i < Pictures.size(); ++i) {
        const Picture& p = *Pictures[i];
        TOOLINFOA ti = {};
        ti.cbSize = TTTOOLINFOA_V1_SIZE;  // understood by every version of the common controls
        ti.uFlags = TTF_SUBCLASS;
        ti.hwnd = Handle;
        ti.uId = i;
        SendMessageA(Tooltip, TTM_DELTOOLA, 0, LPARAM(&ti));
        if (!p.Visible || p.Hint.empty())
            continue;
        ti.rect = {p.Left, p.Top, p.Left + p.Width, p.Top + p.Height};
        ti.lpszText = const_cast<char*>(p.Hint.c_str());
        SendMessageA(Tooltip, TTM_ADDTOOLA, 0, LPARAM(&ti));
    }
}

Picture* Form::PictureAt(int x, int y) const
{
    for (auto p = Pictures.rbegin(); p != Pictures.rend(); ++p)
        if ((*p)->Contains(x, y))
            return *p;
    return nullptr;
}

LRESULT Form::Mouse(UINT msg, LPARAM lParam)
{
    if (!Hovered) {
        Hovered = true;
        UpdateHints();
        if (Tooltip) {
            MSG m = {Handle, msg, 0, lParam, DWORD(GetMessageTime()), {}};
            SendMessageA(Tooltip, TTM_RELAYEVENT, 0, LPARAM(&m));
        }
    }
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    // A press lasts while the form holds the pointer's capture. Without it
    // the release went elsewhere, and the next click must not go to the
    // picture pressed before.
    if (Pressed && GetCapture() != Handle)
        Pressed = nullptr;
    Picture* target = Pressed ? Pressed : PictureAt(x, y);
    if (!target)
        return 0;
    const int px = x - target->Left, py = y - target->Top;
    switch (msg) {
    case WM_MOUSEMOVE: PictureMouseMove(*target, px, py); break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Pressed = target;
        SetCapture(Handle);
        PictureMouseDown(*target, msg == WM_LBUTTONDOWN   ? MouseButton::Left
                                  : msg == WM_RBUTTONDOWN ? MouseButton::Right
                                                          : MouseButton::Middle,
                         px, py);
        break;
    default:
        if (!AnyMouseButtonHeld() && GetCapture() == Handle)
            ReleaseCapture();
        PictureMouseUp(*target, msg == WM_LBUTTONUP   ? MouseButton::Left
                                : msg == WM_RBUTTONUP ? MouseButton::Right
                                                      : MouseButton::Middle,
                       px, py);
    }
    return 0;
}

LRESULT Form::SetCursorMsg(WPARAM wParam, LPARAM lParam)
{
    if (HWND(wParam) != Handle) {
        // Over a control: its own pointer if it has one, else the class's.
        const Control* c = Control::Of(HWND(wParam));
        if (!c || !c->Cursor)
            return FALSE;
        ::SetCursor(c->Cursor);
        return TRUE;
    }
    if (LOWORD(lParam) != HTCLIENT)
        return Default(WM_SETCURSOR, WPARAM(Handle), lParam);
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(Handle, &pt);
    const Picture* p = Pressed ? Pressed : PictureAt(pt.x, pt.y);
    ::SetCursor(p && p->Cursor ? p->Cursor : FormCursor);
    return TRUE;
}

void Form::SetCursor(HCURSOR cursor)
{
    FormCursor = cursor;
    POINT pt;
    GetCursorPos(&pt);
    if (WindowFromPoint(pt) == Handle)
        ::SetCursor(cursor);
}

// Labels and frames stand on the form's colour; a control may ask for a
// text colour and a list box for a background of its own.
LRESULT Form::ControlColor(UINT msg, HDC dc, HWND control)
{
    const Control* c = Control::Of(control);
    COLORREF back = Color;
    if (msg == WM_CTLCOLORLISTBOX) {
        // Only a list box of ours with a colour of its own; the rest (a
        // combo box's drop-down among them) keep the system's.
        if (!c || c->Background() == CLR_NONE)
            return Default(msg, WPARAM(dc), LPARAM(control));
        back = c->Background();
    }
    if (c)
        SetTextColor(dc, c->FontColor);
    SetBkColor(dc, back);
    // A brush per colour, kept: there are a handful. One let go for another
    // colour is no longer in use, as a control paints with the brush at once.
    static KeptObjects<COLORREF, ScopedBrush, 8> brushes;
    return LRESULT(brushes.Get(back, [back] { return ScopedBrush(CreateSolidBrush(back)); }).Get());
}

namespace {
// The windows the outermost modal form disabled, to be enabled when it closes.
std::vector<HWND>* ModalDisabled = nullptr;
} // namespace

void Form::DisableWhileModal(HWND wnd)
{
    if (ModalDisabled && wnd && IsWindowEnabled(wnd)) {
        EnableWindow(wnd, FALSE);
        ModalDisabled->push_back(wnd);
    }
}

DialogResult Form::ShowModal()
{
    // Already open (asked for again from a panel made anew meanwhile): the
    // second request gets no answer of its own.
    if (Modal)
        return DialogResult::Cancel;
    // Every shown window of this thread that takes input now, but the main
    // one. Hidden ones stay as they are: one of them may be the next dialog.
    std::vector<HWND> disabled;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        const Form* form = Form::Of(w);
        if (w == Handle || (TheApplication.MainWindow && w == TheApplication.MainWindow->Handle) ||
            GetWindowThreadProcessId(w, nullptr) != GetCurrentThreadId() || !IsWindowVisible(w) ||
            !IsWindowEnabled(w) || (form && form->AnswersDuringModal))
            continue;
        EnableWindow(w, FALSE);
        disabled.push_back(w);
    }
    Modal = true;
    Result = DialogResult::None;
    const bool outermost = !ModalDisabled;
    if (outermost)
        ModalDisabled = &disabled;
    OnShow();
    ShowWindow(Handle, SW_SHOW);
    SetForegroundWindow(Handle);
    TheApplication.RunUntil([this] { return Result != DialogResult::None; });
    if (outermost)
        ModalDisabled = nullptr;
    if (Result == DialogResult::None)
        Result = DialogResult::Cancel;  // the program is ending
    for (HWND w : disabled)
        if (IsWindow(w))
            EnableWindow(w, TRUE);
    Hide();
    Modal = false;
    return Result;
}

void Form::Show()
{
    OnShow();
    ShowWindow(Handle, ActivateOnShow ? SW_SHOW : SW_SHOWNA);
    if (ActivateOnShow)
        SetForegroundWindow(Handle);
}

// Enter presses the focused push button, else the default one.
LRESULT Form::DefaultId() const
{
    const HWND f = GetFocus();
    if (IsChild(Handle, f) && (SendMessageA(f, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return MAKELRESULT(GetDlgCtrlID(f), DC_HASDEFID);
    return DefaultButton ? MAKELRESULT(DefaultButton, DC_HASDEFID) : 0;
}

void Form::ResetKeyboard()
{
    Focus = nullptr;
    for (HWND c = GetWindow(Handle, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (SendMessageA(c, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
            SendMessageA(c, BM_SETSTYLE, UINT(GetDlgCtrlID(c)) == DefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                         TRUE);
}

// A form with controls gives the keyboard back to the control that had it,
// or to its first control, instead of taking it itself.
bool Form::Activate(bool active)
{
    if (!active) {
        const HWND f = GetFocus();
        if (IsChild(Handle, f))
            Focus = f;
        return false;
    }
    if (!IsChild(Handle, Focus))
        Focus = GetNextDlgTabItem(Handle, nullptr, FALSE);
    if (!Focus)
        return false;
    SetFocus(Focus);
    return true;
}

void Form::Hide()
{
    ShowWindow(Handle, SW_HIDE);
}

bool Form::Visible() const
{
    return IsWindowVisible(Handle) != FALSE;
}

void Form::SetBounds(int left, int top, int width, int height)
{
    SetWindowPos(Handle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetClientSize(int width, int height)
{
    RECT r = {0, 0, width, height};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongA(Handle, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongA(Handle, GWL_EXSTYLE)));
    SetWindowPos(Handle, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Invalidate()
{
    InvalidateRect(Handle, nullptr, FALSE);
}
