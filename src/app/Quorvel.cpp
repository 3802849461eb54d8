// Program entry.
#include <windows.h>

#include <cstdlib>
#include <exception>

#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "../dialogs/TimerUnit.h"
#include "../lists/UnitName.h"
#include "../panel/UnPanel.h"
#include "MainUnit.h"

// The run time's own handler would print the exception's demangled type to a
// console Quorvel does not have, and brings a 46 KB demangler along; ours
// (set below) gives the Start button back instead.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx

namespace {
// However the program dies, the user keeps a Start button. Only the shell's
// windows are looked at: our own state may be what is broken.
void GiveStartButtonBack()
{
    HideStartButton(FindTaskbar(), false);
}

LPTOP_LEVEL_EXCEPTION_FILTER RunTimeFilter = nullptr;

LONG WINAPI Crashed(EXCEPTION_POINTERS* info)
{
    GiveStartButtonBack();
    // The run time's filter, then the system's own report.
    return RunTimeFilter ? RunTimeFilter(info) : EXCEPTION_CONTINUE_SEARCH;
}

void Terminated()
{
    GiveStartButtonBack();
    std::abort();
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // A second instance would take the first one's button for the Start
    // button and, at its exit, show the wrong window: it leaves at once.
    CreateMutexA(nullptr, FALSE, "Quorvel.StartButton");
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return 0;

    RunTimeFilter = SetUnhandledExceptionFilter(Crashed);
    std::set_terminate(Terminated);
    Application.Initialize(instance);
    TForm1 form1;
    Form1 = &form1;
    Application.CreateForm(form1);
    // The button is on screen, drawn, while the rest is made.
    form1.Show();
    UpdateWindow(form1.Handle);
    TTimerForm timerForm;
    TimerForm = &timerForm;
    Application.CreateForm(timerForm);
    TNameForm nameForm;
    NameForm = &nameForm;
    Application.CreateForm(nameForm);
    Form2.reset(new TForm2);
    Application.CreateForm(*Form2);
    AddExStyle(Application.Handle, WS_EX_TOOLWINDOW);
    Application.Run();
    Form2.reset();
    return 0;
}
