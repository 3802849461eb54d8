// The settings record and Settings.ini beside the executable.
#pragma once
#include <cstdint>
#include <string>

#include "HotKey.h"
#include "PanelButtons.h"

// What the monitor button does ("monitor=").
enum MonitorAction : uint8_t { MonitorPowerOff = 0, MonitorScreenSaver = 1 };

struct Settings {
    std::string SkinFile;    // "skin=": the description file, in SkinFolder
    std::string SkinFolder;  // "skindir=": ends with a backslash
    bool Autoload = false;   // "autorun="
    uint8_t ButtonCount = 8; // "numbut=": the number of panel slots in use
    char CdDrive = 'e';      // "cdrom="
    // "but1=", "but2=", ...: the panel slot of button k, 0 = not shown (as
    // any button added later is, until chosen). Indexed by PanelButton;
    // element 0 is unused.
    uint8_t ButtonSlot[PanelButtonCount + 1] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    uint8_t Monitor = MonitorPowerOff;  // "monitor="
    // "hotkey=": shows and hides the panel. Written only when it is not the
    // default, so that a file without it stays as it was.
    HotKey PanelKey;
};

extern const char* const SettingsFile;  // "Settings.ini"

// The defaults: the standard skin below the program's folder.
Settings DefaultSettings(const std::string& exeFolder);
// Applies the lines of a settings file to `settings`. A bad number throws
// EConvertError; the lines before it stay applied.
void ReadSettingsFrom(class TextReader& in, Settings& settings);
// The file's text. The two list sizes ("numdirs=", "numapps=") belong to the
// favourites lists, which are saved with the settings.
std::string FormatSettings(const Settings& settings, uint8_t folderCount, uint8_t programCount);

// Settings.ini in `exeFolder`, then each favourites list the program changed
// (see FavouriteList) into its own file there.
void SaveSettingsAndFavourites(const std::string& exeFolder, const Settings& settings, struct FavouriteList& folders,
                               struct FavouriteList& programs);
