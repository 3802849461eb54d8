// A taskbar that behaves like Windows XP's where Quorvel is concerned: a
// topmost "Shell_TrayWnd" along the bottom of the screen, 30 pixels high, whose
// first child is the Start button and whose second is the task band. The
// Start button writes every message it receives to a log, one line each
// ("msg wParam lParam"); when it is shown it also records whether a watched
// file existed at that moment ("show 1 exists=0|1").
//
// Two registered messages, posted to the taskbar, play what Explorer does:
// "QuorvelTest.Restart" destroys the taskbar, makes a new one and broadcasts
// "TaskbarCreated", as after a crash of Explorer; "QuorvelTest.ShowStart"
// shows the Start button again, as after a change of the taskbar's settings.
//
// Usage: TestTaskbar.exe <log file> <watched file>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
FILE* Log = nullptr;
std::string Watched;
WNDPROC ButtonProc = nullptr;

LRESULT CALLBACK StartProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    fprintf(Log, "%04x %08lx %08lx\n", msg, (unsigned long)wParam, (unsigned long)lParam);
    if (msg == WM_SHOWWINDOW) {
        const bool exists = GetFileAttributesA(Watched.c_str()) != INVALID_FILE_ATTRIBUTES;
        fprintf(Log, "show %d exists=%d\n", int(wParam != 0), int(exists));
    }
    fflush(Log);
    return CallWindowProcA(ButtonProc, wnd, msg, wParam, lParam);
}

const UINT Restart = RegisterWindowMessageA("QuorvelTest.Restart");
const UINT ShowStart = RegisterWindowMessageA("QuorvelTest.ShowStart");
bool Restarting = false;
HWND StartButton = nullptr;

HWND MakeTaskbar(HINSTANCE instance);

LRESULT CALLBACK TrayProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY && !Restarting)
        PostQuitMessage(0);
    if (msg == ShowStart) {
        // Windows reports every window shown to those who watch; Wine 8 does
        // not, so the taskbar reports it itself, as the system would.
        ShowWindow(StartButton, SW_SHOW);
        NotifyWinEvent(EVENT_OBJECT_SHOW, StartButton, OBJID_WINDOW, CHILDID_SELF);
    }
    if (msg == Restart) {
        Restarting = true;
        DestroyWindow(wnd);
        Restarting = false;
        fprintf(Log, "restarted\n");
        MakeTaskbar(GetModuleHandleA(nullptr));
        SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

HWND MakeTaskbar(HINSTANCE instance)
{
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    HWND tray = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP | WS_CLIPCHILDREN,
                                0, sh - 30, sw, 30, nullptr, nullptr, instance, nullptr);
    // Children created with a parent go to the bottom of their siblings, so the
    // Start button, created last, would not be first: create the band first.
    CreateWindowExA(0, "Static", "task band", WS_CHILD | WS_VISIBLE | SS_CENTER, 60, 2, sw - 60, 26, tray, nullptr,
                    instance, nullptr);
    HWND start = CreateWindowExA(0, "Button", "start", WS_CHILD | BS_PUSHBUTTON, 0, 0, 56, 30, tray, nullptr,
                                 instance, nullptr);
    SetWindowPos(start, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    StartButton = start;
    ButtonProc = WNDPROC(SetWindowLongPtrA(start, GWLP_WNDPROC, LONG_PTR(StartProc)));
    ShowWindow(start, SW_SHOW);
    ShowWindow(tray, SW_SHOWNA);
    return tray;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc < 3)
        return 2;
    Log = fopen(__argv[1], "w");
    Watched = __argv[2];
    if (!Log)
        return 3;

    WNDCLASSA wc = {};
    wc.lpfnWndProc = TrayProc;
    wc.hInstance = instance;
    wc.hbrBackground = CreateSolidBrush(RGB(36, 94, 220));
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    MakeTaskbar(instance);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    fclose(Log);
    return 0;
}
