#include "UnPanel.h"

#include <commdlg.h>

#include "../../res/resource.h"
#include "../app/MainUnit.h"
#include "../app/Settings.h"
#include "../dialogs/TimerUnit.h"
#include "../lists/DelDirUnit.h"
#include "../lists/ListEdit.h"
#include "../lists/UnitApps.h"
#include "../lists/UnitName.h"
#include "../lists/LaunchList.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "../toolkit/Files.h"
#include "PanelLayout.h"

std::unique_ptr<TForm2> Form2;
bool Dragging = false;
int32_t GrabX = 0, GrabY = 0;

namespace {
struct ButtonLook {
    const char* File;
    const char* Hint;
};
const ButtonLook Buttons[9] = {
    {},
    {"cdrom.bmp", "Open/Close CD-ROM"},
    {"exitbut.bmp", "Close Quorvel"},
    {"closeall.bmp", "Close all windows"},
    {"minall.bmp", "Minimize all windows"},
    {"dir.bmp", "Open Dir"},
    {"app.bmp", "Run application"},
    {"monik.bmp", "Monitor"},
    {"timer.bmp", "Timer"},
};

std::vector<TMenuItem*> MenuOf(TMenuItem (&items)[MenuPositions], unsigned base, const char* add,
                               const char* del)
{
    std::vector<TMenuItem*> out;
    for (unsigned p = 0; p < MenuPositions; ++p) {
        items[p] = TMenuItem(base + p, p == 0 ? add : p == 1 ? del : p == 2 ? "-" : std::to_string(p - 2));
        items[p].Visible = p < 2;
        out.push_back(&items[p]);
    }
    return out;
}

// Items 1 to count + 2 of a menu, for the counts the panel is created with.
void ShowCountItems(TMenuItem (&items)[MenuPositions], unsigned count)
{
    for (unsigned p = 1; count > 0 && p <= count + 2 && p < MenuPositions; ++p)
        items[p].Visible = true;
}

void ShowEntries(TMenuItem (&items)[MenuPositions], const LaunchList& list)
{
    for (unsigned n = 1; n <= list.Count; ++n) {
        items[n + 2].Visible = true;
        items[n + 2].Caption = list.Slot[n].Name;
    }
}
} // namespace

TForm2::TForm2()
    : TForm("TForm2"), OpenDir(MenuOf(DirItems, idOpenDir, "Add dir", "Delete dir")),
      OpenApp(MenuOf(AppItems, idOpenApp, "Add file", "Delete file"))
{
    ExStyle = WS_EX_TOPMOST;
    Color = RGB(0, 128, 0);
    Caption = "Form2";
    InitLeft = 170;
    InitTop = 199;
    InitClientWidth = 396;
    InitClientHeight = 42;
    ImCentre.Stretch = true;
    Pictures = {&ImCentre, &ImRight, &ImLeft};
    for (int k = 1; k <= 8; ++k) {
        TImage& b = Im[k];
        b.Width = b.Height = 24;
        b.AutoSize = k >= 5;  // buttons 1 to 4 stay 24 x 24 and cut their picture off
        b.SetPicture(Bitmap::FromResource(GetModuleHandleA(nullptr), IDB_BTN1 + k - 1));
        b.Cursor = HandPointer();
        b.Hint = Buttons[k].Hint;
        Pictures.push_back(&b);
    }
    AlignFrames();
}

void TForm2::AlignFrames()
{
    RECT rc = {0, 0, InitClientWidth, InitClientHeight};
    if (Handle)
        GetClientRect(Handle, &rc);
    ImLeft.Left = ImLeft.Top = ImRight.Top = ImCentre.Top = 0;
    ImLeft.Width = ImLeft.Picture().Width;
    ImRight.Width = ImRight.Picture().Width;
    ImRight.Left = rc.right - ImRight.Width;
    ImCentre.Left = ImLeft.Width;
    ImCentre.Width = rc.right - ImLeft.Width - ImRight.Width;
    ImLeft.Height = ImRight.Height = ImCentre.Height = rc.bottom;
}

void TForm2::FormCreate()
{
    ShowCountItems(AppItems, Ini.numapps);
    ShowCountItems(DirItems, Ini.numdirs);

    ImLeft.SetPicture(Bitmap::FromFile(SkinDir + "back.bmp"));
    ImRight.SetPicture(Bitmap::FromFile(SkinDir + "back.bmp"));
    ImCentre.SetPicture(Bitmap::FromFile(SkinDir + "center.bmp"));

    for (int k = 1; k <= 8; ++k) {
        if (Ini.but[k] == 0) {
            Im[k].Visible = false;
            continue;
        }
        const std::string path = SkinDir + Buttons[k].File;
        if (k == 1 && !FileExists(path))
            continue;  // a skin may do without a CD picture
        Im[k].SetPicture(Bitmap::FromFile(path));
    }
    Im[7].Transparent = Im[8].Transparent = true;

    const int32_t frame = ImLeft.Picture().Width;
    const PanelRect r = PanelBounds(GetSystemMetrics(SM_CYSCREEN), frame);
    SetBounds(r.Left, r.Top, r.Width, r.Height);
    AlignFrames();

    for (int k = 1; k <= 8; ++k) {
        const ButtonPlace p = ButtonHome(Ini.but[k], frame);
        Im[k].Left = p.Left;
        Im[k].Top = p.Top;
    }

    LoadLaunchList(DirList, DirsFile);
    ShowEntries(DirItems, DirList);
    LoadLaunchList(AppList, AppsFile);
    ShowEntries(AppItems, AppList);

    SetOwner(Handle, GetDesktopWindow());
    MakeTopmost(Handle);
}

LRESULT TForm2::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COMMAND || lParam)
        return TForm::WndProc(msg, wParam, lParam);
    // Entry items 1 to 20 stand at positions 3 to 22 of their menu; each is
    // bound to its slot by its identifier, whatever its caption.
    const unsigned id = LOWORD(wParam);
    switch (id) {
    case idOpenDir: N1Click(); return 0;
    case idOpenDir + 1: N3Click(); return 0;
    case idOpenApp: MenuItem1Click(); return 0;
    case idOpenApp + 1: N4Click(); return 0;
    }
    if (id >= idOpenDir + 3 && id < idOpenDir + MenuPositions)
        OpenLaunchEntry(DirList, id - idOpenDir - 2);
    else if (id >= idOpenApp + 3 && id < idOpenApp + MenuPositions)
        OpenLaunchEntry(AppList, id - idOpenApp - 2);
    return 0;
}

void TForm2::PictureMouseDown(TImage& picture, MouseButton, int x, int y)
{
    if (&picture == &ImLeft || &picture == &ImRight)
        return ImRightMouseDown(x, y);
    for (int k = 1; k <= 8; ++k) {
        if (&picture != &Im[k])
            continue;
        PressLook(k, true);
        switch (k) {
        case 1: Im1MouseDown(); break;
        case 3: Im3MouseDown(); break;
        case 4: Im4MouseDown(); break;
        }
    }
}

void TForm2::PictureMouseMove(TImage& picture, int x, int y)
{
    if (&picture == &ImLeft || &picture == &ImRight)
        ImRightMouseMove(x, y);
}

// Any mouse button, wherever the pointer is now: the picture that took the
// press takes the release.
void TForm2::PictureMouseUp(TImage& picture, MouseButton, int, int)
{
    if (&picture == &ImLeft || &picture == &ImRight)
        return ImRightMouseUp();
    for (int k = 1; k <= 8; ++k) {
        if (&picture != &Im[k])
            continue;
        PressLook(k, false);
        switch (k) {
        case 2: Im2MouseUp(); break;
        case 5: Im5MouseUp(); break;
        case 6: Im6MouseUp(); break;
        case 7: Im7MouseUp(); break;
        case 8: Im8MouseUp(); break;
        }
    }
}

void TForm2::PressLook(int k, bool pressed)
{
    // From the slot each time, not from where the picture is now.
    const ButtonPlace home = ButtonHome(Ini.but[k], ImLeft.Picture().Width);
    Im[k].Left = home.Left + pressed;
    Im[k].Top = home.Top + pressed;
    Invalidate();
    // Painted before the action, which may take a while.
    Application.ProcessMessages();
}

// The CD tray, opened and closed by turns: the program cannot ask the drive.
void TForm2::Im1MouseDown()
{
    CdTrayOpen = !CdTrayOpen;
    SetCdDoor(Ini.cdrom, CdTrayOpen);
}

void TForm2::Im2MouseUp()
{
    if (TApplication::Box(Handle, "You really want to close Quorvel?", "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES)
        PostMessageA(Form1->Handle, WM_CLOSE, 0, 0);
}

void TForm2::Im3MouseDown()
{
    CloseAllWindows(Handle, Application.Handle);
}

void TForm2::Im4MouseDown()
{
    MinimizeAllWindows(Handle, Application.Handle);
}

void TForm2::Im5MouseUp()
{
    PopupLaunchMenu(OpenDir, Ini.numdirs);
}

void TForm2::Im6MouseUp()
{
    PopupLaunchMenu(OpenApp, Ini.numapps);
}

void TForm2::PopupLaunchMenu(const TPopupMenu& menu, uint8_t count)
{
    RefreshLaunchMenus();
    RECT r;
    GetWindowRect(Handle, &r);
    menu.Popup(Handle, r.left, MenuPopupTop(r.top, count));
}

void TForm2::Im7MouseUp()
{
    if (Ini.monitor == 0)
        MonitorOff(Handle);
    else if (Ini.monitor == 1)
        StartScreenSaver(Application.Handle);
}

void TForm2::Im8MouseUp()
{
    if (TimerForm->Visible())
        TimerForm->Hide();
    else
        TimerForm->Show();
}

namespace {
// With no entries the separator keeps whatever state it had.
void Refresh(TMenuItem (&items)[MenuPositions], const LaunchList& list)
{
    if (list.Count >= 1) {
        items[2].Visible = true;
        items[2].Caption = "-";
    }
    for (unsigned n = 1; n <= 20; ++n) {
        items[n + 2].Visible = n <= list.Count;
        if (n <= list.Count)
            items[n + 2].Caption = list.Slot[n].Name;
    }
}
} // namespace

void TForm2::RefreshLaunchMenus()
{
    Refresh(DirItems, DirList);
    Refresh(AppItems, AppList);
}

void OpenLaunchEntry(const LaunchList& list, unsigned slot)
{
    ShellOpen(Form1->Handle, list.Slot[slot].Path);
}

void TForm2::N1Click()
{
    if (AddDirBusy)
        return;
    const Busy busy(AddDirBusy);
    TFormDir dialog;
    dialog.Create();
    dialog.ShowModal();
}

void TForm2::MenuItem1Click()
{
    if (Ini.numapps >= MaxEntries) {
        // A list read full from its file takes no 21st entry.
        AppItems[0].Enabled = false;
        return;
    }
    // Every file, from wherever the last dialog was left.
    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Handle;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!ChooseFile(ofn))
        return;
    const std::string path = std::string(file).substr(0, MaxEntryText);
    const std::string name = AskName(DefaultFileName(path));
    // A list whose file could not be read is read again first: saved as it
    // stands, it would replace the user's favourites with this one entry.
    if (!AppList.Loaded)
        LoadLaunchList(AppList, AppsFile);
    AddEntry(AppList, path, name);
    // The dialogs leave the start button usable: a skin change meanwhile
    // makes a new panel and ends this one, so the rest goes to the panel of
    // now, never through `this`.
    TForm2& panel = *Form2;
    panel.RefreshLaunchMenus();
    SaveLaunchList(AppList, AppsFile);
    panel.AppItems[0].Enabled = Ini.numapps < MaxEntries;
}

void TForm2::N3Click()
{
    ShowDeleteDialog(false);
}

void TForm2::N4Click()
{
    ShowDeleteDialog(true);
}

void TForm2::ShowDeleteDialog(bool apps)
{
    DeleteFromApps = apps;
    TDelForm dialog;
    dialog.Create();
    dialog.ShowModal();
}

void TForm2::ImRightMouseDown(int x, int y)
{
    Dragging = true;
    GrabX = x;
    GrabY = y;
    Application.ProcessMessages();
}

// The frame moves with the panel, so the pointer is back on the grab point
// after each move: every report moves the panel by the pointer's travel.
void TForm2::ImRightMouseMove(int x, int y)
{
    // Without the capture (taken by a box that popped up meanwhile) the
    // release will never come, and with every button up it went elsewhere:
    // either way the drag is over, or the panel would stick to the pointer.
    if (Dragging && (GetCapture() != Handle || !AnyMouseButtonHeld()))
        Dragging = false;
    if (!Dragging)
        return;
    RECT r;
    GetWindowRect(Handle, &r);
    SetWindowPos(Handle, nullptr, r.left, r.top + y - GrabY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(Handle, &r);
    SetWindowPos(Handle, nullptr, r.left + x - GrabX, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm2::ImRightMouseUp()
{
    Dragging = false;
}

void RebuildPanel()
{
    // A handler of the old panel may still be running beneath this call (the
    // pressed look processes pending messages, a dialog runs its own loop):
    // that panel is kept, hidden, until the handler is done. Otherwise the
    // new panel takes over the old one's window, which saves most of the
    // time a skin change takes under Wine.
    std::unique_ptr<TForm2> old = std::move(Form2);
    PanelShown = false;
    Dragging = false;
    Form2.reset(new TForm2);
    if (old && !old->InHandler()) {
        old->Hide();
        Form2->CreateFrom(*old);
        return;
    }
    if (old)
        Application.Retire(std::move(old));
    Application.CreateForm(*Form2);
}
