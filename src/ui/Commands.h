// Command identifiers of the program's menus, one per item. Other programs
// and the test driver send them as WM_COMMAND too: the values never change.
#pragma once

// The start button's main menu.
enum MainMenuCommand : unsigned {
    CmdAutoload = 100,             // "Autoloading"
    CmdChooseCdDrive = 101,        // "CD-ROM"
    CmdSkinsMenu = 102,            // "Skins"
    CmdStandardXpSkin = 103,       // "Standard XP"
    CmdClassicalXpSkin = 104,      // "Classical XP"
    CmdButtonXpSkin = 105,         // "Button XP"
    CmdClassicalWin98Skin = 106,   // "Classical Win98"
    CmdSkinsSeparator = 107,
    CmdDownloadSkins = 108,        // "Download from Bryndale"
    CmdChooseSkinFile = 109,       // "To choose..."
    CmdMonitorMenu = 110,          // "Monitor"
    CmdMonitorPowerOff = 111,      // "Power Off"
    CmdMonitorScreenSaver = 112,   // "Start of prompt"
    CmdChoosePanelButtons = 113,   // "Buttons"
    CmdAboutSeparator = 114,
    CmdAbout = 115,                // "About..."
    CmdExitSeparator = 116,
    CmdExit = 117,                 // "Exit"
};

// The panel's folder and program menus: the item at position p of a menu
// has the identifier base + p.
enum FavouritesMenuCommand : unsigned {
    CmdFolderMenu = 300,   // "Add dir", "Delete dir", separator, entries
    CmdProgramMenu = 400,  // "Add file", "Delete file", separator, entries
};
enum FavouritesMenuPosition : unsigned {
    AddPosition = 0,
    DeletePosition = 1,
    SeparatorPosition = 2,
    FirstEntryPosition = 3,  // entry n (1 to 20) stands at position n + 2
};
const unsigned MenuPositions = 23;
