// Resource numbers, shared by the resource script and the code.
#pragma once
#define IDI_MAIN 1
#define IDB_START 100
#define IDC_HANDPOINT 101
// Panel button k's own picture is IDB_PANEL_BUTTONS + k: PanelButtons.rc,
// which tools/drawart writes from the button table, holds them.
#define IDB_PANEL_BUTTONS 200
#define IDB_ABOUT 300
// The version, one place for the exe's version resource and the packages.
#define QV_VERSION_DOTS "2.1.0.0"
#define QV_VERSION_COMMAS 2, 1, 0, 0
