#include "ListEdit.h"

namespace {
std::string LastComponent(const std::string& path)
{
    const size_t cut = path.find_last_of("\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}
} // namespace

std::string DefaultDirName(const std::string& path)
{
    if (path.size() >= 2 && path.compare(path.size() - 2, 2, ":\\") == 0)
        return path;
    return LastComponent(path);
}

std::string DefaultFileName(const std::string& path)
{
    return LastComponent(path);
}

bool AddEntry(LaunchList& list, const std::string& path, const std::string& name)
{
    if (list.Count >= MaxEntries)
        return false;
    LaunchEntry& e = list.Slot[++list.Count];
    e.Path = path.substr(0, MaxEntryText);
    e.Name = name.substr(0, MaxEntryText);
    return true;
}

void DeleteEntry(LaunchList& list, int n)
{
    if (n < 1 || n > list.Count)
        return;
    for (int i = n; i < list.Count; ++i)
        list.Slot[i] = list.Slot[i + 1];
    list.Slot[list.Count] = {};
    --list.Count;
}
