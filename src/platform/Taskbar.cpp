#include "Platform.h"

#include <atomic>
#include <cstring>

#include "../base/Scoped.h"
#include "../model/StartShape.h"

HWND FindTaskbar()
{
    return FindWindowA("Shell_TrayWnd", nullptr);
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

struct WinEventHookTraits {
    using Handle = HWINEVENTHOOK;
    static bool Valid(HWINEVENTHOOK h) { return h != nullptr; }
    static void Close(HWINEVENTHOOK h)
    {
        using Unhook = BOOL(WINAPI*)(HWINEVENTHOOK);
        static const auto unhook = Late<Unhook>("user32.dll", "UnhookWinEvent");
        if (unhook)
            unhook(h);
    }
};
using ScopedWinEventHook = Scoped<WinEventHookTraits>;

// Hides the Start button again whenever its shell shows it (Explorer after
// some settings changes). Windows 95 has no means to watch it, and Wine 8
// reports no window shown: there it stays under the overlaid button.
class StartButtonWatch {
public:
    // nullptr stops watching.
    void Keep(HWND start)
    {
        using SetHook = HWINEVENTHOOK(WINAPI*)(DWORD, DWORD, HMODULE, WINEVENTPROC, DWORD, DWORD, DWORD);
        static const auto setHook = Late<SetHook>("user32.dll", "SetWinEventHook");
        // First, as a crash on another thread calls it to give the button
        // back while this thread may still be watching.
        Start = start;
        Hook.Reset();
        if (!start || !setHook)
            return;
        // The shell's process, any of its threads: Wine does not deliver
        // events to a hook on one thread of another process.
        DWORD pid = 0;
        GetWindowThreadProcessId(start, &pid);
        Hook = ScopedWinEventHook(
            setHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_SHOW, nullptr, Shown, pid, 0, WINEVENT_OUTOFCONTEXT));
    }

private:
    static void CALLBACK Shown(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD);
    std::atomic<HWND> Start{nullptr};
    ScopedWinEventHook Hook;
};

// One for the process: the crash handler gives the button back through it.
StartButtonWatch TheStartButtonWatch;

void CALLBACK StartButtonWatch::Shown(HWINEVENTHOOK, DWORD, HWND wnd, LONG object, LONG, DWORD, DWORD)
{
    const HWND start = TheStartButtonWatch.Start;
    if (wnd && wnd == start && object == OBJID_WINDOW && IsWindowVisible(start))
        ShowWindow(start, SW_HIDE);
}

void Hide(HWND start)
{
    TheStartButtonWatch.Keep(start);
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
        Hide(start);
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
    TheStartButtonSearch.Stop();
    TaskbarTree tree;
    const StartChoice choice = LookAtTaskbar(tray, tree);
    const HWND start = StartWindow(choice);
    if (hide) {
        Hide(start);
    } else {
        TheStartButtonWatch.Keep(nullptr);
        ShowStartButton(start, true);
    }
    if (hide && tray && choice.Shape == StartShape::None)
        TheStartButtonSearch.Begin(tray);
}

void OpenStartMenu(HWND tray)
{
    TaskbarTree tree;
    const StartChoice choice = LookAtTaskbar(tray, tree);
    if (OpensByClick(choice.Shape))
        ClickStartButton(StartWindow(choice));
    else if (tray)
        PostMessageA(tray, WM_SYSCOMMAND, SC_TASKLIST, 0);
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

// Owned by the taskbar, it always stays above it and goes away with it.
void OverlayTaskbar(HWND wnd, HWND tray)
{
    const POINT at = SpotOnScreen(wnd, tray);
    SetOwner(wnd, tray);
    SetWindowPos(wnd, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    // A taskbar that came up anew stands above it on screen.
    RestackSoon();
}


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

void PlaceOnTaskbar(HWND wnd, HWND tray)
{
    if (!tray || !IsWindow(tray))
        return;
    if (LaidOverUnderWine() || IsVistaOrLater())
        OverlayTaskbar(wnd, tray);
    else
        EmbedInTaskbar(wnd, tray);
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
