#include "TimerUnit.h"

#include "../app/MainUnit.h"
#include "../app/Settings.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"

TTimerForm* TimerForm = nullptr;

namespace {
enum : UINT { idSpinEdit1 = 100, idButton1, idButton2 };
const UINT_PTR Timer1 = 1;
const UINT Timer1Interval = 60000;
const char* const ButtonCaption[2] = {"Start", "Stop"};
} // namespace

TTimerForm::TTimerForm() : TForm("TTimerForm")
{
    DialogFrame("Timer", 214, 64);
    ActivateOnShow = true;
}

LRESULT TTimerForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_TIMER:
        if (wParam == Timer1)
            Timer1Timer();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case idButton1: Button1Click(); return 0;
        case idButton2: Button2Click(); return 0;
        case idSpinEdit1:
            if (HIWORD(wParam) == EN_CHANGE)
                SpinEdit1Change();
            else if (HIWORD(wParam) == EN_KILLFOCUS)
                SpinEdit1Exit();
            return 0;
        }
        return 0;
    }
    return TForm::WndProc(msg, wParam, lParam);
}

void TTimerForm::FormCreate()
{
    SetTimer1(false);
}

// The controls come with the first showing: the arrows need the common
// controls, which Quorvel does not load before they are wanted.
void TTimerForm::FormShow()
{
    if (Label1.Handle)
        return;
    Label1.Create(Handle, "Power off a computer through (In minutes)", 8, 8, 200, 13);
    SpinEdit1.Create(Handle, 8, 30, 57, 22, idSpinEdit1, SpinMin, SpinMax);
    Button1.Create(Handle, ButtonCaption[0], 72, 28, 65, 25, idButton1);
    Button2.Create(Handle, "Hide", 142, 28, 65, 25, idButton2);
    SpinEdit1.SetText(State.Field);
}

void TTimerForm::SetTimer1(bool enabled)
{
    // Stopping first makes a fresh start wait a whole minute.
    KillTimer(Handle, Timer1);
    if (enabled)
        SetTimer(Handle, Timer1, Timer1Interval, nullptr);
}

// "Start" / "Stop"
void TTimerForm::Button1Click()
{
    State.Toggle();
    Button1.SetText(ButtonCaption[State.Running]);
    SetTimer1(State.Running);
}

// "Hide": the count goes on.
void TTimerForm::Button2Click()
{
    Hide();
}

void TTimerForm::SpinEdit1Change()
{
    State.FieldChanged(SpinEdit1.Text());
}

void TTimerForm::SpinEdit1Exit()
{
    const std::string text = SpinEdit1.Text();
    const std::string clamped = SpinLeave(text);
    if (clamped != text)
        SpinEdit1.SetText(clamped);
}

void TTimerForm::Timer1Timer()
{
    // A stray timer message while idle (none comes from the timer itself)
    // must not start a countdown of its own.
    if (!State.Running)
        return;
    const bool due = State.Tick();
    if (SpinEdit1.Text() != State.Field)
        SpinEdit1.SetText(State.Field);
    if (due)
        ShutDownComputer();
}

std::string GetOSVersionText()
{
    OSVERSIONINFOA v;
    const bool ok = QueryOsVersion(v);
    return OsVersionText(ok, v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber, v.szCSDVersion);
}

void ShutDownComputer()
{
    if (GetOSVersionText().rfind("Windows NT", 0) == 0) {
        if (const char* failed = EnableShutdownPrivilege()) {
            TApplication::Box(nullptr, "Exit Error", failed, MB_OK);
            return;
        }
    }
    // A forced shutdown ends Quorvel without its close handler: save now and
    // give the Start button back. A failed save must not keep on a computer
    // the user asked to power off.
    try {
        WriteSettings();
    } catch (const std::exception&) {
    }
    Form1->Pusk(true);
    if (!ShutDownForced())
        Form1->Pusk(false);  // refused: Quorvel goes on in the taskbar
}
