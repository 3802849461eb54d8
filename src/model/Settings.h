// The settings record, Settings.ini, and the folder it lives in.
#pragma once
#include <cstdint>
#include <string>

#include "../base/Files.h"
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
    // A "hotkey=" line the program cannot use, as the user wrote it: written
    // back so, while the default stands in for it.
    std::string UnusablePanelKey;
    // The system refused the hot key: another program holds it. Not read;
    // written as a note where the user sets the key.
    bool PanelKeyHeldElsewhere = false;
};

extern const char* const SettingsFile;  // "Settings.ini"

// The defaults: the standard skin below the program's folder.
Settings DefaultSettings(const std::string& exeFolder);
// Applies the lines of a settings file to `settings`. A bad number throws
// ConvertError; the lines before it stay applied.
void ReadSettingsFrom(class TextReader& in, Settings& settings);
// The file's text. The two list sizes ("numdirs=", "numapps=") belong to the
// favourites lists, which are saved with the settings.
std::string FormatSettings(const Settings& settings, uint8_t folderCount, uint8_t programCount);

// What Settings.ini held when the program last read or wrote it.
struct SettingsBaseline {
    Settings Values;
    FileFingerprint OnDisk;
};
// Takes into `now` each setting the user changed in the file at `path` since
// `base` (by hand, while the program runs) and the program did not change
// itself. A missing line reads as its default; a file that does not read is
// not taken at all.
void CatchUpWithSettingsFile(Settings& now, const SettingsBaseline& base, const Settings& defaults,
                             const std::string& path);

// Settings.ini in `folder`, then each favourites list the program changed
// (see FavouriteList) into its own file there.
void SaveSettingsAndFavourites(const std::string& folder, const Settings& settings, struct FavouriteList& folders,
                               struct FavouriteList& programs);

// Where Settings.ini, Dirs.qvl and Apps.qvl live where the program's own
// folder cannot be written (Program Files for a user without administrator
// rights, a CD); a folder that can be written keeps them beside the program,
// so that a copy on a stick carries its files with it. They go to the user's
// own folder, which a first start there fills with the files beside the
// program (an earlier portable use, an administrator's defaults) so that
// nothing is lost on the way.
struct SettingsPlace {
    std::string Folder;          // ends with a backslash
    bool CopyFromExeFolder = false;
};
// `userFolder` is "" where the system names no folder of the user's own (the
// 95 family without the shell's newer functions) or it could not be made. A
// user folder that holds Settings.ini is the user's, never filled again: the
// files beside the program may be older defaults.
SettingsPlace ChooseSettingsPlace(const std::string& exeFolder, const std::string& userFolder,
                                  bool userFolderHasSettings);
// The files a first start copies, Settings.ini last: it marks the folder as
// the user's, so a copy cut off halfway is finished at the next start.
extern const char* const SettingsFilesInCopyOrder[3];
