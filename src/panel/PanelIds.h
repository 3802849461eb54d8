// Command identifiers of the panel's folder and program menus: position p of
// a menu (0 = add, 1 = delete, 2 = separator, 3 ... 22 = entries 1 ... 20)
// has the identifier base + p.
#pragma once

enum PanelMenuId : unsigned {
    idOpenDir = 300,  // N1 "Add dir", N3 "Delete dir", N2, N11 ... N201
    idOpenApp = 400,  // MenuItem1 "Add file", N4 "Delete file", MenuItem2, MenuItem3 ... MenuItem22
};

const unsigned MenuPositions = 23;
