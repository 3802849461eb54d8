// Command identifiers of the start button's main menu, one per item. The test
// driver sends them as WM_COMMAND too.
#pragma once

enum MainMenuId : unsigned {
    idN4 = 100,  // "Autoloading"
    idCDROM1,    // "CD-ROM"
    idN5,        // "Skins"
    idXP1,       // "Standard XP"
    idN7,        // "Classical XP"
    idXP2,       // "Button XP"
    idWin981,    // "Classical Win98"
    idSkinsLine,
    idBryndale1,  // "Download from Bryndale"
    idN9,         // "To choose..."
    idN10,        // "Monitor"
    idN11,        // "Power Off"
    idN12,        // "Start of prompt"
    idN13,        // "Buttons"
    idN3,
    idN2,  // "About..."
    idN6,
    idN1,  // "Exit"
};
