// Resource numbers, shared by the resource script and the code.
#pragma once
#define IDI_MAIN 1
#define IDB_START 100
#define IDC_HANDPOINT 101
