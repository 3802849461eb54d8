#include "ButtonChooser.h"

#include <algorithm>

#include "Settings.h"

ChooserLists ChooserFill(const Settings& settings)
{
    ChooserLists lists;
    for (int k = 1; k <= PanelButtonCount; ++k)
        lists.Unused.push_back(k);
    for (int s = 1; s <= settings.ButtonCount; ++s)
        for (int k = 1; k <= PanelButtonCount; ++k)
            if (settings.ButtonSlot[k] == s) {
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

void ChooserApply(const std::vector<int>& shown, Settings& settings)
{
    settings.ButtonCount = 0;
    for (int k = 1; k <= PanelButtonCount; ++k)
        settings.ButtonSlot[k] = 0;
    for (int k : shown)
        settings.ButtonSlot[k] = ++settings.ButtonCount;
}
