// The two favourites lists (folders and programs), their list files, and
// the names an entry gets when the user does not type one.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "../base/Files.h"

const unsigned MaxFavourites = 20;
// A name is cut to this; a path is kept whole up to the system's limit, and
// a longer one is refused before it is added.
const size_t MaxFavouriteText = 255;
const size_t MaxFavouritePath = 259;

struct Favourite {
    std::string Name;
    std::string Path;
};

struct FavouriteList {
    // Entry[1] ... Entry[Count]: numbered from 1 as the menus and the delete
    // dialog count them; element 0 is unused.
    Favourite Entry[MaxFavourites + 1];
    uint8_t Count = 0;
    // True once the list has been read to its end or edited in this run. A list
    // that was never read is never written: its file holds the user's
    // favourites, and an empty list in memory would wipe them.
    bool Loaded = false;
    // The program changed the list since it was last read or written. Only
    // then is it written: the file may have been edited meanwhile (by hand,
    // by another copy of the program, by a synchronised folder).
    bool Changed = false;
    // The file as last read or written, to tell an edit made elsewhere.
    FileFingerprint OnDisk;
    // Where that file goes on past the last entry read: a hand-made file may
    // hold more than the twenty entries shown, which are kept as they are.
    uint64_t RestAt = 0;
    // Entries deleted since the last write: should the file have been edited
    // meanwhile, they are deleted again from what it holds.
    std::vector<Favourite> Deleted;
};

// The program keeps one list of each kind.
enum class FavouriteKind { Folders, Programs };

extern const char* const FoldersFile;   // "Dirs.qvl"
extern const char* const ProgramsFile;  // "Apps.qvl"

// Reads the file, replacing the list; a missing file is created empty.
// A hand-made file with more than twenty entries gives its first twenty.
void LoadFavourites(FavouriteList& list, const std::string& path);
void ReadFavourites(FavouriteList& list, class TextReader& in);
// Before a change: a list never read, or whose file was edited since, is read
// again, and the deletions not yet written are made again on what it holds.
void CatchUpWithFile(FavouriteList& list, const std::string& path);
// Writes the list if the program changed it, caught up with its file first,
// with what the file held past the entries shown after it.
void SaveFavouritesIfChanged(FavouriteList& list, const std::string& path);
std::string FormatFavourites(const FavouriteList& list);

// The name of a folder entry: a drive root ("D:\") keeps its whole path,
// any other folder its last component.
std::string DefaultFolderName(const std::string& path);
// The name of a file entry: the file's name with its extension.
std::string DefaultFileName(const std::string& path);

// An entry's caption in a menu, which shows it as typed: "&" is no mnemonic
// mark and a tab no column; an entry without a name shows its path.
std::string MenuCaption(const Favourite& entry);

// Appends an entry, the name cut to 255 characters, the path to 259. A full list takes no
// 21st entry: false. Neither edit makes a list that was never read whole
// count as read: its file still holds what the user has.
bool AddFavourite(FavouriteList& list, const std::string& path, const std::string& name);
// Removes entry `n` (1 to Count); the later ones move up. Out of range: nothing.
void DeleteFavourite(FavouriteList& list, int n);

// What was dropped on a favourites button: a path, and whether it names a
// folder.
struct DroppedItem {
    std::string Path;
    bool IsFolder = false;
};

// The entries a drop adds (path and default name, in the order dropped) and
// how many of them the list has no room for.
struct DropPlan {
    std::vector<Favourite> Entries;
    unsigned Refused = 0;
};

// A folder list takes a dropped folder as it is and a dropped file by its
// folder; a program list takes each as it is. Two items that come to the same
// path make one entry. A list holding `count` entries takes what fits in the
// twenty; the rest is refused.
DropPlan PlanDrop(FavouriteKind kind, const std::vector<DroppedItem>& dropped, unsigned count);
// The folder a file is in: "C:\a\b.txt" gives "C:\a", "C:\b.txt" gives "C:\".
std::string FolderOf(const std::string& path);
// The box that tells how many dropped items did not fit.
std::string RefusedDropText(unsigned refused);
