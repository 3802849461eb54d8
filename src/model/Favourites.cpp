#include "Favourites.h"

#include <algorithm>

#include "../base/Convert.h"
#include "../base/Errors.h"
#include "../base/Files.h"

const char* const FoldersFile = "Dirs.qvl";
const char* const ProgramsFile = "Apps.qvl";

void ReadFavourites(FavouriteList& list, TextReader& in)
{
    // The end test comes only before each pair, so an odd last line gives an
    // entry with an empty path, and a trailing empty line one more entry.
    while (!in.Eof() && list.Count < MaxFavourites) {
        Favourite& e = list.Entry[++list.Count];
        e.Name = in.ReadLine(LineRule::CrDropped, MaxFavouriteText);
        e.Path = in.ReadLine(LineRule::CrDropped, MaxFavouritePath);
    }
}

void LoadFavourites(FavouriteList& list, const std::string& path)
{
    list.Count = 0;
    list.Loaded = false;
    list.Changed = false;
    list.Deleted.clear();
    list.RestAt = 0;
    AboutFile(path, [&] {
        if (!FileExists(path)) {
            CreateEmptyFile(path);
        } else {
            TextReader in(path);
            ReadFavourites(list, in);
            list.RestAt = in.Position();
        }
        list.OnDisk = FingerprintOf(path);
    });
    list.Loaded = true;
}

namespace {
bool Same(const Favourite& a, const Favourite& b)
{
    return a.Name == b.Name && a.Path == b.Path;
}
} // namespace

void CatchUpWithFile(FavouriteList& list, const std::string& path)
{
    if (list.Loaded && FingerprintOf(path) == list.OnDisk)
        return;
    std::vector<Favourite> deleted = std::move(list.Deleted);
    LoadFavourites(list, path);
    for (const Favourite& gone : deleted)
        for (int n = 1; n <= list.Count; ++n)
            if (Same(list.Entry[n], gone)) {
                DeleteFavourite(list, n);
                break;
            }
}

void SaveFavouritesIfChanged(FavouriteList& list, const std::string& path)
{
    if (!list.Loaded || !list.Changed)
        return;
    CatchUpWithFile(list, path);
    const std::string shown = FormatFavourites(list);
    std::string data = shown;
    AboutFile(path, [&] {
        if (list.OnDisk.Exists && list.RestAt < list.OnDisk.Size)
            data += ReadFileFrom(path, list.RestAt);
        SaveFileAtomic(path, data);
    });
    list.OnDisk = FingerprintOfData(data);
    list.RestAt = shown.size();
    list.Changed = false;
    list.Deleted.clear();
}

std::string FormatFavourites(const FavouriteList& list)
{
    std::string out;
    for (unsigned i = 1; i <= list.Count && i <= MaxFavourites; ++i)
        out += list.Entry[i].Name + "\r\n" + list.Entry[i].Path + "\r\n";
    return out;
}

namespace {
std::string LastComponent(const std::string& path)
{
    const size_t cut = path.find_last_of("\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}
} // namespace

std::string DefaultFolderName(const std::string& path)
{
    if (path.size() >= 2 && path.compare(path.size() - 2, 2, ":\\") == 0)
        return path;
    return LastComponent(path);
}

std::string DefaultFileName(const std::string& path)
{
    return LastComponent(path);
}

std::string MenuCaption(const Favourite& entry)
{
    std::string caption;
    for (char c : entry.Name.empty() ? entry.Path : entry.Name) {
        if (c == '&')
            caption += '&';
        caption += c == '\t' ? ' ' : c;
    }
    return caption;
}

bool AddFavourite(FavouriteList& list, const std::string& path, const std::string& name)
{
    if (list.Count >= MaxFavourites)
        return false;
    Favourite& e = list.Entry[++list.Count];
    e.Path = path.substr(0, MaxFavouritePath);
    e.Name = name.substr(0, MaxFavouriteText);
    list.Changed = true;
    return true;
}

void DeleteFavourite(FavouriteList& list, int n)
{
    if (n < 1 || n > list.Count)
        return;
    list.Deleted.push_back(list.Entry[n]);
    list.Changed = true;
    for (int i = n; i < list.Count; ++i)
        list.Entry[i] = list.Entry[i + 1];
    list.Entry[list.Count] = {};
    --list.Count;
}

std::string FolderOf(const std::string& path)
{
    const size_t cut = path.find_last_of("\\:");
    if (cut == std::string::npos)
        return path;
    // A drive's root keeps its backslash: "C:" alone is the drive's current
    // folder, wherever that is.
    if (path[cut] == ':' || (cut >= 1 && path[cut - 1] == ':'))
        return path.substr(0, cut + 1) + (path[cut] == ':' ? "\\" : "");
    return path.substr(0, cut);
}

DropPlan PlanDrop(FavouriteKind kind, const std::vector<DroppedItem>& dropped, unsigned count)
{
    DropPlan plan;
    const unsigned room = count < MaxFavourites ? MaxFavourites - count : 0;
    const bool folders = kind == FavouriteKind::Folders;
    std::vector<std::string> seen;  // in lower case: Windows' names know no case
    for (const DroppedItem& item : dropped) {
        const std::string path = folders && !item.IsFolder ? FolderOf(item.Path) : item.Path;
        if (std::find(seen.begin(), seen.end(), LowerCase(path)) != seen.end())
            continue;
        seen.push_back(LowerCase(path));
        if (plan.Entries.size() >= room) {
            ++plan.Refused;
            continue;
        }
        plan.Entries.push_back({folders ? DefaultFolderName(path) : DefaultFileName(path), path});
    }
    return plan;
}

std::string RefusedDropText(unsigned refused)
{
    return std::to_string(refused) + (refused == 1 ? " dropped item was" : " dropped items were") +
           " not added: a list holds at most " + std::to_string(MaxFavourites) + " entries.";
}
