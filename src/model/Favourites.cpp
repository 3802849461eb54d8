#include "Favourites.h"

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
        e.Path = in.ReadLine(LineRule::CrDropped, MaxFavouriteText);
    }
}

void LoadFavourites(FavouriteList& list, const std::string& path)
{
    list.Count = 0;
    list.Loaded = false;
    if (!FileExists(path)) {
        CreateEmptyFile(path);
    } else {
        TextReader in(path);
        ReadFavourites(list, in);
    }
    list.Loaded = true;
}

std::string FormatFavourites(const FavouriteList& list)
{
    std::string out;
    for (unsigned i = 1; i <= list.Count && i <= MaxFavourites; ++i)
        out += list.Entry[i].Name + "\r\n" + list.Entry[i].Path + "\r\n";
    return out;
}

void SaveFavourites(const FavouriteList& list, const std::string& path)
{
    SaveFileAtomic(path, FormatFavourites(list));
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

bool AddFavourite(FavouriteList& list, const std::string& path, const std::string& name)
{
    if (list.Count >= MaxFavourites)
        return false;
    Favourite& e = list.Entry[++list.Count];
    e.Path = path.substr(0, MaxFavouriteText);
    e.Name = name.substr(0, MaxFavouriteText);
    return true;
}

void DeleteFavourite(FavouriteList& list, int n)
{
    if (n < 1 || n > list.Count)
        return;
    for (int i = n; i < list.Count; ++i)
        list.Entry[i] = list.Entry[i + 1];
    list.Entry[list.Count] = {};
    --list.Count;
}
