// The button chooser's two lists: the buttons shown, in slot order, and the
// rest, in number order. Items are button numbers (see PanelButtons.h); the
// dialog shows their chooser names.
#pragma once
#include <vector>

struct Settings;

struct ChooserLists {
    std::vector<int> Shown;
    std::vector<int> Unused;
};

// From the settings: slot by slot from 1 to the slot count, buttons of a slot
// in number order (two buttons stored with one slot both come); a button
// whose slot is 0 or above the count stays unused.
ChooserLists ChooserFill(const Settings& settings);
// Moves item `index` of `from` to the end of `to`; no item there: nothing.
void ChooserMove(std::vector<int>& from, std::vector<int>& to, int index);
// Deals out slots 1, 2, ... to the shown buttons from the top.
void ChooserApply(const std::vector<int>& shown, Settings& settings);
