// A taskbar shaped like one Windows generation's, where Quorvel is concerned.
//
// "xp" (the default) behaves like Windows XP's: a topmost "Shell_TrayWnd"
// along the bottom of the screen, 30 pixels high, whose first child is the
// Start button and whose second is the task band. The later shapes carry the
// children (class names, places) of their generation's taskbar, 40 or 48
// pixels high:
//   win7   children TrayNotifyWnd, ReBarWindow32; the Start orb a top-level
//          "Button" of the taskbar's thread, owned by the taskbar;
//   win8   children TrayNotifyWnd, ReBarWindow32, TrayButton; no Start window;
//   win10  children Start, TrayDummySearchControl, TrayButton, ReBarWindow32,
//          TrayNotifyWnd, and a secondary taskbar ("Shell_SecondaryTrayWnd",
//          at the bottom of the second monitor, or along the top of the
//          screen where there is one monitor) with a Start of its own;
//   win11  children Start, ReBarWindow32, TrayNotifyWnd and a
//          DesktopWindowContentBridge over the whole taskbar.
// "reverse" after the shape makes the children in the opposite order: no
// source pins the order down.
//
// Every part is named by its caption ("start", "band", "notify", ...) and
// logs each time it is shown or hidden ("<name> show 1|0") and each mouse
// press it receives ("<name> click"). The Start button also writes every
// message it receives ("msg wParam lParam"); when it is shown it records
// whether a watched file existed at that moment ("show 1 exists=0|1"). The
// Start menu asked of the taskbar (WM_SYSCOMMAND SC_TASKLIST, as the Start
// key asks it) is logged as "menu tasklist".
//
// Two registered messages, posted to the taskbar, play what Explorer does:
// "QuorvelTest.Restart" destroys the taskbar, makes a new one and broadcasts
// "TaskbarCreated", as after a crash of Explorer (the later shapes, which
// build their Start window lazily, make it 500 ms after the broadcast);
// "QuorvelTest.ShowStart" shows the Start button again, as after a change of
// the taskbar's settings. "QuorvelTest.Second" destroys the secondary
// taskbar (wParam 0) or makes one (1), as Explorer does when a monitor goes
// or comes.
//
// Moving, as the user or Windows moves a taskbar (each move reported as a
// location change, as Windows reports every window's moves; Wine 8 reports
// none of its own):
// "QuorvelTest.Follow.Edge" puts the taskbar at an edge of the screen
// (wParam 0 bottom, 1 top, 2 left, 3 right), lParam pixels thick (0: the
// shape's own); "QuorvelTest.Follow.Slide" slides it out of sight but for
// two pixels (wParam 1) and back (0), in steps, as an auto-hiding taskbar
// does; after a display change it goes to the same edge of the new screen.
// "QuorvelTest.Follow.FullScreen" opens (wParam 1) a window of this process
// in front and makes it fill the screen, or closes it (0); with lParam 1 it
// is made full screen at once and nothing is reported, as under Wine alone.
//
// "TestTaskbar.exe --full-screen" is instead another program that fills the
// screen from the front; posted "QuorvelTest.FullScreen.Leave", its window
// closes (wParam 0), hides (1) or minimises (2), and with lParam 1 reports it
// as Windows would, which Wine 8 does not.
//
// Usage: TestTaskbar.exe <log file> <watched file> [shape [reverse]]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
FILE* Log = nullptr;
std::string Watched;
std::string Shape = "xp";
bool Reverse = false;
WNDPROC ButtonProc = nullptr;

void LogPart(HWND wnd, UINT msg, LPARAM lParam)
{
    char name[64] = "";
    GetWindowTextA(wnd, name, sizeof name);
    if (msg == WM_WINDOWPOSCHANGED) {
        const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
        if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))
            fprintf(Log, "%s show %d\n", name, int((flags & SWP_SHOWWINDOW) != 0));
    }
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN)
        fprintf(Log, "%s click\n", name);
    fflush(Log);
}

LRESULT CALLBACK StartProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    fprintf(Log, "%04x %08lx %08lx\n", msg, (unsigned long)wParam, (unsigned long)lParam);
    if (msg == WM_SHOWWINDOW) {
        const bool exists = GetFileAttributesA(Watched.c_str()) != INVALID_FILE_ATTRIBUTES;
        fprintf(Log, "show %d exists=%d\n", int(wParam != 0), int(exists));
    }
    LogPart(wnd, msg, lParam);
    return CallWindowProcA(ButtonProc, wnd, msg, wParam, lParam);
}

// The later shapes' own windows: a plain colour each, so that a screenshot
// shows which part is where.
LRESULT CALLBACK PartProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LogPart(wnd, msg, lParam);
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(wnd, &r);
        const COLORREF colour = COLORREF(GetWindowLongPtrA(wnd, GWLP_USERDATA));
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(HDC(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

const UINT Restart = RegisterWindowMessageA("QuorvelTest.Restart");
const UINT ShowStart = RegisterWindowMessageA("QuorvelTest.ShowStart");
const UINT Second = RegisterWindowMessageA("QuorvelTest.Second");
const UINT_PTR LateStart = 1;
bool Restarting = false;
HWND StartButton = nullptr;
HWND SecondTaskbar = nullptr;

HWND MakeTaskbar(HINSTANCE instance, bool startLater);
void MakeStart(HWND tray);
void MakeSecondary();
int Height();

// Where the taskbar stands, and the full-screen program.
const UINT FollowEdge = RegisterWindowMessageA("QuorvelTest.Follow.Edge");
const UINT FollowSlide = RegisterWindowMessageA("QuorvelTest.Follow.Slide");
const UINT FollowFullScreen = RegisterWindowMessageA("QuorvelTest.Follow.FullScreen");
enum { Bottom, Top, Left, Right };
int Edge = Bottom;
int Thickness = 0;  // 0: the shape's own
HWND FullScreenWindow = nullptr;

RECT EdgePlace()
{
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const int t = Thickness ? Thickness : Height();
    switch (Edge) {
    case Top: return {0, 0, sw, t};
    case Left: return {0, 0, t, sh};
    case Right: return {sw - t, 0, sw, sh};
    default: return {0, sh - t, sw, sh};
    }
}

void MoveTaskbar(HWND tray, const RECT& r)
{
    SetWindowPos(tray, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, tray, OBJID_WINDOW, CHILDID_SELF);
}

// From in sight to two pixels on screen (or back), in a few steps.
void Slide(HWND tray, bool away)
{
    const RECT home = EdgePlace();
    const int w = home.right - home.left, h = home.bottom - home.top;
    const int dx = Edge == Left ? -(w - 2) : Edge == Right ? w - 2 : 0;
    const int dy = Edge == Top ? -(h - 2) : Edge == Bottom ? h - 2 : 0;
    const int steps = 5;
    for (int i = 1; i <= steps; ++i) {
        const int k = away ? i : steps - i;
        RECT r = home;
        OffsetRect(&r, dx * k / steps, dy * k / steps);
        MoveTaskbar(tray, r);
        Sleep(15);
    }
}

LRESULT CALLBACK FullScreenProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    static const UINT leave = RegisterWindowMessageA("QuorvelTest.FullScreen.Leave");
    if (msg == leave) {
        const DWORD event[] = {EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE, EVENT_SYSTEM_MINIMIZESTART};
        if (wParam == 0)
            DestroyWindow(wnd);
        else
            ShowWindow(wnd, wParam == 1 ? SW_HIDE : SW_MINIMIZE);
        if (lParam && wParam < 3)
            NotifyWinEvent(event[wParam], wnd, OBJID_WINDOW, CHILDID_SELF);
        return 0;
    }
    if (msg == WM_DESTROY && GetWindowLongPtrA(wnd, GWLP_USERDATA))
        PostQuitMessage(0);
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(wnd, &r);
        HBRUSH brush = CreateSolidBrush(RGB(0, 160, 0));
        FillRect(HDC(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

// Windows reports the new window in front; Wine 8 does not, so it is
// reported here, as the system would.
void ReportFront()
{
    NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, GetForegroundWindow(), OBJID_WINDOW, CHILDID_SELF);
}

// Opened as a window in front first, then made full screen in place, as a
// video player does: the program in front changes its size, not the front.
void ShowFullScreen(bool show, bool reported)
{
    if (show && !FullScreenWindow) {
        const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
        FullScreenWindow = reported ? CreateWindowExA(0, "FullScreenProgram", "full screen", WS_POPUP, sw / 4, sh / 4,
                                                      sw / 2, sh / 2, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)
                                    : CreateWindowExA(0, "FullScreenProgram", "full screen", WS_POPUP, 0, 0, sw, sh,
                                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ShowWindow(FullScreenWindow, SW_SHOW);
        SetForegroundWindow(FullScreenWindow);
        if (!reported)
            return;
        ReportFront();
        Sleep(500);
        SetWindowPos(FullScreenWindow, nullptr, 0, 0, sw, sh, SWP_NOZORDER);
        NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, FullScreenWindow, OBJID_WINDOW, CHILDID_SELF);
        UpdateWindow(FullScreenWindow);
        return;
    }
    if (!show && FullScreenWindow) {
        DestroyWindow(FullScreenWindow);
        FullScreenWindow = nullptr;
    }
    if (reported)
        ReportFront();
}

// Messages that move the taskbar or bring the full-screen window; false for
// any other.
bool Moved(HWND tray, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == FollowEdge) {
        Edge = int(wParam);
        Thickness = int(lParam);
        MoveTaskbar(tray, EdgePlace());
    } else if (msg == FollowSlide) {
        Slide(tray, wParam != 0);
    } else if (msg == WM_DISPLAYCHANGE) {
        MoveTaskbar(tray, EdgePlace());
    } else if (msg == FollowFullScreen) {
        ShowFullScreen(wParam != 0, lParam == 0);
    } else {
        return false;
    }
    return true;
}

LRESULT CALLBACK TrayProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY && !Restarting)
        PostQuitMessage(0);
    if (Moved(wnd, msg, wParam, lParam))
        return 0;
    if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_TASKLIST) {
        fprintf(Log, "menu tasklist\n");
        fflush(Log);
        return 0;
    }
    if (msg == WM_TIMER && wParam == LateStart) {
        KillTimer(wnd, LateStart);
        MakeStart(wnd);
        return 0;
    }
    if (msg == ShowStart) {
        // Windows reports every window shown to those who watch; Wine 8 does
        // not, so the taskbar reports it itself, as the system would.
        ShowWindow(StartButton, SW_SHOW);
        NotifyWinEvent(EVENT_OBJECT_SHOW, StartButton, OBJID_WINDOW, CHILDID_SELF);
    }
    if (msg == Second) {
        // Reported, as Windows reports every window destroyed; Wine 8 does not.
        if (!wParam && SecondTaskbar) {
            DestroyWindow(SecondTaskbar);
            NotifyWinEvent(EVENT_OBJECT_DESTROY, SecondTaskbar, OBJID_WINDOW, CHILDID_SELF);
        }
        if (!wParam)
            SecondTaskbar = nullptr;
        else if (!SecondTaskbar)
            MakeSecondary();
        return 0;
    }
    if (msg == Restart) {
        Restarting = true;
        DestroyWindow(wnd);
        Restarting = false;
        fprintf(Log, "restarted\n");
        MakeTaskbar(GetModuleHandleA(nullptr), Shape != "xp");
        SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

struct Part {
    const char* Class;
    const char* Name;
    int Left, Width;  // a negative left counts from the right end
    COLORREF Colour;
};

HWND MakePart(HWND parent, const Part& p, int height)
{
    RECT r;
    GetClientRect(parent, &r);
    const int left = p.Left < 0 ? r.right + p.Left : p.Left;
    const int width = p.Width ? p.Width : r.right - left;
    HWND w = CreateWindowExA(0, p.Class, p.Name, WS_CHILD | WS_CLIPSIBLINGS, left, 0, width, height, parent,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(w, GWLP_USERDATA, LONG_PTR(p.Colour));
    ShowWindow(w, SW_SHOWNA);
    return w;
}

int Height()
{
    return Shape == "xp" ? 30 : Shape == "win11" ? 48 : 40;
}

// The parts after the Start window, in the order they are made.
std::vector<Part> Parts()
{
    std::vector<Part> parts;
    if (Shape == "win7" || Shape == "win8")
        parts = {{"ReBarWindow32", "band", 60, -260, RGB(40, 60, 90)},
                 {"TrayNotifyWnd", "notify", -200, 200, RGB(20, 30, 50)}};
    if (Shape == "win8")
        parts.push_back({"TrayButton", "taskview", -260, 60, RGB(70, 70, 120)});
    if (Shape == "win10")
        parts = {{"TrayDummySearchControl", "search", 48, 300, RGB(230, 230, 230)},
                 {"TrayButton", "taskview", 348, 48, RGB(70, 70, 120)},
                 {"ReBarWindow32", "band", 396, -200, RGB(40, 60, 90)},
                 {"TrayNotifyWnd", "notify", -200, 200, RGB(20, 30, 50)}};
    if (Shape == "win11")
        parts = {{"ReBarWindow32", "band", 400, -200, RGB(40, 60, 90)},
                 {"TrayNotifyWnd", "notify", -200, 200, RGB(20, 30, 50)}};
    for (Part& p : parts)
        if (p.Width < 0)  // up to that far from the right end
            p.Width = GetSystemMetrics(SM_CXSCREEN) + p.Width - p.Left;
    return parts;
}

HWND SubclassedButton(HWND w)
{
    ButtonProc = WNDPROC(SetWindowLongPtrA(w, GWLP_WNDPROC, LONG_PTR(StartProc)));
    return w;
}

void MakeStart(HWND tray)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (Shape == "win7") {
        // Taller than the taskbar and standing out above it, as the orb does.
        RECT r;
        GetWindowRect(tray, &r);
        StartButton = SubclassedButton(CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Button", "start",
                                                       WS_POPUP | BS_PUSHBUTTON, r.left, r.top - 6, 54, 46, tray,
                                                       nullptr, instance, nullptr));
        ShowWindow(StartButton, SW_SHOWNA);
    } else if (Shape == "win10" || Shape == "win11") {
        StartButton = MakePart(tray, {"Start", "start", Shape == "win11" ? 352 : 0, 48, RGB(0, 120, 215)}, Height());
        // Under the bridge, whatever order the rest was made in.
        if (Shape == "win11")
            SetWindowPos(StartButton, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

BOOL CALLBACK TakeOtherMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        return TRUE;
    *reinterpret_cast<RECT*>(found) = info.rcMonitor;
    return FALSE;
}

// At the bottom of the second monitor as Windows puts it; with one monitor
// along the top of the screen, a taskbar in the way of nothing.
RECT SecondaryPlace()
{
    RECT monitor = {};
    EnumDisplayMonitors(nullptr, nullptr, TakeOtherMonitor, LPARAM(&monitor));
    if (IsRectEmpty(&monitor))
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), 40};
    return {monitor.left, monitor.bottom - 40, monitor.right, monitor.bottom};
}

// Made, then placed and shown, its place reported as Windows reports it.
void MakeSecondary()
{
    const RECT r = SecondaryPlace();
    SecondTaskbar = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_SecondaryTrayWnd", "second", WS_POPUP,
                                    r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    MakePart(SecondTaskbar, {"Start", "second start", 0, 48, RGB(0, 120, 215)}, 40);
    MakePart(SecondTaskbar, {"ReBarWindow32", "second band", 48, 0, RGB(40, 60, 90)}, 40);
    ShowWindow(SecondTaskbar, SW_SHOWNA);
    MoveTaskbar(SecondTaskbar, r);
}

HWND MakeTaskbar(HINSTANCE instance, bool startLater)
{
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const int h = Height();
    HWND tray = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP | WS_CLIPCHILDREN,
                                0, sh - h, sw, h, nullptr, nullptr, instance, nullptr);
    if (Shape == "xp") {
        // Children created with a parent go to the bottom of their siblings, so
        // the Start button, created last, would not be first: create the band
        // first.
        CreateWindowExA(0, "Static", "task band", WS_CHILD | WS_VISIBLE | SS_CENTER, 60, 2, sw - 60, 26, tray,
                        nullptr, instance, nullptr);
        HWND start = SubclassedButton(CreateWindowExA(0, "Button", "start", WS_CHILD | BS_PUSHBUTTON, 0, 0, 56, 30,
                                                      tray, nullptr, instance, nullptr));
        SetWindowPos(start, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        StartButton = start;
        ShowWindow(start, SW_SHOW);
        ShowWindow(tray, SW_SHOWNA);
        return tray;
    }
    std::vector<Part> parts = Parts();
    if (Reverse)
        std::reverse(parts.begin(), parts.end());
    StartButton = nullptr;
    // The Start child first or last among the others.
    if (!startLater && !Reverse)
        MakeStart(tray);
    for (const Part& p : parts)
        MakePart(tray, p, h);
    if (Shape == "win11")
        SetWindowPos(MakePart(tray, {"DesktopWindowContentBridge", "bridge", 0, 0, RGB(32, 32, 32)}, h), HWND_TOP,
                     0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (startLater)
        SetTimer(tray, LateStart, 500, nullptr);
    else if (Reverse)
        MakeStart(tray);
    // Shown last: whoever finds it finds it whole.
    ShowWindow(tray, SW_SHOWNA);
    return tray;
}

void Register(const char* cls, WNDPROC proc, HBRUSH background)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = background;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    MSG msg;
    if (__argc == 2 && std::string(__argv[1]) == "--full-screen") {
        Register("FullScreenProgram", FullScreenProc, nullptr);
        const HWND w = CreateWindowExA(0, "FullScreenProgram", "other full screen", WS_POPUP, 0, 0,
                                       GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                       instance, nullptr);
        SetWindowLongPtrA(w, GWLP_USERDATA, 1);  // its process ends with it
        ShowWindow(w, SW_SHOW);
        SetForegroundWindow(w);
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        return 0;
    }
    if (__argc < 3)
        return 2;
    Log = fopen(__argv[1], "w");
    Watched = __argv[2];
    if (__argc > 3)
        Shape = __argv[3];
    Reverse = __argc > 4 && std::string(__argv[4]) == "reverse";
    if (!Log)
        return 3;

    Register("Shell_TrayWnd", TrayProc, CreateSolidBrush(RGB(36, 94, 220)));
    for (const char* cls : {"Shell_SecondaryTrayWnd", "Start", "TrayDummySearchControl", "TrayButton",
                            "ReBarWindow32", "TrayNotifyWnd", "DesktopWindowContentBridge"})
        Register(cls, PartProc, nullptr);
    Register("FullScreenProgram", FullScreenProc, nullptr);
    if (Shape == "win10")
        MakeSecondary();
    MakeTaskbar(instance, false);

    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    fclose(Log);
    return 0;
}
