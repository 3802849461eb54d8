// The button chooser's two lists: the buttons shown, in slot order, and the
// rest, in number order. Items are button numbers 1 to 8; the dialog shows
// their names.
#pragma once
#include <vector>

struct TIni;

extern const char* const ButtonNames[9];  // ButtonNames[1] ... [8]

struct ChooserLists {
    std::vector<int> Shown;   // ListBox1
    std::vector<int> Unused;  // ListBox2
};

// From the settings: slot by slot from 1 to numbut, buttons of a slot in
// number order (two buttons stored with one slot both come); a button whose
// slot is 0 or above numbut stays unused.
ChooserLists ChooserFill(const TIni& ini);
// Moves item `index` of `from` to the end of `to`; no item there: nothing.
void ChooserMove(std::vector<int>& from, std::vector<int>& to, int index);
// Deals out slots 1, 2, ... to the shown buttons from the top.
void ChooserApply(const std::vector<int>& shown, TIni& ini);
