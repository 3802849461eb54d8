/* A library planted beside the program under a system library's name: when
   anything loads it, it leaves "<its own path>.loaded" and does no more. It
   needs no run-time library. */
#include <windows.h>

BOOL WINAPI StandInMain(HINSTANCE self, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH + 8];
        const DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
        lstrcpyA(path + n, ".loaded");
        const HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (marker != INVALID_HANDLE_VALUE)
            CloseHandle(marker);
    }
    return TRUE;
}
