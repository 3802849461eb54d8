#include "Settings.h"

#include <algorithm>
#include <iterator>

#include "../base/Convert.h"
#include "../base/Errors.h"
#include "../base/Files.h"
#include "Favourites.h"
#include "SkinFile.h"

const char* const SettingsFile = "Settings.ini";

namespace {
// Lines longer than this are outside the format; a hand-edited file with a
// megabyte on one line still costs no more than this.
const size_t MaxLine = 4096;

uint8_t LowByte(const std::string& value)
{
    return uint8_t(StrToInt(value) & 0xFF);
}

std::string SlotKey(int button)
{
    return "but" + std::to_string(button) + "=";
}

// The button a "butN=" key names, or 0.
int ButtonOfKey(const std::string& key)
{
    for (int k = 1; k <= PanelButtonCount; ++k)
        if (key == SlotKey(k))
            return k;
    return 0;
}
} // namespace

Settings DefaultSettings(const std::string& exeFolder)
{
    Settings s;
    s.SkinFile = BuiltInSkins[StandardXP].File;
    s.SkinFolder = exeFolder + BuiltInSkins[StandardXP].Folder;
    return s;
}

void ReadSettingsFrom(TextReader& in, Settings& settings)
{
    for (bool first = true; !in.Eof(); first = false) {
        std::string line = in.ReadLine(LineRule::CrEndsText, MaxLine);
        // Notepad from Windows 10 on saves UTF-8 with a byte order mark.
        if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = line.substr(0, eq + 1);
        const std::string value = line.substr(eq + 1);
        if (key == "skin=")
            settings.SkinFile = value;
        else if (key == "skindir=")
            settings.SkinFolder = value;
        else if (key == "autorun=")
            settings.Autoload = value == "true";
        else if (key == "numbut=")
            settings.ButtonCount = LowByte(value);
        else if (key == "cdrom=") {
            if (!value.empty())
                settings.CdDrive = value[0];
        } else if (const int button = ButtonOfKey(key))
            settings.ButtonSlot[button] = LowByte(value);
        else if (key == "monitor=" && value == "1")
            settings.Monitor = MonitorScreenSaver;
        else if (key == "hotkey=") {
            settings.PanelKey = HotKey();
            settings.UnusablePanelKey = ParseHotKey(value, settings.PanelKey) ? "" : value;
        }
    }
}

std::string FormatSettings(const Settings& settings, uint8_t folderCount, uint8_t programCount)
{
    std::string s;
    auto line = [&s](const std::string& text) { s += text + "\r\n"; };
    line("skin=" + settings.SkinFile);
    line("numbut=" + std::to_string(settings.ButtonCount));
    line("numapps=" + std::to_string(programCount));
    line("numdirs=" + std::to_string(folderCount));
    line(settings.Autoload ? "autorun=true" : "autorun=false");
    line(std::string("cdrom=") + settings.CdDrive);
    for (int k = 1; k <= PanelButtonCount; ++k)
        line(SlotKey(k) + std::to_string(settings.ButtonSlot[k]));
    line("monitor=" + std::to_string(settings.Monitor));
    line("skindir=" + settings.SkinFolder);
    // What the key does not do is told here, in the file where it is set,
    // rather than by a box at every start.
    const std::string key = HotKeyText(settings.PanelKey);
    if (!settings.UnusablePanelKey.empty()) {
        line("hotkey=" + settings.UnusablePanelKey);
        line("; The hot key above is not one Quorvel can use (Ctrl, Alt, Shift or Win and a letter, a digit or F1 to "
             "F12; Shift alone only with F1 to F12): " + key + " stands in for it.");
    } else if (settings.PanelKey != HotKey())
        line("hotkey=" + key);
    if (settings.PanelKeyHeldElsewhere)
        line("; Another program holds the hot key " + key +
             ": Quorvel goes without one. Choose another with a line such as hotkey=Ctrl+Shift+F9.");
    return s;
}

void CatchUpWithSettingsFile(Settings& now, const SettingsBaseline& base, const Settings& defaults,
                             const std::string& path)
{
    if (FingerprintOf(path) == base.OnDisk)
        return;
    Settings disk = defaults;
    try {
        TextReader in(path);
        ReadSettingsFrom(in, disk);
    } catch (const std::exception&) {
        return;
    }
    const Settings& was = base.Values;
    const auto take = [](auto& mine, const auto& before, const auto& theirs) {
        if (mine == before)
            mine = theirs;
    };
    take(now.SkinFile, was.SkinFile, disk.SkinFile);
    take(now.SkinFolder, was.SkinFolder, disk.SkinFolder);
    take(now.Autoload, was.Autoload, disk.Autoload);
    take(now.ButtonCount, was.ButtonCount, disk.ButtonCount);
    take(now.CdDrive, was.CdDrive, disk.CdDrive);
    if (std::equal(std::begin(now.ButtonSlot), std::end(now.ButtonSlot), std::begin(was.ButtonSlot)))
        std::copy(std::begin(disk.ButtonSlot), std::end(disk.ButtonSlot), std::begin(now.ButtonSlot));
    take(now.Monitor, was.Monitor, disk.Monitor);
    if (now.PanelKey == was.PanelKey && now.UnusablePanelKey == was.UnusablePanelKey) {
        now.PanelKey = disk.PanelKey;
        now.UnusablePanelKey = disk.UnusablePanelKey;
    }
}

void SaveSettingsAndFavourites(const std::string& folder, const Settings& settings, FavouriteList& folders,
                               FavouriteList& programs)
{
    const std::string path = folder + SettingsFile;
    AboutFile(path, [&] { SaveFileAtomic(path, FormatSettings(settings, folders.Count, programs.Count)); });
    SaveFavouritesIfChanged(folders, folder + FoldersFile);
    SaveFavouritesIfChanged(programs, folder + ProgramsFile);
}

const char* const SettingsFilesInCopyOrder[3] = {FoldersFile, ProgramsFile, SettingsFile};

SettingsPlace ChooseSettingsPlace(const std::string& exeFolder, const std::string& userFolder,
                                  bool userFolderHasSettings)
{
    // With nowhere better, the files beside the program are still read, and
    // a save that fails says why.
    if (userFolder.empty())
        return {exeFolder, false};
    return {userFolder, !userFolderHasSettings};
}
