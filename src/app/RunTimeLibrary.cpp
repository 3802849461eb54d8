// The C run-time library, msvcrt.dll, is not protected as a known library on
// every system the program runs on (Wine protects none): imported by name, a
// copy of it beside the program would be loaded, and its code run, before the
// program's first instruction. So the program imports nothing from it: its
// entry point loads the system's copy by full path, fills in the functions
// that the run time's start-up, the standard library and the program call,
// and only then starts the run time as usual. A function missing from the
// list below is imported by name again by the linker, which the exe check
// refuses.
#include <windows.h>

#include "../platform/Platform.h"

#define QV_RUN_TIME(X)                                                                                             \
    X(__getmainargs) X(__initenv) X(__p__acmdln) X(__p__commode) X(__p__fmode) X(__set_app_type)                   \
    X(__setusermatherr) X(_amsg_exit) X(_cexit) X(_initterm) X(_iob) X(_onexit) X(abort) X(calloc) X(exit)         \
    X(fprintf) X(free) X(fwrite) X(malloc) X(memchr) X(memcmp) X(memcpy) X(memmove) X(memset) X(realloc)         \
    X(signal) X(strcmp) X(strlen) X(strncmp) X(tolower) X(toupper) X(vfprintf) X(wcslen)

// Each function's import slot, in the order of the list, and a jump through
// it under the function's own name, as an import library would give them.
#define QV_SLOT(name) ".globl __imp__" #name "\n__imp__" #name ": .long 0\n"
#define QV_JUMP(name) ".globl _" #name "\n_" #name ": jmp *__imp__" #name "\n"
#define QV_NAME(name) #name "\0"

asm(".data\n.p2align 2\n_RunTimeSlots:\n" QV_RUN_TIME(QV_SLOT) ".text\n" QV_RUN_TIME(QV_JUMP));

extern "C" FARPROC RunTimeSlots[];
extern "C" int WinMainCRTStartup();

extern "C" void QuorvelStart()
{
    static const char names[] = QV_RUN_TIME(QV_NAME);
    const char* missing = "msvcrt.dll";
    if (const HMODULE crt = LoadSystemLibrary(missing)) {
        FARPROC* slot = RunTimeSlots;
        for (missing = names; *missing && (*slot++ = GetProcAddress(crt, missing)) != nullptr;)
            missing += lstrlenA(missing) + 1;
    }
    if (*missing) {
        MessageBoxA(nullptr, missing, "Quorvel", MB_OK | MB_ICONSTOP);
        ExitProcess(1);
    }
    ExitProcess(UINT(WinMainCRTStartup()));
}
