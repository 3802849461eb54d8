// Where a dialog's texts and controls go when their sizes come from the
// system's font: in lines from the top down, a text after the one before it
// while there is room on the line, below it where there is not. The room
// between lines shrinks evenly when the lines would not fit the height.
#pragma once
#include <vector>

struct FlowItem {
    int Width = 0, Height = 0;
    int Gap = 0;           // room above it, when it begins a line
    bool Follows = false;  // on the line of the item before it, when it fits
    int Left = 0;          // where it begins a line
};

struct FlowPlace {
    int X = 0, Y = 0;
};

struct Flow {
    std::vector<FlowPlace> Places;  // one for each item
    bool Shrunk = false;            // the gaps were made smaller
    int Bottom = 0;                 // below the last line
};

// Lines begin at `top`; an item that follows stays on the line while it ends
// at `right` or before. When the last line would end below `bottom`, every
// gap is cut by the same share, but to no less than `keptPercent` of itself
// (to nothing, if need be); the flow then ends below `bottom`, and a dialog
// grows to its Bottom.
Flow LayOutFlow(const std::vector<FlowItem>& items, int top, int right, int bottom, int keptPercent = 0);
