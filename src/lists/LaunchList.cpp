#include "LaunchList.h"

#include "../app/Settings.h"
#include "../toolkit/Files.h"

const char* const DirsFile = "Dirs.qvl";
const char* const AppsFile = "Apps.qvl";

LaunchList DirList{{}, Ini.numdirs, false};
LaunchList AppList{{}, Ini.numapps, false};

void ReadLaunchList(LaunchList& list, TextReader& in)
{
    // The end test comes only before each pair, so an odd last line gives an
    // entry with an empty path, and a trailing empty line one more entry.
    while (!in.Eof() && list.Count < MaxEntries) {
        LaunchEntry& e = list.Slot[++list.Count];
        e.Name = in.ReadLine(LineRule::CrDropped, MaxEntryText);
        e.Path = in.ReadLine(LineRule::CrDropped, MaxEntryText);
    }
}

void LoadLaunchList(LaunchList& list, const std::string& fileName)
{
    const std::string path = ExeDir + fileName;
    list.Count = 0;
    list.Loaded = false;
    if (!FileExists(path)) {
        CreateEmptyFile(path);
    } else {
        TextReader in(path);
        ReadLaunchList(list, in);
    }
    list.Loaded = true;
}

std::string FormatLaunchList(const LaunchList& list)
{
    std::string out;
    for (unsigned i = 1; i <= list.Count && i <= MaxEntries; ++i)
        out += list.Slot[i].Name + "\r\n" + list.Slot[i].Path + "\r\n";
    return out;
}

void SaveLaunchList(const LaunchList& list, const std::string& fileName)
{
    SaveFileAtomic(ExeDir + fileName, FormatLaunchList(list));
}
