// Controls placed by the size of their texts in the system's font, which
// grows with the screen's dots per inch (see model/TextFlow.h). A dialog
// keeps its own size and places where they hold its texts, and grows where
// they do not.
#pragma once
#include <vector>

#include "../model/TextFlow.h"
#include "Controls.h"
#include "Form.h"

// The share of their room the lines of a flow keep at least, in percent,
// before a dialog grows.
const int KeptGapPercent = 50;

// A control's text as an item of a flow whose lines begin at `left` and end
// at `right` at most.
FlowItem TextItem(const Control& control, int left, int right, int gap, bool follows = false);
// Moves each control to the place the flow gives its item, at the item's
// size; the items past the controls, or for a null one, only take room.
void PlaceControls(const std::vector<Control*>& controls, const std::vector<FlowItem>& items, const Flow& flow);

// Its text on one line, in its font.
SIZE OneLine(const Control& control);
// The height of a line in the control's font.
int LineHeight(const Control& control);
// The width of a plain ASCII text on one line in the control's font.
int TextWidth(const Control& control, const char* text);
// Its height as the system made it (a drop-down list's closed field).
int HeightOf(const Control& control);
// A push button's size: `width` × `height`, or more where its text needs it;
// and its height alone, for a line of `control`'s font.
SIZE ButtonSize(const Control& button, int width, int height);
int ButtonHeight(const Control& control, int height);
// An edit field's height: `height`, or more where a line of `control`'s
// font needs it.
int FieldHeight(const Control& control, int height);
// A list's rows: `height`, or more where a line of its font needs it.
int RowHeight(const Control& list, int height);
// The client area made at least `width` × `height`. A centred form stays
// centred; a grown form is kept on the screen.
void GrowClient(Form& form, int width, int height, bool centred);
