// Whether a dialog's texts show whole, in the font the program makes for
// them, at the screen's dots per inch.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A text of the program's own (Windows-1251 bytes) and its font: "MS Sans
// Serif" at `points`, bold or underlined as given.
struct ShownText {
    std::string Text;
    bool Bold = false;
    bool Underline = false;
    int Points = 8;
};

// Every label and button of `dialog` is one of `texts`, each is there, each
// lies inside the client area and overlaps no other (a group box holds its
// own), each text fits its control as the control draws it, and its last
// character has pixels on the screen. The other controls too lie inside and
// overlap nothing (an up-down control sits on its field's edge), and hold a
// line of the 8-point font: a list's rows, and the lines it holds as wide as
// it draws them; an edit field, and a number field the largest number of its
// range.
void ExpectTextsWhole(HWND dialog, const std::vector<ShownText>& texts);
