// Which window of the taskbar is its Start button, from what the taskbar's
// window tree shows. Each Windows generation shapes it differently, and a
// window that is not the Start button must never be hidden: on a tree nobody
// knows, nothing is.
#pragma once
#include <cstdint>

struct ShellWindow {
    uintptr_t Handle;         // for the caller; never looked at here
    char ClassName[64];
    bool OwnProcess;          // Quorvel's own button, embedded or laid over
    bool Visible;
    bool OwnedByTaskbar;      // top-level windows: the taskbar is their owner
    int Left, Top, Right, Bottom;  // on screen
};

// Gathered into fixed arrays, without the heap: the crash handler gathers
// them too.
const int MaxShellWindows = 32;
struct TaskbarTree {
    ShellWindow Children[MaxShellWindows];  // the taskbar's children, top first
    int ChildCount = 0;
    ShellWindow ThreadWindows[MaxShellWindows];  // top-level windows of the taskbar's thread
    int ThreadWindowCount = 0;
};

enum class StartShape {
    ChildButton,  // 95 to XP: the first child, of class "Button"
    Orb,          // Vista, 7: a top-level "Button" of the taskbar's thread, owned by the taskbar
    StartChild,   // 8.1, 10: a child of class "Start"
    Covered,      // 11: a "Start" child under a content bridge that draws the taskbar
    None,         // 8.0, a taskbar still being built, or a shape nobody knows
};

struct StartChoice {
    StartShape Shape;
    const ShellWindow* Start;  // the window to hide, or nullptr
};
StartChoice ChooseStartButton(const TaskbarTree& tree);

// Only the old child button reliably opens the menu when clicked while
// hidden; every other shape's taskbar is asked for its menu the way the
// Start key asks it. A second monitor's taskbar cannot be asked: the key
// opens the menu where it pleases, and only a click on that taskbar's own
// Start child opens it there.
bool OpensByClick(StartShape shape, bool secondMonitor = false);

// Where the button goes in the taskbar's client area: its left (or, on a
// taskbar standing at a side of the screen, top) end, centred across a
// taskbar thicker than the picture when `centre` is set.
struct ClientSpot {
    int X, Y;
};
ClientSpot ButtonSpot(int trayWidth, int trayHeight, int width, int height, bool centre);

// A rectangle on screen, its right and bottom edges outside it.
struct ScreenRect {
    int Left, Top, Right, Bottom;
};
// A taskbar that hides itself leaves a sliver of two pixels on screen, and
// one in sight may reach a few pixels past the screen's edges: it counts as
// in sight while at least half its thickness is on its monitor.
bool TaskbarInSight(const ScreenRect& tray, const ScreenRect& monitor);
// The main menu's top-left corner: the monitor's left edge, `startHeight`
// above its bottom.
struct ScreenPoint {
    int X, Y;
};
ScreenPoint MainMenuCorner(const ScreenRect& monitor, int startHeight);
// A taskbar lying along the monitor's bottom edge, in sight.
bool AtBottomOf(const ScreenRect& tray, const ScreenRect& monitor);
// A client area over all of a monitor, as a full-screen game's or video's
// (a maximised window's caption keeps its client area off the top).
bool CoversMonitor(const ScreenRect& window, const ScreenRect& monitor);
