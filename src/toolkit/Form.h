// A form: one top-level window with picture controls drawn on it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "Graphics.h"

// A picture drawn at a place on its form. It is not a window of its own: the
// form paints it and routes the mouse to it (the topmost visible picture
// under the pointer; the pressed one while a button is held).
class Picture {
public:
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    bool AutoSize = false;     // takes the size of each picture loaded
    bool Stretch = false;      // drawn scaled to its size
    bool Transparent = false;  // the colour of the lower-left pixel is see-through
    HCURSOR Cursor = nullptr;  // nullptr: the form's
    std::string Hint;

    void SetPicture(Bitmap picture);
    const Bitmap& Image() const { return Pic; }
    bool Contains(int x, int y) const;
    void Paint(HDC dc) const;

private:
    Bitmap Pic;
};

enum class MouseButton { Left, Right, Middle };

// Whether a button is held as of the input message being handled.
bool AnyMouseButtonHeld();

// How a modal form ended.
enum class DialogResult { None, Ok, Cancel };

class Form {
public:
    explicit Form(const char* className);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window, then runs OnCreate; an error there is shown in the
    // error box and skips the rest of it.
    void Create();
    // The same, but takes over the window of a form of the same class, which
    // is left without one; cheaper than a window anew. Not while a handler of
    // the old form is running (see InHandler).
    void CreateFrom(Form& old);
    // One of the form's handlers is running, perhaps beneath a nested loop.
    bool InHandler() const { return Depth > 0; }

    // Events of the shell and the session, which reach the program through its
    // hidden window; an error is shown as in any handler.
    void Dispatch(void (Form::*handler)());
    // The taskbar has come up anew, or the window went down with the old one
    // (Handle is then nullptr).
    virtual void ShellRestarted() {}
    // The user is logging off or shutting down; the process ends after it.
    virtual void SessionEnding() {}
    // The program's hot key was pressed, wherever the keyboard was.
    virtual void HotKeyPressed() {}
    // A full-screen program came to the front of a taskbar's monitor, or left.
    virtual void FullScreenChanged() {}
    // A second monitor's taskbar may have come or gone.
    virtual void TaskbarsChanged() {}
    // The screen's size changed, or a monitor came or went.
    virtual void DisplayChanged() {}

    HWND Handle = nullptr;
    void Show();
    void Hide();
    bool Visible() const;
    void SetBounds(int left, int top, int width, int height);
    void SetClientSize(int width, int height);
    void Invalidate();
    // The pointer shape over parts of the form no picture claims.
    void SetCursor(HCURSOR cursor);
    // The keyboard as at the first showing: the first control takes it when
    // the form is next activated, and only the default button looks so.
    void ResetKeyboard();
    // Cuts away every pixel of the colour key, as drawn now.
    void ApplyColorKey();
    // Gives every visible picture with a hint its tooltip, at its present place.
    void UpdateHints();

    // Shows the form and runs until EndModal; meanwhile the program's other
    // windows take no input, the main window excepted (the start button
    // belongs to the taskbar). Closing it, or the program ending under it,
    // gives Cancel.
    DialogResult ShowModal();
    void EndModal(DialogResult result) { Result = result; }

    // A window made while a modal form is open takes no input until the
    // outermost one closes, as the windows it replaced did not.
    static void DisableWhileModal(HWND wnd);

    // The form of a window of this process, or nullptr.
    static Form* Of(HWND wnd);
    // Tab, Enter and Escape move between its controls as in a dialog box.
    bool DialogKeys = false;
    // Left enabled while another form is modal: a window that must be
    // answerable whatever else is open.
    bool AnswersDuringModal = false;

protected:
    // Makes the form a dialog: a fixed frame with a caption and a close box,
    // the client size given, at (left, top) or in the middle of the screen,
    // and the keys of a dialog box. Called before Create().
    static const int Centred = -1;
    void DialogFrame(const std::string& caption, int clientWidth, int clientHeight, int left = Centred,
                     int top = Centred);
    // Fixed before Create().
    DWORD Style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    DWORD ExStyle = 0;
    std::string Caption;
    COLORREF Color = GetSysColor(COLOR_BTNFACE);
    int InitLeft = 0, InitTop = 0, InitClientWidth = 100, InitClientHeight = 100;
    bool ActivateOnShow = false;  // dialogs take the keyboard when shown
    UINT DefaultButton = 0;       // the control Enter chooses
    // Painting order: later pictures are drawn over earlier ones.
    std::vector<Picture*> Pictures;

    // The window alone, without OnCreate: also a window anew for a form
    // whose window another program destroyed.
    void CreateHandle();
    // OnCreate and the tooltips, once the window is there.
    void Created();
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

    // A menu choice or a control's notification (WM_COMMAND): `id` is the
    // item's or control's identifier, `code` the notification.
    virtual void Command(UINT /*id*/, UINT /*code*/) {}
    // The controls that end a dialog: a click on OkId runs OnOk, on
    // CancelId OnCancel, instead of Command.
    UINT OkId = 0, CancelId = 0;
    virtual void OnOk() { EndModal(DialogResult::Ok); }
    virtual void OnCancel() { EndModal(DialogResult::Cancel); }
    virtual void OnCreate() {}
    virtual void OnShow() {}
    // Before the form closes; false keeps it open.
    virtual bool OnClose() { return true; }
    virtual void PictureMouseDown(Picture&, MouseButton, int, int) {}
    virtual void PictureMouseMove(Picture&, int, int) {}
    virtual void PictureMouseUp(Picture&, MouseButton, int, int) {}
    // Drawn over the pictures, at every painting.
    virtual void PaintOver(HDC) const {}

private:
    static LRESULT CALLBACK StaticProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint();
    void DrawContent(HDC dc, int width, int height) const;
    LRESULT Mouse(UINT msg, LPARAM lParam);
    LRESULT SetCursorMsg(WPARAM wParam, LPARAM lParam);
    LRESULT ControlColor(UINT msg, HDC dc, HWND control);
    void Close();
    void Commanded(UINT id, UINT code);
    void Destroyed();
    bool Activate(bool active);
    LRESULT DefaultId() const;
    Picture* PictureAt(int x, int y) const;

    const char* ClassName;
    HWND Tooltip = nullptr;
    bool Hovered = false;  // the pointer has been over the form
    HCURSOR FormCursor = LoadCursor(nullptr, IDC_ARROW);
    Picture* Pressed = nullptr;
    HWND Focus = nullptr;
    bool Modal = false;
    DialogResult Result = DialogResult::None;
    int Depth = 0;  // window procedure calls in progress
};
