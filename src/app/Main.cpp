// Program entry, and the Start button given back however the program dies.
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>

#include "../model/CommandLine.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "../ui/Program.h"

namespace {
// Only the shell's windows are looked at: our own state may be what is
// broken. Every taskbar's, as each monitor's has a button of ours.
void GiveStartButtonBack()
{
    HideEveryStartButton(false);
}

LPTOP_LEVEL_EXCEPTION_FILTER RunTimeFilter = nullptr;

LONG WINAPI Crashed(EXCEPTION_POINTERS* info)
{
    GiveStartButtonBack();
    // The run time's filter, then the system's own report.
    return RunTimeFilter ? RunTimeFilter(info) : EXCEPTION_CONTINUE_SEARCH;
}

void EndUncaught()
{
    GiveStartButtonBack();
    std::abort();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    ProtectLibrarySearch();
    // A second instance would take the first one's button for the Start
    // button and, at its exit, show the wrong window: it leaves at once.
    CreateMutexA(nullptr, FALSE, "Quorvel.StartButton");
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return 0;
    // "/restore": for a script or a shortcut after Quorvel was killed, the
    // Start button back and nothing else.
    if (IsRestoreSwitch(commandLine)) {
        GiveStartButtonBack();
        return 0;
    }

    RunTimeFilter = SetUnhandledExceptionFilter(Crashed);
    std::set_terminate(EndUncaught);
    Program program;
    TheApplication.Initialize(program);
    program.Run();
    return 0;
}
