#include "Program.h"

#include <algorithm>

#include "../base/Errors.h"
#include "../base/Files.h"
#include "../base/Scoped.h"
#include "../model/ButtonChooser.h"
#include "../model/Countdown.h"
#include "../model/HitZone.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/AddFolderDialog.h"
#include "dialogs/ButtonChooserDialog.h"
#include "dialogs/CdDriveDialog.h"
#include "dialogs/DeleteFavouriteDialog.h"
#include "dialogs/FirstRunDialog.h"

namespace {
// A full-screen program came to the front of a taskbar's monitor, or left.
const UINT FullScreenNews = WM_APP_PROGRAM;
// A second monitor's taskbar may have come or gone.
const UINT TaskbarsNews = WM_APP_PROGRAM + 1;
} // namespace

Program::Program()
    : StartButton(*this), Timer([this] { ShutDown(); },
                                [this](const std::string& hint) {
                                    TimerHint = hint;
                                    if (Panel)
                                        Panel->SetHint(TimerButton, hint);
                                })
{
    const std::string exe = ExePath();
    ExeFolder = exe.substr(0, exe.find_last_of('\\') + 1);
    SettingsFolder = PrepareSettingsFolder(ExeFolder);
    Config = DefaultSettings(ExeFolder);
    UseZonesOfBuiltInPicture();
}

void Program::Run()
{
    TheApplication.CreateWindowOf(StartButton);
    // The button is on screen, drawn, while the rest is made.
    StartButton.Show();
    UpdateWindow(StartButton.Handle);
    // The autostart value as the settings say, once the button is on screen:
    // a registry that refuses it must not hold up the start. Settings that
    // failed to read leave it as it is.
    if (SettingsRead) {
        try {
            WriteAutoload(Config.Autoload);
        } catch (const std::exception& e) {
            TheApplication.ShowException(e);
        }
    }
    TheApplication.CreateWindowOf(Timer);
    TheApplication.CreateWindowOf(NameAsker);
    LoadFavouriteLists();
    // A skin chosen from the main menu under a start-up error box has made
    // the panel already.
    if (!Panel) {
        Panel = std::make_unique<PanelWindow>(*this);
        TheApplication.CreateWindowOf(*Panel);
    }
    // Only now: the key shows the panel, and each start-up error box above
    // runs a loop that would deliver it.
    RegisterPanelKey();
    AddExStyle(TheApplication.Handle, WS_EX_TOOLWINDOW);
    KeepTopmostWindowsOnScreen();
    TellOfTaskbarChanges(TheApplication.Handle, FullScreenNews, TaskbarsNews);
    // The other monitors' taskbars once the loop runs: the start waits for
    // none of them.
    PostMessageA(TheApplication.Handle, TaskbarsNews, 0, 0);
    TheApplication.Run();
    if (PanelKeyRegistered)
        UnregisterHotKey(TheApplication.Handle, PanelKeyId);
    Panel.reset();
}

void Program::ShellRestarted()
{
    StartButton.ShellRestarted();
}

// Logging off or shutting down ends the process without a close: what a
// close does happens here. A box now would only hold up the session, so a
// failed save (already reported at every earlier save) goes unreported.
void Program::SessionEnding()
{
    try {
        SaveAll();
    } catch (const std::exception&) {
    }
    StartButton.SetSystemStartButtonShown(true);
}

void Program::HotKeyPressed()
{
    TogglePanelFromKeyboard();
}

// The taskbar moves itself to the new screen's edge, and the button with it.
// A monitor that came or went brings or takes a taskbar.
void Program::DisplayChanged()
{
    KeepPanelOnScreen();
    PutButtonsOnEveryTaskbar();
}

// The button itself steps aside with the taskbar it follows.
void Program::Posted(UINT msg)
{
    if (msg == FullScreenNews)
        StepAsideForFullScreen();
    else if (msg == TaskbarsNews)
        PutButtonsOnEveryTaskbar();
}

const FavouriteList& Program::FavouritesOf(FavouriteKind kind) const
{
    return kind == FavouriteKind::Folders ? Folders : Programs;
}

FavouriteList& Program::ListOf(FavouriteKind kind)
{
    return kind == FavouriteKind::Folders ? Folders : Programs;
}

const char* Program::FileOf(FavouriteKind kind) const
{
    return kind == FavouriteKind::Folders ? FoldersFile : ProgramsFile;
}

void Program::StartUp()
{
    try {
        ReadSettings();
        LoadSkin();
    } catch (...) {
        // The start-up ends at the error box, the built-in picture shown:
        // without zones of its own the button would answer nothing, and the
        // user would have neither Start button nor a way to another skin.
        UseZonesOfBuiltInPicture();
        throw;
    }
}

void Program::UseZonesOfBuiltInPicture()
{
    const SIZE face = StartButton.FaceSize();
    UseBuiltInZones(Skin, uint16_t(face.cx), uint16_t(face.cy));
}

void Program::ReadSettings()
{
    Config = DefaultSettings(ExeFolder);
    const std::string path = SettingsFilePath(SettingsFile);
    if (FileExists(path)) {
        // "monitor=1" ticks its item as it is read, even when a later line fails.
        const AtScopeEnd tick([this] {
            if (Config.Monitor == MonitorScreenSaver)
                StartButton.ShowMonitorAction(MonitorScreenSaver);
        });
        AboutFile(path, [&] {
            TextReader in(path);
            ReadSettingsFrom(in, Config);
        });
    } else {
        // The first start: the user picks the look that suits the system.
        if (FirstRunDialog().AsksForClassic()) {
            Config.SkinFolder = ExeFolder + BuiltInSkins[ClassicalXP].Folder;
            Config.SkinFile = BuiltInSkins[ClassicalXP].File;
        }
    }
    StartButton.ShowAutoload(Config.Autoload);
    SettingsRead = true;
    SettingsBase = {Config, FingerprintOf(path)};
}

// Each list on its own: one that cannot be read must not keep the other from
// the menus.
void Program::LoadFavouriteLists()
{
    for (const FavouriteKind kind : {FavouriteKind::Folders, FavouriteKind::Programs}) {
        try {
            LoadFavourites(ListOf(kind), SettingsFilePath(FileOf(kind)));
        } catch (const std::exception& e) {
            TheApplication.ShowException(e);
        }
    }
}

void Program::SaveAll()
{
    const std::string path = SettingsFilePath(SettingsFile);
    CatchUpWithSettingsFile(Config, SettingsBase, DefaultSettings(ExeFolder), path);
    StartButton.ShowAutoload(Config.Autoload);
    StartButton.ShowMonitorAction(Config.Monitor);
    SaveSettingsAndFavourites(SettingsFolder, Config, Folders, Programs);
    SettingsBase = {Config, FingerprintOf(path)};
}

// The file follows at the next save.
void Program::SetAutoload(bool on)
{
    Config.Autoload = on;
    StartButton.ShowAutoload(on);
    WriteAutoload(on);
}

void Program::WriteAutoload(bool on)
{
    RegistryRunValues values("Quorvel");
    const std::string exe = ExePath();
    if (!SyncAutostart(values, on, RunCommandOf(exe), IsProgramOfOneUser(exe, UserProfileFolder())))
        throw RegistryError("Failed to set data for 'Quorvel'");
}

void Program::SetMonitorAction(uint8_t action)
{
    Config.Monitor = action;
    StartButton.ShowMonitorAction(action);
    SaveAll();
}

void Program::ToggleCdTray()
{
    CdTrayOpen = !CdTrayOpen;
    SetCdDoor(Config.CdDrive, CdTrayOpen);
}

void Program::LoadSkin()
{
    try {
        ReadSkinFile(SkinFilePath(), Skin);
        const SIZE face = StartButton.LoadStartPicture(Config.SkinFolder + "normal.bmp");
        Skin.StartWidth = uint16_t(face.cx);
        Skin.StartHeight = uint16_t(face.cy);
        for (const auto& button : MonitorButtons)
            if (button->Handle)
                button->ShowFace(StartPicture());
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

void Program::UseBuiltInSkin(int which)
{
    ApplySkin(ExeFolder + BuiltInSkins[which].Folder, BuiltInSkins[which].File);
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
    // A handler of the old panel may still be running beneath this call (a
    // dialog, a box or a menu it opened runs its own loop): that panel is
    // kept, hidden, until the handler is done. Otherwise the
    // new panel takes over the old one's window, which saves most of the
    // time a skin change takes under Wine.
    std::unique_ptr<PanelWindow> old = std::move(Panel);
    PanelShown = false;
    Panel = std::make_unique<PanelWindow>(*this);
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
    TheApplication.CreateWindowOf(*Panel);
    if (!usable)
        Form::DisableWhileModal(Panel->Handle);
}

void Program::TogglePanel(HWND taskbar)
{
    // Pressed under a start-up error box, before the panel is made.
    if (!Panel)
        return;
    PanelShown = !PanelShown;
    if (PanelShown) {
        Panel->ComeToMonitorOf(taskbar);
        Panel->Show();
    } else {
        Panel->Hide();
    }
}

// Before Vista there is one taskbar, and the menu and the panel keep the
// primary screen's bottom left wherever it is docked.
void Program::PressZone(ZoneHit zone, HWND taskbar)
{
    const HWND monitorOf = IsVistaOrLater() ? taskbar : nullptr;
    switch (zone) {
    case StartMenuHit: OpenStartMenu(taskbar); break;
    case MainMenuHit: StartButton.PopUpMainMenu(MainMenuCorner(MonitorOf(monitorOf), Skin.StartHeight)); break;
    case PanelHit: TogglePanel(monitorOf); break;
    case NoZone: break;
    }
}

// A button whose taskbar went (its monitor unplugged) goes, unless one of
// its handlers is still running beneath.
void Program::PutButtonsOnEveryTaskbar()
{
    MonitorButtons.erase(std::remove_if(MonitorButtons.begin(), MonitorButtons.end(),
                                        [](const auto& b) {
                                            return (!b->Handle || !IsWindow(b->Taskbar())) && !b->InHandler();
                                        }),
                         MonitorButtons.end());
    for (HWND tray : SecondaryTaskbars()) {
        if (std::any_of(MonitorButtons.begin(), MonitorButtons.end(),
                        [&](const auto& b) { return b->Taskbar() == tray; }))
            continue;
        MonitorButtons.push_back(std::make_unique<MonitorButtonWindow>(*this, tray));
        MonitorButtons.back()->Create();
    }
}

void Program::StepAsideForFullScreen()
{
    if (!Panel || !PanelShown)
        return;
    if (FullScreenOver(Panel->Handle))
        Panel->Hide();
    else
        Panel->Show();
}

void Program::KeepPanelOnScreen()
{
    if (Panel)
        Panel->ComeBackIfLost();
}

void Program::TogglePanelFromKeyboard()
{
    if (!Panel)
        return;
    TogglePanel();
    if (PanelShown)
        Panel->TakeKeyboard();
    else
        Panel->GiveKeyboardBack();
}

void Program::RegisterPanelKey()
{
    const HotKey& key = Config.PanelKey;
    PanelKeyRegistered = key.Key && RegisterHotKey(TheApplication.Handle, PanelKeyId, key.Modifiers, key.Key);
    Config.PanelKeyHeldElsewhere = key.Key && !PanelKeyRegistered;
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

void Program::OnceAtATime(DialogKind kind, const std::function<void()>& show)
{
    bool& open = DialogOpen[size_t(kind)];
    if (open)
        return;
    // Lowered however the dialog ends: an error must not leave its menu item
    // dead.
    open = true;
    const AtScopeEnd lower([&open] { open = false; });
    show();
}

void Program::ChooseCdDrive()
{
    OnceAtATime(DialogKind::CdDrive, [this] {
        if (const std::optional<char> letter = CdDriveDialog(Config.CdDrive).Choose())
            Config.CdDrive = *letter;
        SaveAll();
    });
}

// An applied choice is on screen before it is saved: a file that cannot be
// written must not keep the user from the panel they chose.
void Program::ChoosePanelButtons()
{
    OnceAtATime(DialogKind::PanelButtons, [this] {
        const std::optional<std::vector<int>> shown = ButtonChooserDialog(ChooserFill(Config)).Choose();
        const bool applied = shown.has_value();
        if (applied) {
            ChooserApply(*shown, Config);
            RebuildPanel();
        }
        SaveAll();
        if (applied)
            LoadSkin();
    });
}

void Program::ShowAbout()
{
    OnceAtATime(DialogKind::About, [] {
        AboutDialog dialog;
        dialog.Create();
        dialog.ShowModal();
    });
}

void Program::AddFolder()
{
    OnceAtATime(DialogKind::AddFolder, [this] {
        AddFolderDialog dialog([this](const std::string& folder) {
            if (!RoomInFavourites(FavouriteKind::Folders))
                return false;
            AddToFavourites(FavouriteKind::Folders, folder, DefaultFolderName(folder));
            return true;
        });
        dialog.Create();
        dialog.ShowModal();
    });
}

// The deletions are written at the next save.
void Program::DeleteFavourites(FavouriteKind kind)
{
    OnceAtATime(DialogKind::DeleteFavourites, [this, kind] {
        FavouriteList& list = ListOf(kind);
        CatchUpWithFile(list, SettingsFilePath(FileOf(kind)));
        std::vector<std::string> names;
        for (unsigned n = 1; n <= list.Count; ++n)
            names.push_back(list.Entry[n].Name);
        for (const unsigned deleted : DeleteFavouriteDialog(names).Choose())
            DeleteFavourite(list, deleted);
        // A list that was full has room again.
        Panel->SetAddEnabled(kind, list.Count < MaxFavourites);
    });
}

bool Program::RoomInFavourites(FavouriteKind kind)
{
    CatchUpWithFile(ListOf(kind), SettingsFilePath(FileOf(kind)));
    const bool room = FavouritesOf(kind).Count < MaxFavourites;
    // A full list takes no 21st entry: its "Add" is greyed until a deletion
    // makes room.
    Panel->SetAddEnabled(kind, room);
    return room;
}

bool Program::AddToFavourites(FavouriteKind kind, const std::string& path, const std::string& defaultName,
                              bool oneOfMany)
{
    // Stored cut, it would be an entry that opens nothing.
    if (path.size() > MaxFavouritePath) {
        Exception tooLong("A path of more than 259 characters cannot be a favourite");
        tooLong.NameFile(path);
        throw tooLong;
    }
    const std::optional<std::string> name = NameAsker.Ask(defaultName, oneOfMany);
    // Exit chosen while the name was asked for: the entry counts as
    // cancelled, and nothing is written after Exit's save.
    if (TheApplication.Ending || !name)
        return false;
    FavouriteList& list = ListOf(kind);
    // The file may have been read never, or edited meanwhile: the entry is
    // added to what it holds now.
    CatchUpWithFile(list, SettingsFilePath(FileOf(kind)));
    const bool added = AddFavourite(list, path, *name);
    // The start button stays usable while the name is asked for: a skin
    // change may have made the panel anew meanwhile, so it is the panel of
    // now that shows the new entry.
    Panel->RefreshFavouriteMenus();
    Panel->SetAddEnabled(kind, list.Count < MaxFavourites);
    if (added)
        SaveFavouritesIfChanged(list, SettingsFilePath(FileOf(kind)));
    return true;
}

void Program::AddDroppedToFavourites(FavouriteKind kind, const std::vector<DroppedItem>& dropped)
{
    // Caught up with its file first: what fits is counted on what it holds.
    RoomInFavourites(kind);
    const DropPlan plan = PlanDrop(kind, dropped, FavouritesOf(kind).Count);
    unsigned refused = plan.Refused;
    for (const Favourite& entry : plan.Entries) {
        if (TheApplication.Ending)
            return;
        // The file may have filled up meanwhile, edited elsewhere.
        if (!RoomInFavourites(kind)) {
            ++refused;
            continue;
        }
        // One that cannot be kept (a path too long) is told of, and the
        // rest still go in; Escape at a name stops the rest, and what was
        // added stays.
        try {
            if (!AddToFavourites(kind, entry.Path, entry.Name, plan.Entries.size() > 1))
                return;
        } catch (const std::exception& e) {
            TheApplication.ShowException(e);
        }
    }
    if (refused && !TheApplication.Ending)
        Application::Box(Panel->Handle, RefusedDropText(refused).c_str(), "Quorvel", MB_OK | MB_ICONINFORMATION);
}

// The slot comes from a WM_COMMAND, which any program may send.
void Program::OpenFavourite(FavouriteKind kind, unsigned slot)
{
    const FavouriteList& list = FavouritesOf(kind);
    if (slot >= 1 && slot <= list.Count)
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
    // the user asked to shut down.
    try {
        SaveAll();
    } catch (const std::exception&) {
    }
    StartButton.SetSystemStartButtonShown(true);
    if (!ShutDownForced())
        StartButton.SetSystemStartButtonShown(false);  // refused: Quorvel goes on in the taskbar
}
