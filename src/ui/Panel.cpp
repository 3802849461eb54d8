#include "Panel.h"

#include "../base/Files.h"
#include "../model/ButtonChooser.h"
#include "../model/PanelLayout.h"
#include "../model/SkinFile.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "Program.h"

namespace {
std::vector<MenuItem*> MenuOf(MenuItem (&items)[MenuPositions], unsigned base, const char* add,
                               const char* del)
{
    std::vector<MenuItem*> out;
    for (unsigned p = 0; p < MenuPositions; ++p) {
        // An entry's caption is its name, given before every popup.
        items[p] = p == SeparatorPosition ? MenuItem::Separator(base + p)
                                          : MenuItem(base + p, p == AddPosition ? add : p == DeletePosition ? del : "");
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
        items[n + 2].Caption = MenuCaption(list.Entry[n]);
    }
}

// With no entries the separator keeps whatever state it had.
void Refresh(MenuItem (&items)[MenuPositions], const FavouriteList& list)
{
    if (list.Count >= 1)
        items[SeparatorPosition].Visible = true;
    for (unsigned n = 1; n <= MaxFavourites; ++n) {
        items[n + 2].Visible = n <= list.Count;
        if (n <= list.Count)
            items[n + 2].Caption = MenuCaption(list.Entry[n]);
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
    // Where the panel stands, and how large, until its skin places it: for
    // good where the skin fails to load before that. The place is the one
    // the panel has always had then, and the size fits the eight built-in
    // pictures.
    InitLeft = 170;
    InitTop = 199;
    InitClientWidth = 396;
    InitClientHeight = 42;
    Centre.Stretch = true;
    Pictures = {&Centre, &RightFrame, &LeftFrame};
    for (int k = 1; k <= PanelButtonCount; ++k) {
        Picture& b = Buttons[k];
        b.Width = b.Height = FixedButtonSize;
        b.AutoSize = !PanelButtons[k].FixedSize;
        b.SetPicture(Bitmap::FromResource(OwnPicture(k)));
        b.Cursor = HandPointer();
        b.Hint = k == TimerButton ? App.TimerButtonHint() : PanelButtons[k].Hint;
        Pictures.push_back(&b);
    }
    AlignFrames();
}

PanelWindow::~PanelWindow()
{
    // A panel whose window a new one took over has none to let go of.
    if (Handle && AcceptingDrops)
        StopAcceptingDroppedFiles(Handle);
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
    const FavouriteList& folders = App.FavouritesOf(FavouriteKind::Folders);
    const FavouriteList& programs = App.FavouritesOf(FavouriteKind::Programs);
    ShowCountItems(ProgramItems, programs.Count);
    ShowCountItems(FolderItems, folders.Count);

    const Settings& settings = App.CurrentSettings();
    const std::string& skin = settings.SkinFolder;
    LeftFrame.SetPicture(Bitmap::FromFile(skin + "back.bmp", WeighSkinPicture));
    RightFrame.SetPicture(Bitmap::FromFile(skin + "back.bmp", WeighSkinPicture));
    Centre.SetPicture(Bitmap::FromFile(skin + "center.bmp", WeighSkinPicture));

    for (int k = 1; k <= PanelButtonCount; ++k) {
        if (settings.ButtonSlot[k] == 0) {
            Buttons[k].Visible = false;
            continue;
        }
        const std::string path = skin + PanelButtons[k].File;
        if (PanelButtons[k].Optional && !FileExists(path))
            continue;
        Buttons[k].SetPicture(Bitmap::FromFile(path, WeighSkinPicture));
    }
    // Only the skin's pictures are drawn see-through: the program's own
    // stand in whole where a skin failed to load.
    for (int k = 1; k <= PanelButtonCount; ++k)
        Buttons[k].Transparent = PanelButtons[k].SeeThrough;

    const int32_t frame = LeftFrame.Image().Width;
    const SkinMetrics& metrics = App.CurrentSkin();
    PlaceAtHome(FindTaskbar());
    AlignFrames();

    for (int k = 1; k <= PanelButtonCount; ++k) {
        const ButtonPlace p = ButtonHome(metrics, settings.ButtonSlot[k], frame);
        Buttons[k].Left = p.Left;
        Buttons[k].Top = p.Top;
    }

    ShowEntries(FolderItems, folders);
    ShowEntries(ProgramItems, programs);

    SetOwner(Handle, GetDesktopWindow());
    MakeTopmost(Handle);
}

// From Vista on the taskbars are thicker than a start button: the panel
// stands on its monitor's taskbar, not over its top. Before, it keeps the
// primary screen's bottom left wherever the one taskbar is docked.
void PanelWindow::PlaceAtHome(HWND taskbar)
{
    if (!IsVistaOrLater())
        taskbar = nullptr;
    const ScreenRect tray = taskbar ? PlaceOf(taskbar) : ScreenRect{};
    const PanelRect r = PanelStartPlace(App.CurrentSkin(), App.CurrentSettings().ButtonCount, LeftFrame.Image().Width,
                                        MonitorOf(taskbar), taskbar ? &tray : nullptr);
    SetBounds(r.Left, r.Top, r.Width, r.Height);
}

// Its size stays: it was made for the skin, not for the screen.
void PanelWindow::ComeBackIfLost()
{
    if (Handle && OffEveryScreen(Handle))
        PlaceAtHome(FindTaskbar());
}

void PanelWindow::ComeToMonitorOf(HWND taskbar)
{
    if (!taskbar)
        return;
    const ScreenRect here = MonitorOf(Handle), there = MonitorOf(taskbar);
    if (here.Left != there.Left || here.Top != there.Top)
        PlaceAtHome(taskbar);
}

// Files can be dropped only on a panel in sight: taking drops at its first
// showing keeps what that costs (under Wine, OLE) out of the start-up. Made
// anew on a skin change, in a window of its own or the old one's, the panel
// takes them again.
void PanelWindow::OnShow()
{
    if (!AcceptingDrops)
        AcceptDroppedFiles(Handle);
    AcceptingDrops = true;
}

// Entry items 1 to 20 stand at positions 3 to 22 of their menu; each is
// bound to its slot by its identifier, whatever its caption.
void PanelWindow::Command(UINT id, UINT)
{
    switch (id) {
    case CmdFolderMenu + AddPosition: App.AddFolder(); return;
    case CmdFolderMenu + DeletePosition: App.DeleteFavourites(FavouriteKind::Folders); return;
    case CmdProgramMenu + AddPosition: AddProgram(); return;
    case CmdProgramMenu + DeletePosition: App.DeleteFavourites(FavouriteKind::Programs); return;
    }
    if (id >= CmdFolderMenu + FirstEntryPosition && id < CmdFolderMenu + MenuPositions)
        App.OpenFavourite(FavouriteKind::Folders, id - CmdFolderMenu - 2);
    else if (id >= CmdProgramMenu + FirstEntryPosition && id < CmdProgramMenu + MenuPositions)
        App.OpenFavourite(FavouriteKind::Programs, id - CmdProgramMenu - 2);
}

void PanelWindow::PictureMouseDown(Picture& picture, MouseButton, int x, int y)
{
    if (IsFrame(picture))
        return BeginDrag(x, y);
    for (int k = 1; k <= PanelButtonCount; ++k)
        if (&picture == &Buttons[k]) {
            PressLook(k, true);
            if (PanelButtons[k].ActsOnPress)
                ButtonAction(k);
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
            if (!PanelButtons[k].ActsOnPress)
                ButtonAction(k);
        }
}

void PanelWindow::ButtonAction(int button)
{
    switch (button) {
    case CdTrayButton: App.ToggleCdTray(); break;
    // The panel's question; the main menu's has a space before the mark.
    case CloseQuorvelButton: App.ConfirmExit(Handle, "You really want to close Quorvel?"); break;
    case CloseAllButton: CloseAllWindows(Handle, TheApplication.Handle); break;
    case MinimizeAllButton: MinimizeAllWindows(Handle, TheApplication.Handle); break;
    case FoldersButton: PopUpFavouritesMenu(FavouriteKind::Folders); break;
    case ProgramsButton: PopUpFavouritesMenu(FavouriteKind::Programs); break;
    case MonitorButton: RunMonitorAction(); break;
    case TimerButton: App.ToggleTimer(); break;
    }
}

void PanelWindow::PressLook(int button, bool pressed)
{
    // From the slot each time, not from where the picture is now.
    const ButtonPlace home =
        ButtonHome(App.CurrentSkin(), App.CurrentSettings().ButtonSlot[button], LeftFrame.Image().Width);
    Buttons[button].Left = home.Left + pressed;
    Buttons[button].Top = home.Top + pressed;
    Invalidate();
    // Painted before the action, which may take a while; no other input is
    // taken meanwhile, so no click runs inside another's handler.
    UpdateWindow(Handle);
}

void PanelWindow::RunMonitorAction()
{
    const uint8_t action = App.CurrentSettings().Monitor;
    if (action == MonitorPowerOff)
        MonitorOff(Handle);
    else if (action == MonitorScreenSaver)
        StartScreenSaver(TheApplication.Handle);
}

void PanelWindow::PopUpFavouritesMenu(FavouriteKind kind)
{
    RefreshFavouriteMenus();
    RECT r;
    GetWindowRect(Handle, &r);
    const PopupMenu& menu = kind == FavouriteKind::Folders ? FolderMenu : ProgramMenu;
    if (const UINT chosen = menu.Popup(Handle, r.left, MenuPopupTop(r.top, App.FavouritesOf(kind).Count)))
        Command(chosen, 0);
}

void PanelWindow::RefreshFavouriteMenus()
{
    Refresh(FolderItems, App.FavouritesOf(FavouriteKind::Folders));
    Refresh(ProgramItems, App.FavouritesOf(FavouriteKind::Programs));
}

void PanelWindow::SetHint(int button, const std::string& hint)
{
    Buttons[button].Hint = hint;
    UpdateHints();
}

void PanelWindow::SetAddEnabled(FavouriteKind kind, bool enabled)
{
    (kind == FavouriteKind::Folders ? FolderItems : ProgramItems)[AddPosition].Enabled = enabled;
}

// Every file, from wherever the last dialog was left.
void PanelWindow::AddProgram()
{
    if (!App.RoomInFavourites(FavouriteKind::Programs))
        return;
    std::string path;
    // Exit chosen while the dialog was open ends it: nothing is added.
    if (!ChooseFile(Handle, nullptr, nullptr, path) || TheApplication.Ending)
        return;
    // The dialogs leave the start button usable: a skin change meanwhile
    // makes a new panel and ends this one, so the rest is the owner's.
    App.AddToFavourites(FavouriteKind::Programs, path, DefaultFileName(path));
}

void PanelWindow::TakeKeyboard()
{
    // Hidden while it had the keyboard, the panel may still be the
    // foreground window under Wine: that is no place to give it back to.
    const HWND before = GetForegroundWindow();
    KeyboardWasAt = before != Handle ? before : nullptr;
    SetForegroundWindow(Handle);
    SetFocus(Handle);
    // Marked once the panel has the keyboard: tools hear of the mark only
    // where the keyboard is.
    Marked = 0;
    MoveMark(1);
}

void PanelWindow::GiveKeyboardBack()
{
    Marked = 0;
    Invalidate();
    if (KeyboardWasAt && IsWindow(KeyboardWasAt))
        SetForegroundWindow(KeyboardWasAt);
    KeyboardWasAt = nullptr;
}

LRESULT PanelWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN:
        if (Marked) {
            KeyPressed(wParam);
            return 0;
        }
        break;
    case WM_DROPFILES: FilesDropped(HDROP(wParam)); return 0;
    // High contrast may have come or gone: the mark is drawn anew.
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: Invalidate(); break;
    // Clicked away from, the panel is the mouse's again.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && Marked) {
            Marked = 0;
            Invalidate();
        }
        break;
    }
    return Form::WndProc(msg, wParam, lParam);
}

void PanelWindow::FilesDropped(HDROP drop)
{
    const DroppedFiles dropped = TakeDroppedFiles(drop);
    // Posted before a modal dialog disabled the panel.
    if (!IsWindowEnabled(Handle))
        return;
    for (const FavouriteKind kind : {FavouriteKind::Folders, FavouriteKind::Programs}) {
        const Picture& b = Buttons[kind == FavouriteKind::Folders ? FoldersButton : ProgramsButton];
        if (b.Contains(dropped.At.x, dropped.At.y))
            return App.AddDroppedToFavourites(kind, dropped.Items);
    }
}

void PanelWindow::KeyPressed(WPARAM key)
{
    switch (key) {
    case VK_LEFT: MoveMark(-1); break;
    case VK_RIGHT: MoveMark(1); break;
    case VK_ESCAPE: App.TogglePanelFromKeyboard(); break;
    case VK_RETURN:
    case VK_SPACE: PressButton(Marked); break;
    }
}

// As a click does: the pressed look, the action on press or release.
void PanelWindow::PressButton(int button)
{
    PressLook(button, true);
    if (PanelButtons[button].ActsOnPress)
        ButtonAction(button);
    PressLook(button, false);
    if (!PanelButtons[button].ActsOnPress)
        ButtonAction(button);
}

// To the next button shown in the direction, in the order they stand.
void PanelWindow::MoveMark(int step)
{
    const std::vector<int> shown = ShownButtons();
    if (shown.empty())
        return;
    size_t at = 0;
    while (at < shown.size() && shown[at] != Marked)
        ++at;
    if (at == shown.size())
        Marked = shown[0];
    else if (step > 0)
        Marked = shown[at + 1 < shown.size() ? at + 1 : at];
    else
        Marked = shown[at > 0 ? at - 1 : 0];
    Invalidate();
    TellPartMarked(Handle, MarkedPart());
}

std::vector<int> PanelWindow::ShownButtons() const
{
    return ChooserFill(App.CurrentSettings()).Shown;
}

std::string PanelWindow::Name() const
{
    return "Panel";
}

std::vector<PartBox> PanelWindow::Parts() const
{
    std::vector<PartBox> parts;
    for (const int k : ShownButtons())
        parts.push_back({Buttons[k].Left, Buttons[k].Top, Buttons[k].Width, Buttons[k].Height, k});
    return parts;
}

std::string PanelWindow::PartName(int part) const
{
    return PanelButtons[ShownButtons()[part - 1]].Hint;
}

// The tooltip where it tells more than the name: the timer's minutes left.
std::string PanelWindow::PartDescription(int part) const
{
    const std::string& hint = Buttons[ShownButtons()[part - 1]].Hint;
    return hint != PartName(part) ? hint : "";
}

int PanelWindow::MarkedPart() const
{
    const std::vector<int> shown = ShownButtons();
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i] == Marked)
            return int(i) + 1;
    return 0;
}

void PanelWindow::PressPart(int part)
{
    PressButton(ShownButtons()[part - 1]);
}

// A dotted frame two pixels wide, drawn by inverting what lies beneath: it
// shows on every skin's colours. With high contrast on, a frame in the
// system's highlight colours instead, which the user chose to see.
void PanelWindow::PaintOver(HDC dc) const
{
    if (!Marked)
        return;
    const Picture& b = Buttons[Marked];
    if (HighContrastOn()) {
        for (int out = 1; out <= 3; ++out) {
            RECT r = {b.Left - out, b.Top - out, b.Left + b.Width + out, b.Top + b.Height + out};
            FrameRect(dc, &r, GetSysColorBrush(out == 1 ? COLOR_HIGHLIGHTTEXT : COLOR_HIGHLIGHT));
        }
        return;
    }
    for (int out = 1; out <= 2; ++out) {
        RECT r = {b.Left - out, b.Top - out, b.Left + b.Width + out, b.Top + b.Height + out};
        DrawFocusRect(dc, &r);
    }
}

void PanelWindow::BeginDrag(int x, int y)
{
    Dragging = true;
    GrabX = x;
    GrabY = y;
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
