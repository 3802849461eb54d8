#include "Platform.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "../base/Scoped.h"
#include "../model/StartShape.h"

HWND FindTaskbar()
{
    return FindWindowA("Shell_TrayWnd", nullptr);
}

std::vector<HWND> SecondaryTaskbars()
{
    std::vector<HWND> trays;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "Shell_SecondaryTrayWnd", nullptr)) != nullptr;)
        trays.push_back(w);
    return trays;
}

namespace {
// Under Wine every question about another process's window is a round trip
// to the server, and the taskbar is looked at while the program starts. So
// each window is asked only what ChooseStartButton reads of a window of its
// kind and place; the facts it would not read are left out.
bool Is(const ShellWindow& w, const char* cls)
{
    return std::strcmp(w.ClassName, cls) == 0;
}

void Name(HWND w, ShellWindow& facts)
{
    facts = {};
    facts.Handle = uintptr_t(w);
    GetClassNameA(w, facts.ClassName, sizeof facts.ClassName);
}

bool OfThisProcess(HWND w)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid == GetCurrentProcessId();
}

void Locate(HWND w, ShellWindow& facts)
{
    facts.Visible = IsWindowVisible(w) != FALSE;
    RECT r = {};
    GetWindowRect(w, &r);
    facts.Left = r.left;
    facts.Top = r.top;
    facts.Right = r.right;
    facts.Bottom = r.bottom;
}

struct ThreadWalk {
    HWND Tray;
    TaskbarTree* Tree;
};

BOOL CALLBACK AddThreadWindow(HWND w, LPARAM param)
{
    const ThreadWalk& walk = *reinterpret_cast<ThreadWalk*>(param);
    TaskbarTree& tree = *walk.Tree;
    if (w == walk.Tray || tree.ThreadWindowCount == MaxShellWindows)
        return TRUE;
    ShellWindow& facts = tree.ThreadWindows[tree.ThreadWindowCount++];
    Name(w, facts);
    // Only a button may be the orb.
    if (Is(facts, "Button")) {
        facts.OwnProcess = OfThisProcess(w);
        facts.OwnedByTaskbar = GetWindow(w, GW_OWNER) == walk.Tray;
    }
    return TRUE;
}

// The choice points into `tree`.
StartChoice LookAtTaskbar(HWND tray, TaskbarTree& tree)
{
    if (!tray)
        return {StartShape::None, nullptr};
    // Whose window a child is matters up to the shell's first child (ours
    // may stand before it), and for a Start child wherever it stands.
    bool shellsFirstSeen = false;
    for (HWND w = GetWindow(tray, GW_CHILD); w && tree.ChildCount < MaxShellWindows; w = GetWindow(w, GW_HWNDNEXT)) {
        ShellWindow& facts = tree.Children[tree.ChildCount++];
        Name(w, facts);
        const bool start = Is(facts, "Start");
        if (start || !shellsFirstSeen) {
            facts.OwnProcess = OfThisProcess(w);
            shellsFirstSeen = shellsFirstSeen || !facts.OwnProcess;
        }
        if (start || Is(facts, "DesktopWindowContentBridge"))
            Locate(w, facts);
    }
    const StartChoice byChildren = ChooseStartButton(tree);
    if (byChildren.Shape != StartShape::None)
        return byChildren;
    // The taskbar's thread only where no child answers: the orb is one of
    // its top-level windows.
    ThreadWalk walk = {tray, &tree};
    EnumThreadWindows(GetWindowThreadProcessId(tray, nullptr), AddThreadWindow, LPARAM(&walk));
    return ChooseStartButton(tree);
}

HWND StartWindow(const StartChoice& choice)
{
    return choice.Start ? HWND(choice.Start->Handle) : nullptr;
}

// Events `first` to `last` of process `pid` (0: every process), reported to
// `proc` on this thread as its messages are taken; none where the system has
// no window events (Windows 95).
ScopedWinEventHook WatchEvents(DWORD first, DWORD last, WINEVENTPROC proc, DWORD pid, DWORD flags = 0)
{
    using SetHook = HWINEVENTHOOK(WINAPI*)(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD, DWORD);
    static const auto setHook = Late<SetHook>("user32.dll", "SetWinEventHook");
    if (!setHook)
        return ScopedWinEventHook();
    return ScopedWinEventHook(setHook(first, last, nullptr, proc, pid, 0, WINEVENT_OUTOFCONTEXT | flags));
}

bool IsSecondaryTaskbar(HWND w)
{
    char cls[32] = "";
    return w && GetClassNameA(w, cls, sizeof cls) && std::strcmp(cls, "Shell_SecondaryTrayWnd") == 0;
}

// Hides the Start buttons again whenever their shell shows them (Explorer
// after some settings changes). Windows 95 has no means to watch them, and
// Wine 8 reports no window shown: there they stay under the overlaid buttons.
class StartButtonWatch {
public:
    // The Start button of taskbar `tray`; nullptr stops watching that one.
    void Keep(HWND tray, HWND start)
    {
        // First, as a crash on another thread calls it to give the buttons
        // back while this thread may still be watching.
        std::atomic<HWND>* slot = nullptr;
        for (int i = 0; i < MaxTaskbars && !slot; ++i)
            if (Trays[i] == tray)
                slot = &Starts[i];
        for (int i = 0; i < MaxTaskbars && !slot && start; ++i)
            if (!Trays[i] || !IsWindow(Trays[i])) {
                Trays[i] = tray;
                slot = &Starts[i];
            }
        if (slot)
            *slot = start;
        if (!start) {
            for (const std::atomic<HWND>& kept : Starts)
                if (kept)
                    return;
            Hook.Reset();
            return;
        }
        // The shell's process, any of its threads: Wine does not deliver
        // events to a hook on one thread of another process. Every taskbar
        // is of the one process, until the shell is started anew.
        DWORD pid = 0;
        GetWindowThreadProcessId(start, &pid);
        if (!Hook || pid != HookedPid)
            Hook = WatchEvents(EVENT_OBJECT_SHOW, EVENT_OBJECT_SHOW, Shown, pid);
        HookedPid = pid;
    }

private:
    static const int MaxTaskbars = 16;
    static void CALLBACK Shown(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD);
    std::atomic<HWND> Trays[MaxTaskbars]{}, Starts[MaxTaskbars]{};
    ScopedWinEventHook Hook;
    DWORD HookedPid = 0;
};

// One for the process: the crash handler gives the buttons back through it.
StartButtonWatch TheStartButtonWatch;

void CALLBACK StartButtonWatch::Shown(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD)
{
    if (!wnd || object != OBJID_WINDOW)
        return;
    for (const std::atomic<HWND>& start : TheStartButtonWatch.Starts)
        if (start == wnd && IsWindowVisible(wnd))
            ShowWindow(wnd, SW_HIDE);
}

void Hide(HWND tray, HWND start)
{
    TheStartButtonWatch.Keep(tray, start);
    ShowStartButton(start, false);
}

// A new taskbar builds its Start window some time after it announces itself
// (later Windows build it lazily): it is looked for a few times, then no more.
class StartButtonSearch {
public:
    void Begin(HWND tray)
    {
        Tray = tray;
        RetriesLeft = RetryCount;
        Timer = ScopedThreadTimer(SetTimer(nullptr, 0, RetryMs, LookAgain));
    }
    void Stop() { Timer.Reset(); }

private:
    static constexpr UINT RetryMs = 250;
    static constexpr int RetryCount = 20;
    static void CALLBACK LookAgain(HWND, UINT, UINT_PTR, DWORD);
    ScopedThreadTimer Timer;
    HWND Tray = nullptr;
    int RetriesLeft = 0;
};

StartButtonSearch TheStartButtonSearch;

void CALLBACK StartButtonSearch::LookAgain(HWND, UINT, UINT_PTR, DWORD)
{
    StartButtonSearch& search = TheStartButtonSearch;
    TaskbarTree tree;
    const StartChoice choice = LookAtTaskbar(IsWindow(search.Tray) ? search.Tray : nullptr, tree);
    const HWND start = StartWindow(choice);
    // A window is made first and shown after: one found not yet shown is
    // looked at again, as its showing may go unreported (Wine).
    const bool settled = choice.Shape != StartShape::None && (!start || IsWindowVisible(start));
    if (settled || --search.RetriesLeft <= 0 || !IsWindow(search.Tray))
        search.Stop();
    if (start)
        Hide(search.Tray, start);
}

void ClickStartButton(HWND start)
{
    SendMessageA(start, WM_LBUTTONDOWN, MK_LBUTTON, 5);
    // Wine's Start button opens its menu on the release, Windows' on the press.
    if (IsWine())
        PostMessageA(start, WM_LBUTTONUP, 0, 5);
}
} // namespace

HWND FindStartButton(HWND tray)
{
    TaskbarTree tree;
    return StartWindow(LookAtTaskbar(tray, tree));
}

void ShowStartButton(HWND start, bool show)
{
    if (start)
        ShowWindow(start, show ? SW_SHOWNORMAL : SW_HIDE);
}

void HideStartButton(HWND tray, bool hide)
{
    // The first taskbar's is looked for again; a second monitor's taskbar
    // shows itself whole.
    const bool secondary = IsSecondaryTaskbar(tray);
    if (!secondary)
        TheStartButtonSearch.Stop();
    TaskbarTree tree;
    const StartChoice choice = LookAtTaskbar(tray, tree);
    const HWND start = StartWindow(choice);
    if (hide) {
        Hide(tray, start);
    } else {
        TheStartButtonWatch.Keep(tray, nullptr);
        ShowStartButton(start, true);
    }
    if (hide && tray && !secondary && choice.Shape == StartShape::None)
        TheStartButtonSearch.Begin(tray);
}

void HideEveryStartButton(bool hide)
{
    HideStartButton(FindTaskbar(), hide);
    for (HWND tray : SecondaryTaskbars())
        HideStartButton(tray, hide);
}

void OpenStartMenu(HWND tray)
{
    TaskbarTree tree;
    const bool secondary = IsSecondaryTaskbar(tray);
    const StartChoice choice = LookAtTaskbar(tray, tree);
    if (OpensByClick(choice.Shape, secondary))
        ClickStartButton(StartWindow(choice));
    else if (const HWND asked = secondary ? FindTaskbar() : tray)
        PostMessageA(asked, WM_SYSCOMMAND, SC_TASKLIST, 0);
}

void EmbedInTaskbar(HWND wnd, HWND tray)
{
    // GetParent of a pop-up returns its owner: a window that gets a parent
    // must become a child window, as it would in a form toolkit.
    const LONG style = GetWindowLongA(wnd, GWL_STYLE);
    SetWindowLongA(wnd, GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
    SetParent(wnd, tray);
    SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

namespace {
// The button's place on screen, for its present size.
POINT SpotOnScreen(HWND wnd, HWND tray)
{
    RECT client = {}, own = {};
    GetClientRect(tray, &client);
    GetWindowRect(wnd, &own);
    const ClientSpot spot =
        ButtonSpot(client.right, client.bottom, own.right - own.left, own.bottom - own.top, IsVistaOrLater());
    POINT at = {spot.X, spot.Y};
    ClientToScreen(tray, &at);
    return at;
}

ScreenRect ScreenRectOf(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}
} // namespace

ScreenRect MonitorOf(HWND w)
{
    struct MonitorInfo {
        DWORD Size;
        RECT Monitor, Work;
        DWORD Flags;
    };
    using FromWindow = HANDLE(WINAPI*)(HWND, DWORD);
    using GetInfo = BOOL(WINAPI*)(HANDLE, MonitorInfo*);
    static const auto fromWindow = Late<FromWindow>("user32.dll", "MonitorFromWindow");
    static const auto getInfo = Late<GetInfo>("user32.dll", "GetMonitorInfoA");
    const DWORD nearest = 2;  // MONITOR_DEFAULTTONEAREST
    MonitorInfo info = {sizeof info, {}, {}, 0};
    if (w && fromWindow && getInfo && getInfo(fromWindow(w, nearest), &info))
        return ScreenRectOf(info.Monitor);
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ScreenRect PlaceOf(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    return ScreenRectOf(r);
}

namespace {
// The desktop and the taskbars; from 8 on also the Start menu, search and
// notification panes, windows of their own that may fill a monitor (a Start
// menu set to full screen) while the taskbar stays in sight.
bool IsPartOfShell(HWND w)
{
    char cls[32] = "";
    GetClassNameA(w, cls, sizeof cls);
    for (const char* shell : {"Progman", "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd",
                              "Windows.UI.Core.CoreWindow", "ImmersiveLauncher"})
        if (std::strcmp(cls, shell) == 0)
            return true;
    return w == GetDesktopWindow();
}

// Another program's window in front whose picture fills the monitor: a game,
// a video, a presentation. Its client area decides, as a maximised window
// keeps its caption in sight. A maximised window with a caption is never
// one: beside a taskbar that hides itself it fills the monitor, caption and
// all where it draws its own (a browser), and the taskbar still comes up
// over it.
bool FullScreenOn(const ScreenRect& monitor, HWND front)
{
    if (!front || OfThisProcess(front) || IsPartOfShell(front) || !IsWindowVisible(front) || IsIconic(front))
        return false;
    if (IsZoomed(front) && (GetWindowLongA(front, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
        return false;
    RECT client = {};
    GetClientRect(front, &client);
    MapWindowPoints(front, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return CoversMonitor(ScreenRectOf(client), monitor);
}

// Keeps each button laid over its taskbar where the taskbar is (moved to
// another edge, thicker or thinner, slid away and back) and out of the way
// of a full-screen program on the taskbar's monitor, as the taskbar itself
// steps aside for one. Woken by the windows' own moves and by a new window
// in front, so nothing runs while nothing changes: Windows reports both to
// those who listen. Wine 8 reports neither (it carries what a program reports
// itself), so there the restack that follows another program's new or
// activated window looks again. The shell's moves also tell of a second
// monitor's taskbar that came (a monitor plugged in, the shell restarted):
// the shell places it as it makes it. A button in the taskbar (95 to XP)
// goes with its taskbar, which a full-screen program covers; only the panel
// is told.
class TaskbarFollower {
public:
    // A button and its taskbar; a button followed already takes the new one.
    void Follow(HWND button, HWND tray, bool laidOver)
    {
        Buttons.erase(std::remove_if(Buttons.begin(), Buttons.end(),
                                     [&](const Followed& f) { return f.Button == button || !IsWindow(f.Button); }),
                      Buttons.end());
        Buttons.push_back({button, tray, laidOver, false});
        DWORD pid = 0;
        GetWindowThreadProcessId(tray, &pid);
        // Its whole process: Wine does not deliver events to a hook on one
        // thread of another process. Every taskbar is of the one process.
        if (laidOver && (!TrayMoves || pid != TrayPid)) {
            TrayMoves = WatchEvents(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, Moved, pid);
            // A window does not take another thread's owned windows down
            // with it: a taskbar that went leaves its button behind.
            TraysGone = WatchEvents(EVENT_OBJECT_DESTROY, EVENT_OBJECT_DESTROY, Destroyed, pid);
        }
        TrayPid = pid;
        FrontMoves.Reset();
        Front = nullptr;
        if (!FrontChanges)
            FrontChanges = WatchEvents(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, FrontChanged, 0,
                                       WINEVENT_SKIPOWNPROCESS);
        // Once the button is shown: a taskbar hidden already hides it then.
        FirstLook = ScopedThreadTimer(SetTimer(nullptr, 0, 0, LookNow));
    }
    bool FullScreenOver(HWND w) const { return FullScreenOn(MonitorOf(w), Front); }
    void Tell(HWND wnd, UINT fullScreenMessage, UINT taskbarMessage)
    {
        Told = wnd;
        FullScreenMessage = fullScreenMessage;
        TaskbarMessage = taskbarMessage;
    }
    void Update();

private:
    struct Followed {
        HWND Button, Tray;
        bool LaidOver, FullScreen;
    };
    static void CALLBACK Moved(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD);
    static void CALLBACK Destroyed(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD);
    static void CALLBACK FrontChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD);
    static void CALLBACK FrontLeft(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD);
    static void CALLBACK LookNow(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK CatcherProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void WatchFront(HWND front);
    void WatchFullScreenLeave(HWND fullScreen);
    HWND Catcher();
    // Whether the full-screen program came or left.
    bool Place(Followed& f);
    bool Follows(HWND tray) const
    {
        return std::any_of(Buttons.begin(), Buttons.end(), [&](const Followed& f) { return f.Tray == tray; });
    }

    std::vector<Followed> Buttons;
    DWORD TrayPid = 0;
    HWND Front = nullptr;  // the window in front when last looked
    HWND LeaveWatched = nullptr;
    HWND Told = nullptr;
    UINT FullScreenMessage = 0, TaskbarMessage = 0;
    ScopedWinEventHook TrayMoves, TraysGone, FrontMoves, FrontChanges, FrontHides, FrontMinimizes;
    ScopedThreadTimer FirstLook;
};

TaskbarFollower TheTaskbarFollower;

// A program in front may go full screen without another coming to the
// front (a video's full-screen key): its process's moves are watched too.
void TaskbarFollower::WatchFront(HWND front)
{
    if (front == Front)
        return;
    Front = front;
    DWORD frontPid = 0;
    GetWindowThreadProcessId(front, &frontPid);
    FrontMoves.Reset();
    if (front && frontPid != TrayPid && frontPid != GetCurrentProcessId())
        FrontMoves = WatchEvents(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, Moved, frontPid);
}

void TaskbarFollower::Update()
{
    WatchFront(GetForegroundWindow());
    bool changed = false, fullScreen = false;
    for (Followed& f : Buttons) {
        changed = Place(f) || changed;
        fullScreen = fullScreen || f.FullScreen;
    }
    WatchFullScreenLeave(fullScreen ? Front : nullptr);
    if (changed && Told)
        PostMessageA(Told, FullScreenMessage, 0, 0);
}

bool TaskbarFollower::Place(Followed& f)
{
    if (!IsWindow(f.Button) || !IsWindow(f.Tray))
        return false;
    const ScreenRect monitor = MonitorOf(f.Tray);
    const bool fullScreen = FullScreenOn(monitor, Front);
    const bool changed = fullScreen != f.FullScreen;
    f.FullScreen = fullScreen;
    if (!f.LaidOver)
        return changed;
    RECT tray = {};
    GetWindowRect(f.Tray, &tray);
    // A taskbar window never shown (Wine's own without its taskbar) is no
    // taskbar that slid away: the button stays at its place then.
    const bool slidAway = IsWindowVisible(f.Tray) && !TaskbarInSight(ScreenRectOf(tray), monitor);
    const bool show = !fullScreen && !slidAway;
    const bool wasShown = IsWindowVisible(f.Button) != FALSE;
    const POINT at = SpotOnScreen(f.Button, f.Tray);
    SetWindowPos(f.Button, nullptr, at.x, at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    // Under Wine the window that went to the front stands above it on screen.
    if (show && !wasShown)
        RestackSoon();
    return changed;
}

// A full-screen program that closes, hides or minimises its window may leave
// no window in front to tell of it: its window's own events do. Wine 8 raises
// none of them, but when the active window closes or hides it activates
// another, the first it finds below that window: an unseen window of ours
// placed right there is told, and hands the activation on as it hides.
// (Wine 8 tells nobody of a minimised window.)
void TaskbarFollower::WatchFullScreenLeave(HWND fullScreen)
{
    if (fullScreen == LeaveWatched)
        return;
    LeaveWatched = fullScreen;
    FrontHides.Reset();
    FrontMinimizes.Reset();
    if (!fullScreen) {
        if (IsWine())
            ShowWindow(Catcher(), SW_HIDE);
        return;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(fullScreen, &pid);
    FrontHides = WatchEvents(EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE, FrontLeft, pid);
    FrontMinimizes = WatchEvents(EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZESTART, FrontLeft, pid);
    if (IsWine())
        SetWindowPos(Catcher(), fullScreen, -8, -8, 1, 1, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

LRESULT CALLBACK TaskbarFollower::CatcherProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
        ShowWindow(wnd, SW_HIDE);  // Wine activates the next window below
        TheTaskbarFollower.Update();
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

HWND TaskbarFollower::Catcher()
{
    static const HWND catcher = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = CatcherProc;
        wc.hInstance = ProgramModule();
        wc.lpszClassName = "TFullScreenLeave";
        RegisterClassA(&wc);
        return CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, -8, -8, 1, 1, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }();
    return catcher;
}

void CALLBACK TaskbarFollower::Moved(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD)
{
    TaskbarFollower& follower = TheTaskbarFollower;
    if (object != OBJID_WINDOW || !wnd)
        return;
    if (wnd == follower.Front || follower.Follows(wnd))
        follower.Update();
    else if (follower.Told && IsSecondaryTaskbar(wnd))
        PostMessageA(follower.Told, follower.TaskbarMessage, 0, 0);
}

void CALLBACK TaskbarFollower::Destroyed(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD)
{
    TaskbarFollower& follower = TheTaskbarFollower;
    if (object == OBJID_WINDOW && wnd && follower.Told && follower.Follows(wnd))
        PostMessageA(follower.Told, follower.TaskbarMessage, 0, 0);
}

void CALLBACK TaskbarFollower::FrontChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD)
{
    TheTaskbarFollower.Update();
}

void CALLBACK TaskbarFollower::FrontLeft(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD)
{
    if (object == OBJID_WINDOW && wnd && wnd == TheTaskbarFollower.LeaveWatched)
        TheTaskbarFollower.Update();
}

void CALLBACK TaskbarFollower::LookNow(HWND, UINT, UINT_PTR, DWORD)
{
    TheTaskbarFollower.FirstLook.Reset();
    TheTaskbarFollower.Update();
}
} // namespace

// Owned by the taskbar, it always stays above it.
void LayOverTaskbar(HWND wnd, HWND tray)
{
    const POINT at = SpotOnScreen(wnd, tray);
    SetOwner(wnd, tray);
    SetWindowPos(wnd, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    TheTaskbarFollower.Follow(wnd, tray, true);
    // A taskbar that came up anew stands above it on screen.
    RestackSoon();
}

namespace {
// Under Wine the button is laid over the taskbar, as Wine draws no child of
// another process's window. The end-to-end tests set QUORVEL_TEST_EMBED=1 in
// the environment to run the path of Windows 95 to XP all the same: the child
// is then not drawn, but it takes clicks, has its shape and lives and dies with
// its taskbar as on Windows. Windows itself never reads it.
bool LaidOverUnderWine()
{
    static const bool laidOver = [] {
        if (!IsWine())
            return false;
        char value[4] = "";
        const DWORD n = GetEnvironmentVariableA("QUORVEL_TEST_EMBED", value, sizeof value);
        return !(n == 1 && value[0] == '1');
    }();
    return laidOver;
}
} // namespace

void TellOfTaskbarChanges(HWND wnd, UINT fullScreenMessage, UINT taskbarMessage)
{
    TheTaskbarFollower.Tell(wnd, fullScreenMessage, taskbarMessage);
}

bool FullScreenOver(HWND wnd)
{
    return TheTaskbarFollower.FullScreenOver(wnd);
}

void LookAtTaskbarAgain()
{
    TheTaskbarFollower.Update();
}

bool OffEveryScreen(HWND wnd)
{
    using FromRect = HANDLE(WINAPI*)(const RECT*, DWORD);
    static const auto fromRect = Late<FromRect>("user32.dll", "MonitorFromRect");
    RECT r = {};
    GetWindowRect(wnd, &r);
    if (fromRect)
        return fromRect(&r, 0) == nullptr;  // MONITOR_DEFAULTTONULL
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT common = {};
    return !IntersectRect(&common, &r, &screen);
}

void PlaceOnTaskbar(HWND wnd, HWND tray)
{
    if (!tray || !IsWindow(tray))
        return;
    if (LaidOverUnderWine() || IsVistaOrLater())
        LayOverTaskbar(wnd, tray);
    else {
        EmbedInTaskbar(wnd, tray);
        TheTaskbarFollower.Follow(wnd, tray, false);
    }
}

void CentreOnTaskbar(HWND wnd, HWND tray)
{
    if (!IsVistaOrLater() || !tray || !IsWindow(tray))
        return;
    const POINT at = SpotOnScreen(wnd, tray);
    SetWindowPos(wnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AcceptFromAnyProcess(UINT msg)
{
    using Filter = BOOL(WINAPI*)(UINT, DWORD);
    static const auto filter = Late<Filter>("user32.dll", "ChangeWindowMessageFilter");
    const DWORD add = 1;  // MSGFLT_ADD
    if (filter)
        filter(msg, add);
}

void AddExStyle(HWND wnd, DWORD style)
{
    SetWindowLongA(wnd, GWL_EXSTYLE, GetWindowLongA(wnd, GWL_EXSTYLE) | LONG(style));
}

void SetOwner(HWND wnd, HWND owner)
{
    SetWindowLongA(wnd, GWL_HWNDPARENT, LONG(LONG_PTR(owner)));
}

void MakeTopmost(HWND wnd)
{
    SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
