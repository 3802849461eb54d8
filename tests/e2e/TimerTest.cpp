// The shutdown timer dialog under real input; its minute is a posted tick.
#include <gtest/gtest.h>

#include "Session.h"

namespace {
struct TimerDialog {
    HWND Form = nullptr, Label = nullptr, Field = nullptr, Arrows = nullptr, Start = nullptr, Hide = nullptr;
    explicit TimerDialog(HWND form) : Form(form)
    {
        for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const std::string cls = ClassOf(c), text = TextOf(c);
            if (cls == "Static")
                Label = c;
            else if (cls == "Edit")
                Field = c;
            else if (cls == "msctls_updown32")
                Arrows = c;
            else if (text == "Hide")
                Hide = c;
            else if (cls == "Button")
                Start = c;
        }
    }
    void Tick() const
    {
        PostMessageA(Form, WM_TIMER, 1, 0);
        Sleep(200);
    }
};

// Replaces the field's text from the keyboard.
void Type(const std::string& digits)
{
    PressKey(VK_END);
    for (int i = 0; i < 8; ++i)
        PressKey(VK_BACK);
    for (char c : digits)
        PressKey(WORD(c));
}
} // namespace

TEST(Timer, TheDialogCountsWhileHiddenAndKeepsItsFieldInRange)
{
    Session s("Timer.Dialog");
    ASSERT_TRUE(s.Q.WaitStarted());
    const HWND form = s.Q.Window("TTimerForm");
    ASSERT_TRUE(form) << "made at the start";
    EXPECT_FALSE(IsWindowVisible(form));
    HWND panel = s.ShowPanel();
    ClickOn(panel);  // not on a button: the frame
    const POINT timerButton = ButtonCentre(panel, s.App, 8);
    ASSERT_TRUE(ClickUntil(timerButton, [&] { return IsWindowVisible(form) != FALSE; }));
    Sleep(300);
    TimerDialog t(form);
    ASSERT_TRUE(t.Form && t.Label && t.Field && t.Arrows && t.Start && t.Hide);
    EXPECT_EQ("Timer", TextOf(t.Form));
    RECT client;
    GetClientRect(t.Form, &client);
    EXPECT_EQ(214, client.right);
    EXPECT_EQ(64, client.bottom);
    EXPECT_EQ("Power off a computer through (In minutes)", TextOf(t.Label));
    EXPECT_EQ("100", TextOf(t.Field));
    EXPECT_EQ("Start", TextOf(t.Start));
    EXPECT_EQ(57, WindowSize(t.Field).cx + WindowSize(t.Arrows).cx) << "field and arrows together";
    EXPECT_EQ(65, WindowSize(t.Start).cx);
    EXPECT_EQ(65, WindowSize(t.Hide).cx);
    const LONG style = GetWindowLongA(t.Form, GWL_STYLE);
    EXPECT_TRUE((style & WS_SYSMENU) && !(style & WS_THICKFRAME) && !(style & WS_MAXIMIZEBOX));
    EXPECT_EQ(t.Field, FocusOf(t.Form)) << "the field takes the keyboard, not " << ClassOf(FocusOf(t.Form));

    // From here on the keyboard, as far as it goes: Tab order is the field,
    // "Start", "Hide".
    // Out of range: clamped when the field is left.
    Type("40000");
    EXPECT_EQ("40000", TextOf(t.Field));
    PressKey(VK_TAB);
    EXPECT_EQ("30000", TextOf(t.Field));
    EXPECT_EQ(t.Start, FocusOf(t.Form));

    // 3 minutes, started with Enter on "Start".
    PressChord(VK_SHIFT, VK_TAB);
    Type("3");
    PressKey(VK_TAB);
    PressKey(VK_RETURN);
    EXPECT_EQ("Stop", TextOf(t.Start));
    t.Tick();
    EXPECT_EQ("2", TextOf(t.Field));
    Screenshot("Timer.Running");

    // Hidden by "Hide", it goes on counting; shown again, it shows where it is.
    PressKey(VK_TAB);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(t.Form); }));
    t.Tick();
    ASSERT_TRUE(ClickUntil(timerButton, [&] { return IsWindowVisible(t.Form) != FALSE; }));
    Sleep(300);
    EXPECT_EQ("1", TextOf(t.Field));
    EXPECT_EQ("Stop", TextOf(t.Start));

    // "Stop" keeps the number; a stray tick while idle changes nothing.
    PressChord(VK_SHIFT, VK_TAB);
    PressKey(VK_RETURN);
    EXPECT_EQ("Start", TextOf(t.Start));
    t.Tick();
    EXPECT_EQ("1", TextOf(t.Field));

    // From 0 it never shuts down: the field stays at 0.
    PressChord(VK_SHIFT, VK_TAB);
    Type("0");
    PressKey(VK_TAB);
    PressKey(VK_RETURN);
    EXPECT_EQ("Stop", TextOf(t.Start));
    t.Tick();
    t.Tick();
    EXPECT_EQ("0", TextOf(t.Field));
    EXPECT_FALSE(s.Q.WaitExit(1000));
    PressKey(VK_RETURN);
    EXPECT_EQ("Start", TextOf(t.Start));

    // The arrows stop at the range's ends: the keys, then the mouse.
    PressChord(VK_SHIFT, VK_TAB);
    PressKey(VK_DOWN);
    EXPECT_EQ("0", TextOf(t.Field));
    PressKey(VK_UP);
    EXPECT_EQ("1", TextOf(t.Field));
    const RECT a = WindowRect(t.Arrows);
    EXPECT_TRUE(ClickUntil({(a.left + a.right) / 2, a.top + 3}, [&] { return TextOf(t.Field) == "2"; }));

    // The close box hides it too.
    PostMessageA(t.Form, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(t.Form); }));
    EXPECT_FALSE(s.Q.WaitExit(300));
    EXPECT_EQ(nullptr, s.Q.ErrorBox());
}
