// A list file may have been edited by hand or cut short by a full disk. Reading
// it from memory has nothing that may fail; the list must stay within its
// slots and texts, and saving it must give a file that reads back the same.
#include "model/Favourites.h"
#include "base/Files.h"

#include <vector>

namespace {
void Check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

std::vector<std::string> Read(const std::string& text, FavouriteList& list)
{
    list = FavouriteList();
    TextReader in = TextReader::FromMemory(text);
    ReadFavourites(list, in);
    Check(list.Count <= MaxFavourites);
    std::vector<std::string> texts;
    for (unsigned i = 1; i <= list.Count; ++i) {
        const Favourite& e = list.Entry[i];
        Check(e.Name.size() <= MaxFavouriteText && e.Path.size() <= MaxFavouritePath);
        texts.push_back(e.Name);
        texts.push_back(e.Path);
    }
    return texts;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FavouriteList list;
    const std::vector<std::string> first = Read(std::string(reinterpret_cast<const char*>(data), size), list);
    Check(Read(FormatFavourites(list), list) == first);
    return 0;
}
