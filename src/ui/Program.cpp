#include "Program.h"

#include "../base/Errors.h"
#include "../base/Files.h"
#include "../model/Countdown.h"
#include "../model/HitZone.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "dialogs/FirstRunDialog.h"

Program::Program() : StartButton(*this), Timer(*this)
{
    const std::string exe = ExePath();
    ExeFolder = exe.substr(0, exe.find_last_of('\\') + 1);
    Config = DefaultSettings(ExeFolder);
}

void Program::Run()
{
    TheApplication.CreateForm(StartButton);
    // The button is on screen, drawn, while the rest is made.
    StartButton.Show();
    UpdateWindow(StartButton.Handle);
    TheApplication.CreateForm(Timer);
    TheApplication.CreateForm(NameAsker);
    Panel.reset(new PanelWindow(*this));
    TheApplication.CreateForm(*Panel);
    AddExStyle(TheApplication.Handle, WS_EX_TOOLWINDOW);
    KeepTopmostWindowsOnScreen();
    TheApplication.Run();
    Panel.reset();
}

void Program::ReadSettings()
{
    Config = DefaultSettings(ExeFolder);
    const std::string path = FilePath(SettingsFile);
    if (FileExists(path)) {
        // "monitor=1" ticks its item as it is read, even when a later line fails.
        struct TickMonitor {
            Program& App;
            ~TickMonitor()
            {
                if (App.Config.Monitor == MonitorScreenSaver)
                    App.StartButton.ShowMonitorAction(MonitorScreenSaver);
            }
        } tick{*this};
        TextReader in(path);
        ReadSettingsFrom(in, Config);
    } else {
        // The first start: the user picks the look that suits the system.
        FirstRunDialog dialog;
        dialog.Create();
        dialog.ShowModal();
        if (dialog.ClassicChosen) {
            Config.SkinFolder = ExeFolder + BuiltInSkins[ClassicalXP].Folder;
            Config.SkinFile = BuiltInSkins[ClassicalXP].File;
        }
    }
    StartButton.ShowAutoload(Config.Autoload);
    SetAutoload(Config.Autoload);
}

void Program::SaveAll()
{
    SaveSettingsAndFavourites(ExeFolder, Config, Folders, Programs);
}

void Program::SetAutoload(bool on)
{
    if (!on)
        DeleteRunValue("Quorvel");
    else if (!WriteRunValue("Quorvel", ExePath()))
        throw ERegistryException("Failed to set data for 'Quorvel'");
}

void Program::LoadSkin()
{
    try {
        ReadSkinFile(SkinFilePath(), Skin);
        StartButton.LoadStartPicture();
    } catch (...) {
        KeepMenusReachable();
        throw;
    }
    KeepMenusReachable();
}

// An empty or cut-off description file reads as zones of nothing: the user
// would be left with neither Start menu nor main menu.
void Program::KeepMenusReachable()
{
    if (!ZoneReachable(Skin, StartMenuHit) || !ZoneReachable(Skin, MainMenuHit))
        UseBuiltInZones(Skin, Skin.StartWidth, Skin.StartHeight);
}

void Program::ApplySkin(const std::string& folder, const std::string& file)
{
    Config.SkinFolder = folder;
    Config.SkinFile = file;
    SaveAll();
    LoadSkin();
    RebuildPanel();
}

void Program::RebuildPanel()
{
    // A handler of the old panel may still be running beneath this call (the
    // pressed look processes pending messages, a dialog runs its own loop):
    // that panel is kept, hidden, until the handler is done. Otherwise the
    // new panel takes over the old one's window, which saves most of the
    // time a skin change takes under Wine.
    std::unique_ptr<PanelWindow> old = std::move(Panel);
    PanelShown = false;
    Panel.reset(new PanelWindow(*this));
    if (old && !old->InHandler()) {
        old->Hide();
        Panel->CreateFrom(*old);
        return;
    }
    // Made under a dialog that keeps the old panel from input (one of its
    // own, or the chooser's), the new panel takes none either until it closes.
    const bool usable = !old || IsWindowEnabled(old->Handle);
    if (old)
        TheApplication.Retire(std::move(old));
    TheApplication.CreateForm(*Panel);
    if (!usable)
        Form::DisableWhileModal(Panel->Handle);
}

void Program::TogglePanel()
{
    PanelShown = !PanelShown;
    if (PanelShown)
        Panel->Show();
    else
        Panel->Hide();
}

void Program::ToggleTimer()
{
    if (Timer.Visible())
        Timer.Hide();
    else
        Timer.Show();
}

void Program::ConfirmExit(HWND owner, const char* question)
{
    if (Application::Box(owner, question, "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES)
        PostMessageA(StartButton.Handle, WM_CLOSE, 0, 0);
}

const char* Program::FileOf(const FavouriteList& list) const
{
    return &list == &Folders ? FoldersFile : ProgramsFile;
}

bool Program::RoomInFavourites(const FavouriteList& list)
{
    if (list.Count < MaxFavourites)
        return true;
    // Only a list read full from its file, or left full by a failed save,
    // gets here: it takes no 21st entry.
    Panel->SetAddEnabled(list, false);
    return false;
}

void Program::AddToFavourites(FavouriteList& list, const std::string& path, const std::string& defaultName)
{
    const std::string name = NameAsker.Ask(defaultName);
    // A list whose file could not be read is read again first: saved as it
    // stands, it would replace the user's favourites with this one entry.
    if (!list.Loaded)
        LoadFavourites(list, FilePath(FileOf(list)));
    AddFavourite(list, path, name);
    // The start button stays usable while the name is asked for: a skin
    // change may have made the panel anew meanwhile, so it is the panel of
    // now that shows the new entry.
    Panel->RefreshFavouriteMenus();
    SaveFavourites(list, FilePath(FileOf(list)));
    Panel->SetAddEnabled(list, list.Count < MaxFavourites);
}

void Program::OpenFavourite(const FavouriteList& list, unsigned slot)
{
    ShellOpen(StartButton.Handle, list.Entry[slot].Path);
}

namespace {
// The system's version in words, as the NT family's check reads it.
std::string OsVersionName()
{
    OSVERSIONINFOA v;
    const bool ok = QueryOsVersion(v);
    return OsVersionText(ok, v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber, v.szCSDVersion);
}
} // namespace

void Program::ShutDown()
{
    if (OsVersionName().rfind("Windows NT", 0) == 0) {
        if (const char* failed = EnableShutdownPrivilege()) {
            // The program's own box: "Exit Error" is its text, the failed
            // step its caption.
            Application::Box(nullptr, "Exit Error", failed, MB_OK);
            return;
        }
    }
    // A forced shutdown ends Quorvel without its close handler: save now and
    // give the Start button back. A failed save must not keep on a computer
    // the user asked to power off.
    try {
        SaveAll();
    } catch (const std::exception&) {
    }
    StartButton.SetSystemStartButtonShown(true);
    if (!ShutDownForced())
        StartButton.SetSystemStartButtonShown(false);  // refused: Quorvel goes on in the taskbar
}
