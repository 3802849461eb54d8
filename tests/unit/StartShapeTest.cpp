#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "model/StartShape.h"

namespace {
ShellWindow Win(uintptr_t handle, const char* cls, int left = 0, int width = 50, int top = 728, int height = 40)
{
    ShellWindow w = {};
    w.Handle = handle;
    std::strncpy(w.ClassName, cls, sizeof w.ClassName - 1);
    w.Visible = true;
    w.Left = left;
    w.Top = top;
    w.Right = left + width;
    w.Bottom = top + height;
    return w;
}

TaskbarTree Tree(std::initializer_list<ShellWindow> children, std::initializer_list<ShellWindow> thread = {})
{
    TaskbarTree t;
    for (const ShellWindow& w : children)
        t.Children[t.ChildCount++] = w;
    for (const ShellWindow& w : thread)
        t.ThreadWindows[t.ThreadWindowCount++] = w;
    return t;
}

ShellWindow Own(ShellWindow w)
{
    w.OwnProcess = true;
    return w;
}

ShellWindow OwnedByTaskbar(ShellWindow w)
{
    w.OwnedByTaskbar = true;
    return w;
}

// The handle of the window chosen for hiding, 0 for none.
uintptr_t Hidden(const TaskbarTree& t)
{
    const StartChoice c = ChooseStartButton(t);
    return c.Start ? c.Start->Handle : 0;
}

// Every order of the children: shells pin none down.
template <typename F>
void InEveryOrder(TaskbarTree t, F check)
{
    std::sort(t.Children, t.Children + t.ChildCount,
              [](const ShellWindow& a, const ShellWindow& b) { return a.Handle < b.Handle; });
    do
        check(t);
    while (std::next_permutation(t.Children, t.Children + t.ChildCount,
                                 [](const ShellWindow& a, const ShellWindow& b) { return a.Handle < b.Handle; }));
}
} // namespace

TEST(StartShape, OldShellsHideTheirFirstChildOnlyWhenItIsAButton)
{
    const TaskbarTree xp = Tree({Win(1, "Button"), Win(2, "ReBarWindow32"), Win(3, "TrayNotifyWnd")});
    EXPECT_EQ(StartShape::ChildButton, ChooseStartButton(xp).Shape);
    EXPECT_EQ(1u, Hidden(xp));
    EXPECT_TRUE(OpensByClick(StartShape::ChildButton));
    // Our own button stands first once embedded.
    EXPECT_EQ(1u, Hidden(Tree({Own(Win(9, "TForm1")), Win(1, "Button"), Win(2, "ReBarWindow32")})));
    // A shell whose first child is something else: the buttons behind it are
    // task buttons, not the Start button.
    const TaskbarTree other = Tree({Win(2, "ReBarWindow32"), Win(1, "Button"), Win(4, "Button")});
    EXPECT_EQ(StartShape::None, ChooseStartButton(other).Shape);
    EXPECT_EQ(0u, Hidden(other));
    EXPECT_EQ(0u, Hidden(Tree({Own(Win(9, "TForm1"))})));
    EXPECT_EQ(0u, Hidden(Tree({})));
}

TEST(StartShape, SevenHidesTheTopLevelButtonOwnedByTheTaskbarWhateverTheChildOrder)
{
    const TaskbarTree seven = Tree({Win(1, "TrayNotifyWnd"), Win(2, "ReBarWindow32")},
                                   {Win(7, "Button"), OwnedByTaskbar(Win(8, "Button")), Win(6, "Static")});
    InEveryOrder(seven, [](const TaskbarTree& t) {
        EXPECT_EQ(StartShape::Orb, ChooseStartButton(t).Shape);
        EXPECT_EQ(8u, Hidden(t));
    });
    EXPECT_FALSE(OpensByClick(StartShape::Orb));
    // A button of that thread owned by another window is a dialog's.
    EXPECT_EQ(0u, Hidden(Tree({Win(1, "TrayNotifyWnd"), Win(2, "ReBarWindow32")}, {Win(7, "Button")})));
    // Our own overlay, owned by the taskbar too, is never taken for it.
    EXPECT_EQ(0u, Hidden(Tree({Win(1, "TrayNotifyWnd")}, {Own(OwnedByTaskbar(Win(9, "Button")))})));
}

TEST(StartShape, EightHasNothingToHideTenItsStartChildInEveryOrder)
{
    const TaskbarTree eight = Tree({Win(1, "TrayNotifyWnd"), Win(2, "ReBarWindow32"), Win(3, "TrayButton")});
    InEveryOrder(eight, [](const TaskbarTree& t) {
        EXPECT_EQ(StartShape::None, ChooseStartButton(t).Shape);
        EXPECT_EQ(0u, Hidden(t));
    });
    const TaskbarTree ten = Tree({Win(1, "Start", 0, 48), Win(2, "TrayDummySearchControl", 48, 300),
                                  Win(3, "TrayButton", 348, 48), Win(4, "ReBarWindow32", 396, 400),
                                  Win(5, "TrayNotifyWnd", 796, 228), Own(Win(9, "TForm1"))});
    InEveryOrder(ten, [](const TaskbarTree& t) {
        EXPECT_EQ(StartShape::StartChild, ChooseStartButton(t).Shape);
        EXPECT_EQ(1u, Hidden(t));
    });
    EXPECT_FALSE(OpensByClick(StartShape::StartChild));
    EXPECT_FALSE(OpensByClick(StartShape::None));
}

TEST(StartShape, ElevenHidesNothingUnderTheBridgeThatDrawsTheTaskbar)
{
    const TaskbarTree eleven = Tree({Win(1, "Start", 0, 48, 720, 48), Win(2, "TrayNotifyWnd", 800, 224, 720, 48),
                                     Win(3, "DesktopWindowContentBridge", 0, 1024, 720, 48)});
    InEveryOrder(eleven, [](const TaskbarTree& t) {
        EXPECT_EQ(StartShape::Covered, ChooseStartButton(t).Shape);
        EXPECT_EQ(0u, Hidden(t));
    });
    EXPECT_FALSE(OpensByClick(StartShape::Covered));
    // A bridge elsewhere, or a hidden one, leaves the Start child in sight.
    EXPECT_EQ(1u, Hidden(Tree({Win(1, "Start", 0, 48), Win(3, "DesktopWindowContentBridge", 600, 100)})));
    TaskbarTree hiddenBridge = eleven;
    hiddenBridge.Children[2].Visible = false;
    EXPECT_EQ(1u, Hidden(hiddenBridge));
}

TEST(StartShape, ButtonSpotCentresAcrossAThickerTaskbarOnlyWhenAsked)
{
    struct Case {
        int TrayW, TrayH, W, H;
        bool Centre;
        int X, Y;
    };
    for (const Case& c : {
             Case{1024, 30, 96, 31, false, 0, 0},  // XP: at the client origin, as always
             Case{1024, 60, 96, 30, false, 0, 0},
             Case{1024, 30, 96, 31, true, 0, 0},   // thinner than the picture: never above the taskbar
             Case{1024, 40, 96, 30, true, 0, 5},
             Case{1024, 48, 96, 30, true, 0, 9},
             Case{1024, 48, 90, 28, true, 0, 10},
             Case{1024, 40, 96, 31, true, 0, 4},   // odd remainder: the extra pixel below
             Case{62, 768, 96, 30, true, 0, 0},    // at a side: the top end, narrower than the picture
             Case{120, 768, 96, 30, true, 12, 0},
         }) {
        const ClientSpot s = ButtonSpot(c.TrayW, c.TrayH, c.W, c.H, c.Centre);
        EXPECT_EQ(c.X, s.X) << c.TrayW << "x" << c.TrayH;
        EXPECT_EQ(c.Y, s.Y) << c.TrayW << "x" << c.TrayH;
    }
}

TEST(StartShape, TaskbarInSightWhileHalfItsThicknessIsOnItsMonitor)
{
    const ScreenRect screen = {0, 0, 1024, 768}, right = {1024, 0, 2304, 1024};
    struct Case {
        ScreenRect Tray, Monitor;
        bool InSight;
    };
    for (const Case& c : {
             Case{{0, 728, 1024, 768}, screen, true},         // along the bottom
             Case{{-2, 736, 1026, 770}, screen, true},        // past the edges by two pixels, as XP's
             Case{{0, 766, 1024, 806}, screen, false},        // slid away: two pixels left
             Case{{0, 748, 1024, 788}, screen, true},         // halfway back
             Case{{0, 749, 1024, 789}, screen, false},
             Case{{0, -38, 1024, 2}, screen, false},          // at the top, slid away
             Case{{0, 0, 1024, 80}, screen, true},            // at the top, two rows
             Case{{-60, 0, 2, 768}, screen, false},           // at the left, slid away
             Case{{1022, 0, 1084, 768}, screen, false},       // at the right, slid away
             Case{{962, 0, 1024, 768}, screen, true},
             Case{{2242, 0, 2304, 1024}, right, true},        // a second monitor's right edge
             Case{{0, 728, 1024, 768}, right, false},         // asked of another monitor
             Case{{0, 768, 1024, 768}, screen, false},        // no thickness at all
         }) {
        EXPECT_EQ(c.InSight, TaskbarInSight(c.Tray, c.Monitor))
            << c.Tray.Left << "," << c.Tray.Top << "," << c.Tray.Right << "," << c.Tray.Bottom;
    }
    EXPECT_TRUE(CoversMonitor({0, 0, 1024, 768}, screen));
    EXPECT_TRUE(CoversMonitor({-8, -8, 1032, 776}, screen));  // larger on every side
    EXPECT_FALSE(CoversMonitor({0, 0, 1024, 728}, screen));   // beside a taskbar
    EXPECT_FALSE(CoversMonitor({1, 0, 1024, 768}, screen));
    EXPECT_TRUE(CoversMonitor({1024, 0, 2304, 1024}, right));
    EXPECT_FALSE(CoversMonitor({0, 0, 1024, 768}, right));
    EXPECT_FALSE(CoversMonitor({0, 0, 0, 0}, {0, 0, 0, 0}));  // no monitor known
}

TEST(StartShape, ASecondMonitorsMenusOpenOnThatMonitor)
{
    EXPECT_TRUE(OpensByClick(StartShape::StartChild, true)) << "its own Start child, clicked";
    EXPECT_TRUE(OpensByClick(StartShape::ChildButton, true));
    for (StartShape shape : {StartShape::Covered, StartShape::None, StartShape::Orb})
        EXPECT_FALSE(OpensByClick(shape, true));
    const ScreenPoint second = MainMenuCorner({1024, 0, 1824, 600}, 31);
    EXPECT_EQ(1024, second.X);
    EXPECT_EQ(600 - 31, second.Y);
    const ScreenPoint left = MainMenuCorner({-800, 168, 0, 768}, 31);
    EXPECT_EQ(-800, left.X);
    EXPECT_EQ(768 - 31, left.Y);
}
