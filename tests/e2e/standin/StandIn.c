/* A library planted beside the program under a system library's name: when
   anything loads it, it leaves "<its own path>.loaded" and does no more. It
   needs no run-time library.
   The same library stands in where a scenario must see what the program
   asks of the system and Wine would do nothing visible: as the CD drive's
   MCI driver, and as a hook that sees the window commands a window is sent. */
#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>

static HINSTANCE Self;

/* Appends a line to "<its own path><suffix>". */
static void Note(const char* suffix, const char* line)
{
    char path[MAX_PATH + 16];
    const DWORD n = GetModuleFileNameA(Self, path, MAX_PATH);
    lstrcpyA(path + n, suffix);
    const HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written;
    WriteFile(file, line, (DWORD)lstrlenA(line), &written, NULL);
    CloseHandle(file);
}

BOOL WINAPI StandInMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        Self = self;
        char path[MAX_PATH + 8];
        const DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
        lstrcpyA(path + n, ".loaded");
        const HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (marker != INVALID_HANDLE_VALUE)
            CloseHandle(marker);
    }
    return TRUE;
}

/* The CD drive's driver: "<path>.mci" gets "open <element>", "door open" or
   "door closed", and "close"; every command succeeds. */
__declspec(dllexport) LRESULT WINAPI DriverProc(DWORD_PTR id, HDRVR driver, UINT message, LPARAM p1, LPARAM p2)
{
    (void)id;
    (void)driver;
    switch (message) {
    case DRV_LOAD:
    case DRV_ENABLE:
    case DRV_DISABLE:
    case DRV_FREE:
    case DRV_CLOSE:
        return 1;
    case DRV_OPEN:
        if (p2) {
            MCI_OPEN_DRIVER_PARMS* open = (MCI_OPEN_DRIVER_PARMS*)p2;
            open->wType = MCI_DEVTYPE_CD_AUDIO;
            open->wCustomCommandTable = MCI_NO_COMMAND_TABLE;
        }
        return 1;
    case MCI_OPEN_DRIVER: {
        char line[80] = "open ";
        const MCI_OPEN_PARMSW* open = (const MCI_OPEN_PARMSW*)p2;
        if ((p1 & MCI_OPEN_ELEMENT) && open && open->lpstrElementName) {
            int i = 0;
            for (; i < 64 && open->lpstrElementName[i]; ++i)
                line[5 + i] = (char)open->lpstrElementName[i];
            line[5 + i] = 0;
        }
        lstrcatA(line, "\r\n");
        Note(".mci", line);
        return 0;
    }
    case MCI_SET:
        if (p1 & MCI_SET_DOOR_OPEN)
            Note(".mci", "door open\r\n");
        if (p1 & MCI_SET_DOOR_CLOSED)
            Note(".mci", "door closed\r\n");
        return 0;
    case MCI_CLOSE_DRIVER:
        Note(".mci", "close\r\n");
        return 0;
    }
    return 0;
}

/* A WH_CALLWNDPROC hook: "<path>.commands" gets "monitor off" or "screen
   saver" for each such command any window is sent. */
__declspec(dllexport) LRESULT CALLBACK SeeWindowCommands(int code, WPARAM wp, LPARAM lp)
{
    const CWPSTRUCT* m = (const CWPSTRUCT*)lp;
    if (code == HC_ACTION && m->message == WM_SYSCOMMAND) {
        if ((m->wParam & 0xFFF0) == SC_MONITORPOWER && m->lParam == 2)
            Note(".commands", "monitor off\r\n");
        else if ((m->wParam & 0xFFF0) == SC_SCREENSAVE)
            Note(".commands", "screen saver\r\n");
    }
    return CallNextHookEx(NULL, code, wp, lp);
}
