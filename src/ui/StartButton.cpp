#include "StartButton.h"

#include "../../res/resource.h"
#include "../base/Errors.h"
#include "../model/HitZone.h"
#include "../model/SkinFile.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "Links.h"
#include "Program.h"

StartButtonWindow::StartButtonWindow(Program& app) : Form("TForm1"), StartZones(app), App(app)
{
    ExStyle = WS_EX_TOPMOST;
    Color = RGB(128, 0, 0);
    Face.AutoSize = true;
    Face.SetPicture(Bitmap::FromResource(IDB_START));
    InitClientWidth = Face.Width;
    InitClientHeight = Face.Height;
    Pictures = {&Face};
    PowerOffItem.RadioItem = ScreenSaverItem.RadioItem = true;
    PowerOffItem.Checked = true;
}

void StartButtonWindow::Command(UINT id, UINT)
{
    switch (id) {
    case CmdAutoload: App.SetAutoload(!AutoloadItem.Checked); break;
    case CmdChooseCdDrive: App.ChooseCdDrive(); break;
    case CmdStandardXpSkin: App.UseBuiltInSkin(StandardXP); break;
    case CmdClassicalXpSkin: App.UseBuiltInSkin(ClassicalXP); break;
    case CmdButtonXpSkin: App.UseBuiltInSkin(ButtonXP); break;
    case CmdClassicalWin98Skin: App.UseBuiltInSkin(ClassicalWin98); break;
    case CmdDownloadSkins: OpenSkinsPage(); break;
    case CmdChooseSkinFile: ChooseSkinFile(); break;
    case CmdMonitorPowerOff: App.SetMonitorAction(MonitorPowerOff); break;
    case CmdMonitorScreenSaver: App.SetMonitorAction(MonitorScreenSaver); break;
    case CmdChoosePanelButtons: App.ChoosePanelButtons(); break;
    case CmdAbout: App.ShowAbout(); break;
    case CmdExit: ConfirmExit(); break;
    }
}

void StartButtonWindow::SetSystemStartButtonShown(bool shown)
{
    Taskbar = FindTaskbar();
    HideEveryStartButton(!shown);
}

void StartButtonWindow::AttachToShell()
{
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Taskbar = FindTaskbar();
    PlaceOnTaskbar(Handle, Taskbar);
    // Ours is on screen before the system's goes: however long a skin took,
    // the user is never left without a Start button.
    Show();
    UpdateWindow(Handle);
    // The other monitors' taskbars lose theirs as our buttons come there.
    HideStartButton(Taskbar, true);
}

// Explorer restarted after a crash, or its taskbar went away and took our
// button with it (a child, or on Wine an owned window, goes down with it).
// The settings, lists and panel live on in memory: only the button is made
// anew and put into whatever taskbar there is now.
void StartButtonWindow::ShellRestarted()
{
    if (!Handle) {
        CreateHandle();
        SetClientSize(Face.Width, Face.Height);
        ApplyColorKey();
        UpdateHints();
    }
    AttachToShell();
    Show();
    App.PutButtonsOnEveryTaskbar();
}

// The system's Start button is hidden only once ours is ready to take its
// place: a skin that is slow to load must not leave the user with neither.
void StartButtonWindow::OnCreate()
{
    // An error at start is shown before the system's Start button is hidden:
    // while the box is up, the user keeps a Start button.
    // The shape comes with the skin's picture; only the built-in one, kept
    // when the skin fails, takes it here (a shape is a server call under
    // Wine, and made twice it would cost every start).
    try {
        App.StartUp();
    } catch (const std::exception& e) {
        ApplyColorKey();
        TheApplication.ShowException(e);
    }
    AttachToShell();
}

bool StartButtonWindow::OnClose()
{
    SetSystemStartButtonShown(true);
    try {
        App.SaveAll();
        return true;
    } catch (const std::exception& e) {
        // The user may free the file and close again, with nothing lost, or
        // leave without saving: a file that can never be written (read-only,
        // a folder without rights) must not keep Quorvel for good. Enter
        // keeps it; meanwhile the user sees one Start button, ours.
        SetSystemStartButtonShown(false);
        const std::string question = ErrorText(e) + "\n\nClose Quorvel without saving?";
        if (Application::Box(Handle, question.c_str(), TheApplication.Title.c_str(),
                             MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2 | MB_SETFOREGROUND) != IDYES)
            return false;
        SetSystemStartButtonShown(true);
        return true;
    }
}

// Any mouse button: the zone alone decides.
void StartButtonWindow::PictureMouseDown(Picture&, MouseButton, int x, int y)
{
    App.PressZone(HitZone(App.CurrentSkin(), x, y), Taskbar);
}

void StartButtonWindow::PopUpMainMenu(ScreenPoint at)
{
    if (const UINT chosen = MainMenu.Popup(Handle, at.X, at.Y))
        Command(chosen, 0);
}

std::string StartZones::Name() const
{
    return TheApplication.Title;
}

std::vector<PartBox> StartZones::Parts() const
{
    const SkinMetrics& skin = ZonesOf.CurrentSkin();
    return {ZoneBox(skin, StartMenuHit), ZoneBox(skin, MainMenuHit), ZoneBox(skin, PanelHit)};
}

// In English, as the main menu and the panel's tooltips are.
std::string StartZones::PartName(int zone) const
{
    return zone == StartMenuHit ? "Start" : zone == MainMenuHit ? "Quorvel menu" : "Panel";
}

void StartZones::PressPart(int zone)
{
    ZonesOf.PressZone(ZoneHit(zone), ZonesTaskbar());
}

void StartButtonWindow::PictureMouseMove(Picture&, int x, int y)
{
    SetCursor(HitZone(App.CurrentSkin(), x, y) != NoZone ? HandPointer() : LoadCursor(nullptr, IDC_ARROW));
}

SIZE StartButtonWindow::LoadStartPicture(const std::string& path)
{
    Face.SetPicture(Bitmap::FromFile(path, WeighSkinPicture));
    // The size as the skin's metrics keep it, in 16 bits.
    SetClientSize(uint16_t(Face.Width), uint16_t(Face.Height));
    CentreOnTaskbar(Handle, Taskbar);
    ApplyColorKey();
    Invalidate();
    return FaceSize();
}

void StartButtonWindow::ShowAutoload(bool on)
{
    AutoloadItem.Checked = on;
}

void StartButtonWindow::ShowMonitorAction(uint8_t action)
{
    (action == MonitorScreenSaver ? ScreenSaverItem : PowerOffItem).SetChecked(true);
}

void StartButtonWindow::ConfirmExit()
{
    // The main menu's question; the panel's has no space before the mark.
    App.ConfirmExit(Handle, "You really want to close Quorvel ?");
}

void StartButtonWindow::OpenSkinsPage()
{
    ShellOpen(Handle, SkinsPage);
}

// A skin description file from any folder; that folder becomes the skin
// folder.
void StartButtonWindow::ChooseSkinFile()
{
    // "Skin files", stored in the Windows-1251 code page.
    static const char filter[] = "\xD4\xE0\xE9\xEB\xFB \xF1\xEA\xE8\xED\xEE\xE2\0*.qvs\0";
    std::string path;
    // Exit chosen while the dialog was open ends it: nothing is stored.
    if (!ChooseFile(Handle, filter, "Skins", path) || TheApplication.Ending)
        return;
    const size_t slash = path.find_last_of('\\');
    App.ApplySkin(path.substr(0, slash + 1), path.substr(slash + 1));
}
