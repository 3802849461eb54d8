// Controls placed by the size of their texts in the system's font, which
// grows with the screen's dots per inch (see model/TextFlow.h).
#pragma once
#include <vector>

#include "../model/TextFlow.h"
#include "Controls.h"

// A control's text as an item of a flow whose lines begin at `left` and end
// at `right` at most.
FlowItem TextItem(const Control& control, int left, int right, int gap, bool follows = false);
// Moves each control to the place the flow gives its item, at the item's
// size; the items past the controls, or for a null one, only take room.
void PlaceControls(const std::vector<Control*>& controls, const std::vector<FlowItem>& items, const Flow& flow);
