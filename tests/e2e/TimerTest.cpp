// The shutdown timer dialog under real input; its minute is a posted tick.
#include <gtest/gtest.h>

#include "Session.h"
#include "ui/Commands.h"

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
    std::vector<WORD> keys(13, VK_BACK);
    keys[0] = VK_END;
    for (char c : digits)
        keys.push_back(WORD(c));
    PressKeys(keys);
}

// Shows the timer dialog with the panel's timer button.
HWND OpenTimer(Session& s, POINT& timerButton)
{
    const HWND form = s.Q.Window("TTimerForm");
    HWND panel = s.ShowPanel();
    ClickOn(panel);  // not on a button: the frame
    timerButton = ButtonCentre(panel, s.App, 8);
    if (!form || !ClickUntil(timerButton, [&] { return IsWindowVisible(form) != FALSE; }))
        return nullptr;
    Sleep(300);
    return form;
}
} // namespace

TEST(Timer, TheDialogCountsWhileHiddenAndKeepsItsFieldInRange)
{
    Session s("Timer.Dialog");
    ASSERT_TRUE(s.Q.WaitStarted());
    ASSERT_TRUE(s.Q.Window("TTimerForm")) << "made at the start";
    EXPECT_FALSE(IsWindowVisible(s.Q.Window("TTimerForm")));
    POINT timerButton;
    const HWND form = OpenTimer(s, timerButton);
    ASSERT_TRUE(form);
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

// A number typed too long, one pasted with letters, or none at all: Start
// counts from the range's end or refuses, and no minute shuts anything down.
TEST(Timer, AMistypedNumberNeverArmsAShutdown)
{
    Session s("Timer.Mistyped");
    ASSERT_TRUE(s.Q.WaitStarted());
    POINT timerButton;
    const TimerDialog t(OpenTimer(s, timerButton));
    ASSERT_TRUE(t.Form && t.Field && t.Start);

    // As a user slips: a click into the field, End, eight nines after "100".
    ClickOn(t.Field);
    PressKey(VK_END);
    TypeText("99999999");
    EXPECT_EQ("10099999999", TextOf(t.Field));
    EXPECT_TRUE(ClickUntil(Middle(t.Start), [&] { return TextOf(t.Start) == "Stop"; }));
    EXPECT_EQ("30000", TextOf(t.Field)) << "clamped on Start";
    t.Tick();
    EXPECT_EQ("29999", TextOf(t.Field));
    EXPECT_TRUE(ClickUntil(Middle(t.Start), [&] { return TextOf(t.Start) == "Start"; }));

    // Left with Tab, a number past 32 bits is clamped too.
    ClickOn(t.Field);
    Type("4294967296");
    PressKey(VK_TAB);
    EXPECT_EQ("30000", TextOf(t.Field));

    // Letters do not go into the field from the keyboard; pasted, and with
    // the field emptied, Start refuses.
    ClickOn(t.Field);
    Type("");
    TypeText("30000abc");
    EXPECT_EQ("30000", TextOf(t.Field));
    for (const char* text : {"30000abc", ""}) {
        SendMessageA(t.Field, WM_SETTEXT, 0, LPARAM(text));
        ClickOn(t.Start);
        Sleep(300);
        EXPECT_EQ("Start", TextOf(t.Start)) << text;
        EXPECT_EQ(text, TextOf(t.Field));
        t.Tick();
        t.Tick();
    }
    Screenshot("Timer.Refused");
    EXPECT_FALSE(s.Q.WaitExit(1000)) << "no shutdown";
    EXPECT_EQ(nullptr, s.Q.ErrorBox());
}

// A minute before the forced shutdown a warning comes up above everything,
// without taking the keyboard, however the count got there, and answers
// whatever else is open; Cancel stops the count as "Stop" does.
TEST(Timer, TheLastMinuteWarnsAndCancelStopsTheCount)
{
    Session s("Timer.Warning");
    ASSERT_TRUE(s.Q.WaitStarted());
    POINT timerButton;
    const HWND form = OpenTimer(s, timerButton);
    ASSERT_TRUE(form);
    TimerDialog t(form);
    ASSERT_TRUE(ClickUntil(Middle(t.Start), [&] { return TextOf(t.Start) == "Stop"; }));
    t.Tick();
    EXPECT_EQ(nullptr, s.Q.Window("TWarnForm")) << "no warning before the last minute";
    // Typed down to 1 while it counts: the next tick would shut down.
    ClickOn(t.Field);
    Type("1");
    HWND warning = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (warning = s.Q.Window("TWarnForm")) && IsWindowVisible(warning); }));
    EXPECT_TRUE(GetWindowLongA(warning, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(warning, GetForegroundWindow()) << "keys typed elsewhere must not answer it";
    EXPECT_EQ(t.Field, FocusOf(t.Form));
    const RECT w = WindowRect(warning), d = WindowRect(t.Form);
    EXPECT_TRUE(w.bottom <= d.top || w.top >= d.bottom) << "the timer dialog stays in sight";
    Screenshot("Timer.Warning");

    // About, modal, disables the program's other windows, but not this one.
    Command(s.StartButton(), CmdAbout);
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = s.Q.Window("TAbout")) && IsWindowVisible(about); }));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(warning, "Cancel")), [&] { return !IsWindowVisible(warning); }));
    EXPECT_EQ("Start", TextOf(t.Start));
    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(about) && IsWindowEnabled(t.Form); }));
    EXPECT_EQ("1", TextOf(t.Field));
    t.Tick();
    t.Tick();
    EXPECT_EQ("1", TextOf(t.Field));
    EXPECT_FALSE(s.Q.WaitExit(1000)) << "no shutdown after a cancel";

    // Started at 1 it warns at once, and "Stop" takes the warning away.
    ASSERT_TRUE(ClickUntil(Middle(t.Start), [&] { return TextOf(t.Start) == "Stop"; }));
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(warning) != FALSE; }));
    ASSERT_TRUE(ClickUntil(Middle(t.Start), [&] { return TextOf(t.Start) == "Start"; }));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(warning); }));
}
