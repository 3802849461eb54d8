#include "StartShape.h"

#include <cstring>

namespace {
bool Is(const ShellWindow& w, const char* cls)
{
    return std::strcmp(w.ClassName, cls) == 0;
}

bool Contains(const ShellWindow& outer, const ShellWindow& inner)
{
    return outer.Left <= inner.Left && outer.Top <= inner.Top && outer.Right >= inner.Right &&
           outer.Bottom >= inner.Bottom;
}

const ShellWindow* FirstChild(const TaskbarTree& tree, const char* cls)
{
    for (int i = 0; i < tree.ChildCount; ++i) {
        const ShellWindow& w = tree.Children[i];
        if (!w.OwnProcess && Is(w, cls))
            return &w;
    }
    return nullptr;
}
} // namespace

StartChoice ChooseStartButton(const TaskbarTree& tree)
{
    if (const ShellWindow* start = FirstChild(tree, "Start")) {
        // Hiding a window that another one draws over hides nothing the user
        // sees, and showing it back at exit could put it above that one.
        for (int i = 0; i < tree.ChildCount; ++i) {
            const ShellWindow& w = tree.Children[i];
            if (Is(w, "DesktopWindowContentBridge") && w.Visible && Contains(w, *start))
                return {StartShape::Covered, nullptr};
        }
        return {StartShape::StartChild, start};
    }
    // Our own button may stand first once embedded: the first of the shell's.
    for (int i = 0; i < tree.ChildCount; ++i)
        if (!tree.Children[i].OwnProcess) {
            if (Is(tree.Children[i], "Button"))
                return {StartShape::ChildButton, &tree.Children[i]};
            break;
        }
    // A top-level button owned by something else is part of another window
    // of that thread (a dialog's), not the orb.
    for (int i = 0; i < tree.ThreadWindowCount; ++i) {
        const ShellWindow& w = tree.ThreadWindows[i];
        if (!w.OwnProcess && w.OwnedByTaskbar && Is(w, "Button"))
            return {StartShape::Orb, &w};
    }
    return {StartShape::None, nullptr};
}

bool OpensByClick(StartShape shape, bool secondMonitor)
{
    return shape == StartShape::ChildButton || (secondMonitor && shape == StartShape::StartChild);
}

ClientSpot ButtonSpot(int trayWidth, int trayHeight, int width, int height, bool centre)
{
    if (!centre)
        return {0, 0};
    if (trayWidth >= trayHeight)
        return {0, trayHeight > height ? (trayHeight - height) / 2 : 0};
    return {trayWidth > width ? (trayWidth - width) / 2 : 0, 0};
}

namespace {
// How much of [from, to) lies in [screenFrom, screenTo).
int Overlap(int from, int to, int screenFrom, int screenTo)
{
    return (to < screenTo ? to : screenTo) - (from > screenFrom ? from : screenFrom);
}
} // namespace

bool TaskbarInSight(const ScreenRect& tray, const ScreenRect& monitor)
{
    const int across = Overlap(tray.Top, tray.Bottom, monitor.Top, monitor.Bottom);
    const int along = Overlap(tray.Left, tray.Right, monitor.Left, monitor.Right);
    const int height = tray.Bottom - tray.Top, width = tray.Right - tray.Left;
    if (height <= 0 || width <= 0)
        return false;
    // Its thickness is the shorter side.
    return width >= height ? along > 0 && across * 2 >= height : across > 0 && along * 2 >= width;
}

bool CoversMonitor(const ScreenRect& window, const ScreenRect& monitor)
{
    return monitor.Right > monitor.Left && monitor.Bottom > monitor.Top && window.Left <= monitor.Left &&
           window.Top <= monitor.Top && window.Right >= monitor.Right && window.Bottom >= monitor.Bottom;
}

ScreenPoint MainMenuCorner(const ScreenRect& monitor, int startHeight)
{
    return {monitor.Left, monitor.Bottom - startHeight};
}

bool AtBottomOf(const ScreenRect& tray, const ScreenRect& monitor)
{
    // Below the monitor's middle: a taskbar that reaches past the edge still
    // counts, one at the top never does.
    return tray.Right - tray.Left > tray.Bottom - tray.Top && TaskbarInSight(tray, monitor) &&
           tray.Top + tray.Bottom > monitor.Top + monitor.Bottom;
}
