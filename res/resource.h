// Resource numbers, shared by the resource script and the code.
#pragma once
#define IDI_MAIN 1
#define IDB_START 100
#define IDC_HANDPOINT 101
// Panel buttons' own pictures, named by their rows (model/PanelButtons.cpp).
#define IDB_BTN1 201
#define IDB_BTN2 202
#define IDB_BTN3 203
#define IDB_BTN4 204
#define IDB_BTN5 205
#define IDB_BTN6 206
#define IDB_BTN7 207
#define IDB_BTN8 208
#define IDB_ABOUT 300
// The version, one place for the exe's version resource and the packages.
#define QV_VERSION_DOTS "2.1.0.0"
#define QV_VERSION_COMMAS 2, 1, 0, 0
