// The panel's buttons, one row each: everything the settings, the panel, the
// button chooser, the skin checker and the drawing tools know of a button
// besides its action. A new kind of button is a name at the end of the enum,
// a row at the end of the table, its drawing (tools/buttons.h, then run
// drawart and drawskins) and a case in the panel's actions.
#pragma once

// A button's number: its row, its "butN=" key in Settings.ini, and the order
// the chooser lists unused buttons in. New kinds go last, so that every
// stored number keeps its button.
enum PanelButton : int {
    CdTrayButton = 1,
    CloseQuorvelButton,
    CloseAllButton,
    MinimizeAllButton,
    FoldersButton,
    ProgramsButton,
    MonitorButton,
    TimerButton,
    PanelButtonEnd
};
const int PanelButtonCount = PanelButtonEnd - 1;

// Buttons of a fixed size are this wide and tall, whatever their picture.
const int FixedButtonSize = 24;

struct PanelButtonRow {
    const char* File;         // its picture in the skin folder
    const char* Hint;         // its tooltip
    const char* ChooserName;  // its line in the button chooser
    bool ActsOnPress;         // acts as it is pressed; the others as they are released
    bool FixedSize;           // FixedButtonSize square: a larger picture is cut off
    bool SeeThrough;          // the colour of its picture's lower-left pixel is not drawn
    bool Optional;            // a skin may do without its picture
};

// Indexed by PanelButton; element 0 is unused.
extern const PanelButtonRow PanelButtons[];

// The resource number of the program's own picture of a button, shown until
// a skin's replaces it (res/PanelButtons.rc, which drawart writes).
int OwnPicture(int button);
