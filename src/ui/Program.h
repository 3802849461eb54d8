// The one object that owns the program's state: the settings, the skin's
// metrics, the favourites lists and the windows that live as long as the
// program. Created in the entry point; every window reaches it by reference
// and asks it for what concerns more than itself.
#pragma once
#include <memory>
#include <string>

#include "../model/Favourites.h"
#include "../model/Settings.h"
#include "../model/SkinFile.h"
#include "Panel.h"
#include "StartButton.h"
#include "dialogs/NameDialog.h"
#include "dialogs/ShutdownTimerDialog.h"

// Holds a flag up while a dialog is open, and lowers it however the dialog
// ends: an error must not leave its menu item dead.
class Busy {
public:
    explicit Busy(bool& flag) : Flag(flag) { Flag = true; }
    ~Busy() { Flag = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& Flag;
};

class Program {
public:
    Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the windows and runs until the start button closes.
    void Run();

    std::string ExeFolder;  // ends with a backslash
    Settings Config;
    SkinMetrics Skin;
    FavouriteList Folders, Programs;

    bool PanelShown = false;
    // The CD tray, opened and closed by turns: the program cannot ask the drive.
    bool CdTrayOpen = false;
    // One dialog of each kind at a time; what must outlive a panel made anew
    // (the add-folder dialog) is kept here, not in the panel.
    bool AboutOpen = false, CdChooserOpen = false, ButtonChooserOpen = false, AddFolderOpen = false,
         DeleteDialogOpen = false;

    StartButtonWindow StartButton;
    ShutdownTimerDialog Timer;
    NameDialog NameAsker;
    // The panel of now: a skin change or the button chooser makes it anew.
    std::unique_ptr<PanelWindow> Panel;

    std::string FilePath(const std::string& name) const { return ExeFolder + name; }
    std::string SkinFilePath() const { return Config.SkinFolder + Config.SkinFile; }

    // Settings.ini, or the first-run question when there is none; then the
    // autostart value as the settings say.
    void ReadSettings();
    // Settings.ini, then the folder list, then the program list.
    void SaveAll();
    void SetAutoload(bool on);
    // The skin's description file and start picture. Where they leave no
    // zone to reach the Start menu or the main menu by, the built-in zones
    // stretched over the picture shown take their place.
    void LoadSkin();
    // Stores the choice first (so that a broken skin is reported again at the
    // next start), then loads it.
    void ApplySkin(const std::string& folder, const std::string& file);
    // Hides and destroys the panel and creates it anew from the present
    // settings and skin. The new panel starts hidden.
    void RebuildPanel();
    void TogglePanel();
    void ToggleTimer();
    // The user's yes closes the program; `question` is the asking window's own.
    void ConfirmExit(HWND owner, const char* question);
    // False, with that list's "Add" greyed, when the list is full.
    bool RoomInFavourites(const FavouriteList& list);
    // Asks for the new entry's name, then adds and saves it.
    void AddToFavourites(FavouriteList& list, const std::string& path, const std::string& defaultName);
    // Entry `slot` (1 to 20) of a list, through the shell's "open", maximised.
    void OpenFavourite(const FavouriteList& list, unsigned slot);
    // Saves, gives the Start button back and shuts the computer down.
    void ShutDown();

private:
    void KeepMenusReachable();
    const char* FileOf(const FavouriteList& list) const;
};
