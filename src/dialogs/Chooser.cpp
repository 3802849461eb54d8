#include "Chooser.h"

#include <algorithm>

#include "../app/Settings.h"

const char* const ButtonNames[9] = {"",           "CD-ROM",    "Close Quorvel", "Close all windows",
                                    "Minimize all windows", "Open folders", "Open files",
                                    "Monitor",    "Timer"};

ChooserLists ChooserFill(const TIni& ini)
{
    ChooserLists lists;
    for (int k = 1; k <= 8; ++k)
        lists.Unused.push_back(k);
    for (int s = 1; s <= ini.numbut; ++s)
        for (int k = 1; k <= 8; ++k)
            if (ini.but[k] == s) {
                lists.Unused.erase(std::find(lists.Unused.begin(), lists.Unused.end(), k));
                lists.Shown.push_back(k);
            }
    return lists;
}

void ChooserMove(std::vector<int>& from, std::vector<int>& to, int index)
{
    if (index < 0 || size_t(index) >= from.size())
        return;
    to.push_back(from[size_t(index)]);
    from.erase(from.begin() + index);
}

void ChooserApply(const std::vector<int>& shown, TIni& ini)
{
    ini.numbut = 0;
    for (int k = 1; k <= 8; ++k)
        ini.but[k] = 0;
    for (int k : shown)
        ini.but[k] = ++ini.numbut;
}
