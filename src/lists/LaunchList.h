// The two favourites lists (folders and programs) and their list files.
#pragma once
#include <cstdint>
#include <string>

const unsigned MaxEntries = 20;
const size_t MaxEntryText = 255;

struct LaunchEntry {
    std::string Name;
    std::string Path;
};

struct LaunchList {
    LaunchEntry Slot[MaxEntries + 1];  // Slot[1] ... Slot[Count]
    uint8_t& Count;                    // Ini.numdirs or Ini.numapps
    // True once the list has been read to its end or edited in this run. A list
    // that was never read is never written: its file holds the user's
    // favourites, and an empty list in memory would wipe them.
    bool Loaded;
};

extern LaunchList DirList;
extern LaunchList AppList;

extern const char* const DirsFile;  // "Dirs.qvl"
extern const char* const AppsFile;  // "Apps.qvl"

// Reads ExeDir + fileName, replacing the list; a missing file is created empty.
// A hand-made file with more than twenty entries gives its first twenty.
void LoadLaunchList(LaunchList& list, const std::string& fileName);
void ReadLaunchList(LaunchList& list, class TextReader& in);
void SaveLaunchList(const LaunchList& list, const std::string& fileName);
std::string FormatLaunchList(const LaunchList& list);
