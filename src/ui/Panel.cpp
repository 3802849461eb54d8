#include "Panel.h"

#include "../../res/resource.h"
#include "../base/Files.h"
#include "../model/PanelLayout.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "Program.h"
#include "dialogs/AddFolderDialog.h"
#include "dialogs/DeleteFavouriteDialog.h"

namespace {
struct ButtonLook {
    const char* File;
    const char* Hint;
};
// Indexed by PanelButton; element 0 is unused.
const ButtonLook Looks[PanelButtonCount + 1] = {
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

std::vector<MenuItem*> MenuOf(MenuItem (&items)[MenuPositions], unsigned base, const char* add,
                               const char* del)
{
    std::vector<MenuItem*> out;
    for (unsigned p = 0; p < MenuPositions; ++p) {
        // An entry's caption is its name, given before every popup.
        items[p] = MenuItem(base + p, p == AddPosition         ? add
                                       : p == DeletePosition    ? del
                                       : p == SeparatorPosition ? "-"
                                                                : "");
        items[p].Visible = p <= DeletePosition;
        out.push_back(&items[p]);
    }
    return out;
}

// Items 1 to count + 2 of a menu, for the counts the panel is created with.
void ShowCountItems(MenuItem (&items)[MenuPositions], unsigned count)
{
    for (unsigned p = 1; count > 0 && p <= count + 2 && p < MenuPositions; ++p)
        items[p].Visible = true;
}

void ShowEntries(MenuItem (&items)[MenuPositions], const FavouriteList& list)
{
    for (unsigned n = 1; n <= list.Count; ++n) {
        items[n + 2].Visible = true;
        items[n + 2].Caption = list.Entry[n].Name;
    }
}

// With no entries the separator keeps whatever state it had.
void Refresh(MenuItem (&items)[MenuPositions], const FavouriteList& list)
{
    if (list.Count >= 1) {
        items[SeparatorPosition].Visible = true;
        items[SeparatorPosition].Caption = "-";
    }
    for (unsigned n = 1; n <= MaxFavourites; ++n) {
        items[n + 2].Visible = n <= list.Count;
        if (n <= list.Count)
            items[n + 2].Caption = list.Entry[n].Name;
    }
}
} // namespace

PanelWindow::PanelWindow(Program& app)
    : Form("TForm2"), App(app), FolderMenu(MenuOf(FolderItems, CmdFolderMenu, "Add dir", "Delete dir")),
      ProgramMenu(MenuOf(ProgramItems, CmdProgramMenu, "Add file", "Delete file"))
{
    ExStyle = WS_EX_TOPMOST;
    Color = RGB(0, 128, 0);
    Caption = "Form2";
    InitLeft = 170;
    InitTop = 199;
    InitClientWidth = 396;
    InitClientHeight = 42;
    Centre.Stretch = true;
    Pictures = {&Centre, &RightFrame, &LeftFrame};
    for (int k = 1; k <= PanelButtonCount; ++k) {
        Picture& b = Buttons[k];
        b.Width = b.Height = 24;
        b.AutoSize = k >= FoldersButton;  // the first four stay 24 x 24 and cut their picture off
        b.SetPicture(Bitmap::FromResource(IDB_BTN1 + k - 1));
        b.Cursor = HandPointer();
        b.Hint = Looks[k].Hint;
        Pictures.push_back(&b);
    }
    AlignFrames();
}

void PanelWindow::AlignFrames()
{
    RECT rc = {0, 0, InitClientWidth, InitClientHeight};
    if (Handle)
        GetClientRect(Handle, &rc);
    LeftFrame.Left = LeftFrame.Top = RightFrame.Top = Centre.Top = 0;
    LeftFrame.Width = LeftFrame.Image().Width;
    RightFrame.Width = RightFrame.Image().Width;
    RightFrame.Left = rc.right - RightFrame.Width;
    Centre.Left = LeftFrame.Width;
    Centre.Width = rc.right - LeftFrame.Width - RightFrame.Width;
    LeftFrame.Height = RightFrame.Height = Centre.Height = rc.bottom;
}

void PanelWindow::OnCreate()
{
    ShowCountItems(ProgramItems, App.Programs.Count);
    ShowCountItems(FolderItems, App.Folders.Count);

    const std::string& skin = App.Config.SkinFolder;
    LeftFrame.SetPicture(Bitmap::FromFile(skin + "back.bmp"));
    RightFrame.SetPicture(Bitmap::FromFile(skin + "back.bmp"));
    Centre.SetPicture(Bitmap::FromFile(skin + "center.bmp"));

    for (int k = 1; k <= PanelButtonCount; ++k) {
        if (App.Config.ButtonSlot[k] == 0) {
            Buttons[k].Visible = false;
            continue;
        }
        const std::string path = skin + Looks[k].File;
        if (k == CdTrayButton && !FileExists(path))
            continue;  // a skin may do without a CD picture
        Buttons[k].SetPicture(Bitmap::FromFile(path));
    }
    Buttons[MonitorButton].Transparent = Buttons[TimerButton].Transparent = true;

    const int32_t frame = LeftFrame.Image().Width;
    const PanelRect r = PanelBounds(App.Skin, App.Config.ButtonCount, GetSystemMetrics(SM_CYSCREEN), frame);
    SetBounds(r.Left, r.Top, r.Width, r.Height);
    AlignFrames();

    for (int k = 1; k <= PanelButtonCount; ++k) {
        const ButtonPlace p = ButtonHome(App.Skin, App.Config.ButtonSlot[k], frame);
        Buttons[k].Left = p.Left;
        Buttons[k].Top = p.Top;
    }

    LoadFavourites(App.Folders, App.FilePath(FoldersFile));
    ShowEntries(FolderItems, App.Folders);
    LoadFavourites(App.Programs, App.FilePath(ProgramsFile));
    ShowEntries(ProgramItems, App.Programs);

    SetOwner(Handle, GetDesktopWindow());
    MakeTopmost(Handle);
}

// Entry items 1 to 20 stand at positions 3 to 22 of their menu; each is
// bound to its slot by its identifier, whatever its caption.
void PanelWindow::Command(UINT id, UINT)
{
    switch (id) {
    case CmdFolderMenu + AddPosition: AddFolder(); return;
    case CmdFolderMenu + DeletePosition: DeleteFavourites(App.Folders); return;
    case CmdProgramMenu + AddPosition: AddProgram(); return;
    case CmdProgramMenu + DeletePosition: DeleteFavourites(App.Programs); return;
    }
    if (id >= CmdFolderMenu + FirstEntryPosition && id < CmdFolderMenu + MenuPositions)
        App.OpenFavourite(App.Folders, id - CmdFolderMenu - 2);
    else if (id >= CmdProgramMenu + FirstEntryPosition && id < CmdProgramMenu + MenuPositions)
        App.OpenFavourite(App.Programs, id - CmdProgramMenu - 2);
}

void PanelWindow::PictureMouseDown(Picture& picture, MouseButton, int x, int y)
{
    if (IsFrame(picture))
        return BeginDrag(x, y);
    for (int k = 1; k <= PanelButtonCount; ++k)
        if (&picture == &Buttons[k]) {
            PressLook(k, true);
            ButtonPressed(k);
        }
}

void PanelWindow::PictureMouseMove(Picture& picture, int x, int y)
{
    if (IsFrame(picture))
        DragTo(x, y);
}

// Any mouse button, wherever the pointer is now: the picture that took the
// press takes the release.
void PanelWindow::PictureMouseUp(Picture& picture, MouseButton, int, int)
{
    if (IsFrame(picture))
        return EndDrag();
    for (int k = 1; k <= PanelButtonCount; ++k)
        if (&picture == &Buttons[k]) {
            PressLook(k, false);
            ButtonReleased(k);
        }
}

void PanelWindow::ButtonPressed(int button)
{
    switch (button) {
    case CdTrayButton: ToggleCdTray(); break;
    case CloseAllButton: CloseAllWindows(Handle, TheApplication.Handle); break;
    case MinimizeAllButton: MinimizeAllWindows(Handle, TheApplication.Handle); break;
    }
}

void PanelWindow::ButtonReleased(int button)
{
    switch (button) {
    // The panel's question; the main menu's has a space before the mark.
    case CloseQuorvelButton: App.ConfirmExit(Handle, "You really want to close Quorvel?"); break;
    case FoldersButton: PopUpFavouritesMenu(FolderMenu, App.Folders); break;
    case ProgramsButton: PopUpFavouritesMenu(ProgramMenu, App.Programs); break;
    case MonitorButton: RunMonitorAction(); break;
    case TimerButton: App.ToggleTimer(); break;
    }
}

void PanelWindow::PressLook(int button, bool pressed)
{
    // From the slot each time, not from where the picture is now.
    const ButtonPlace home = ButtonHome(App.Skin, App.Config.ButtonSlot[button], LeftFrame.Image().Width);
    Buttons[button].Left = home.Left + pressed;
    Buttons[button].Top = home.Top + pressed;
    Invalidate();
    // Painted before the action, which may take a while.
    TheApplication.ProcessMessages();
}

void PanelWindow::ToggleCdTray()
{
    App.CdTrayOpen = !App.CdTrayOpen;
    SetCdDoor(App.Config.CdDrive, App.CdTrayOpen);
}

void PanelWindow::RunMonitorAction()
{
    if (App.Config.Monitor == MonitorPowerOff)
        MonitorOff(Handle);
    else if (App.Config.Monitor == MonitorScreenSaver)
        StartScreenSaver(TheApplication.Handle);
}

void PanelWindow::PopUpFavouritesMenu(const PopupMenu& menu, const FavouriteList& list)
{
    RefreshFavouriteMenus();
    RECT r;
    GetWindowRect(Handle, &r);
    menu.Popup(Handle, r.left, MenuPopupTop(r.top, list.Count));
}

void PanelWindow::RefreshFavouriteMenus()
{
    Refresh(FolderItems, App.Folders);
    Refresh(ProgramItems, App.Programs);
}

void PanelWindow::SetAddEnabled(const FavouriteList& list, bool enabled)
{
    (&list == &App.Folders ? FolderItems : ProgramItems)[AddPosition].Enabled = enabled;
}

void PanelWindow::AddFolder()
{
    if (App.AddFolderOpen)
        return;
    const Busy busy(App.AddFolderOpen);
    AddFolderDialog dialog(App);
    dialog.Create();
    dialog.ShowModal();
}

// Every file, from wherever the last dialog was left.
void PanelWindow::AddProgram()
{
    if (!App.RoomInFavourites(App.Programs))
        return;
    std::string path;
    if (!ChooseFile(Handle, nullptr, nullptr, path))
        return;
    path = path.substr(0, MaxFavouriteText);
    // The dialogs leave the start button usable: a skin change meanwhile
    // makes a new panel and ends this one, so the rest is the owner's.
    App.AddToFavourites(App.Programs, path, DefaultFileName(path));
}

// One delete dialog at a time: a second, opened from a panel made anew under
// the first, would leave two dialogs editing the lists at once.
void PanelWindow::DeleteFavourites(FavouriteList& list)
{
    if (App.DeleteDialogOpen)
        return;
    const Busy busy(App.DeleteDialogOpen);
    DeleteFavouriteDialog dialog(list);
    dialog.Create();
    dialog.ShowModal();
}

void PanelWindow::BeginDrag(int x, int y)
{
    Dragging = true;
    GrabX = x;
    GrabY = y;
    TheApplication.ProcessMessages();
}

// The frame moves with the panel, so the pointer is back on the grab point
// after each move: every report moves the panel by the pointer's travel.
void PanelWindow::DragTo(int x, int y)
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

void PanelWindow::EndDrag()
{
    Dragging = false;
}
