// The one object that owns the program's state: the settings, the skin's
// metrics, the favourites lists and the windows that live as long as the
// program. Created in the entry point; the windows show its state and change
// it only through its verbs.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../model/Favourites.h"
#include "../model/HitZone.h"
#include "../model/Settings.h"
#include "../model/SkinFile.h"
#include "../toolkit/Application.h"
#include "MonitorButton.h"
#include "Panel.h"
#include "StartButton.h"
#include "dialogs/NameDialog.h"
#include "dialogs/ShutdownTimerDialog.h"

class Program : public ProgramEvents {
public:
    Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the windows and runs until the start button closes.
    void Run();

    const Settings& CurrentSettings() const { return Config; }
    const SkinMetrics& CurrentSkin() const { return Skin; }
    const FavouriteList& FavouritesOf(FavouriteKind kind) const;
    // While the shutdown timer counts, the minutes left.
    const std::string& TimerButtonHint() const { return TimerHint; }
    const Bitmap& StartPicture() const { return StartButton.FacePicture(); }

    // Settings.ini (or the first-run question when there is none), then the
    // skin. Where either fails, the button keeps its built-in picture with
    // zones to match.
    void StartUp();
    // Settings.ini, then the folder list, then the program list.
    void SaveAll();
    // The "Autoloading" tick and the autostart value.
    void SetAutoload(bool on);
    void SetMonitorAction(uint8_t action);
    // The program cannot ask the drive: it opens and closes by turns.
    void ToggleCdTray();
    void UseBuiltInSkin(int which);
    // Stores the choice first (so that a broken skin is reported again at the
    // next start), then loads it.
    void ApplySkin(const std::string& folder, const std::string& file);
    // Shown from a button, the panel comes to that button's monitor.
    void TogglePanel(HWND taskbar = nullptr);
    // A zone of the start button over `taskbar`, acting on that monitor.
    void PressZone(ZoneHit zone, HWND taskbar);
    // From 8 on, a button on every other monitor's taskbar too.
    void PutButtonsOnEveryTaskbar();
    // The hot key: shown so, the panel takes the keyboard; hidden, it gives
    // the keyboard back where it was.
    void TogglePanelFromKeyboard();
    void ToggleTimer();
    // A full-screen program in front on the panel's monitor: the panel is
    // hidden while it stays, and shown again after if it was meant to be.
    void StepAsideForFullScreen();
    void KeepPanelOnScreen();
    // The user's yes closes the program; `question` is the asking window's own.
    void ConfirmExit(HWND owner, const char* question);

    // The dialogs, each kind open once at a time. The settings are written
    // when a chooser closes, applied or not.
    void ChooseCdDrive();
    void ChoosePanelButtons();
    void ShowAbout();
    void AddFolder();
    void DeleteFavourites(FavouriteKind kind);

    // False, with that list's "Add" greyed, when the list is full.
    bool RoomInFavourites(FavouriteKind kind);
    // Asks for the new entry's name, then adds and saves it.
    // False when the user stopped a run of them (`oneOfMany`) at this one.
    bool AddToFavourites(FavouriteKind kind, const std::string& path, const std::string& defaultName,
                         bool oneOfMany = false);
    // Each dropped item that fits, its name asked for as "Add" asks it; the
    // user is told how many did not fit.
    void AddDroppedToFavourites(FavouriteKind kind, const std::vector<DroppedItem>& dropped);
    // Entry `slot` (1 to 20) of a list, through the shell's "open", maximised.
    void OpenFavourite(FavouriteKind kind, unsigned slot);
    // Saves, gives the Start button back and shuts Windows down.
    void ShutDown();

private:
    // What the shell, the session and the hot key tell the program.
    void ShellRestarted() override;
    void SessionEnding() override;
    void HotKeyPressed() override;
    void DisplayChanged() override;
    void Posted(UINT msg) override;

    enum class DialogKind { About, CdDrive, PanelButtons, AddFolder, DeleteFavourites, Count };
    // Runs `show` unless a dialog of that kind is open already: asked for
    // again (from the menu, or from a panel made anew under the first), a
    // second would edit the same settings or lists at once.
    void OnceAtATime(DialogKind kind, const std::function<void()>& show);

    // Settings.ini, Dirs.qvl or Apps.qvl, wherever this user's live.
    std::string SettingsFilePath(const std::string& name) const { return SettingsFolder + name; }
    std::string SkinFilePath() const { return Config.SkinFolder + Config.SkinFile; }
    FavouriteList& ListOf(FavouriteKind kind);
    const char* FileOf(FavouriteKind kind) const;
    void ReadSettings();
    void LoadFavouriteLists();
    // Where another program holds the combination, Quorvel goes without.
    void RegisterPanelKey();
    // Writes or removes the autostart value.
    void WriteAutoload(bool on);
    // The skin's description file and start picture. Where they leave no
    // zone to reach the Start menu or the main menu by, the built-in zones
    // stretched over the picture shown take their place.
    void LoadSkin();
    void KeepMenusReachable();
    void UseZonesOfBuiltInPicture();
    // Hides and destroys the panel and creates it anew from the present
    // settings and skin. The new panel starts hidden.
    void RebuildPanel();

    std::string ExeFolder;       // ends with a backslash; the built-in skins are below it
    std::string SettingsFolder;  // ends with a backslash
    Settings Config;
    SettingsBaseline SettingsBase;  // the user's edits of the file since are kept
    SkinMetrics Skin;
    FavouriteList Folders, Programs;
    bool PanelShown = false;
    bool CdTrayOpen = false;
    bool SettingsRead = false;  // to their end, at the start
    static const int PanelKeyId = 1;
    bool PanelKeyRegistered = false;
    std::string TimerHint = PanelButtons[TimerButton].Hint;
    bool DialogOpen[size_t(DialogKind::Count)] = {};

    StartButtonWindow StartButton;
    std::vector<std::unique_ptr<MonitorButtonWindow>> MonitorButtons;
    ShutdownTimerDialog Timer;
    NameDialog NameAsker;
    // The panel of now: a skin change or the button chooser makes it anew.
    std::unique_ptr<PanelWindow> Panel;
};
