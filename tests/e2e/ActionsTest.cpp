// The panel's buttons, menus and frames under real mouse and keyboard input.
#include <gtest/gtest.h>

#include "Session.h"
#include "ScreenPictures.h"
#include "model/Settings.h"
#include "model/PanelLayout.h"

namespace {
// Pixels of button k's picture that differ from the screen with the picture
// at (x, y); the see-through colour of buttons 7 and 8 is skipped.
int ButtonMismatches(const Install& app, int k, const char* file, POINT at)
{
    const Picture pic = PictureFile(ReadAsProgram(app).Config.SkinFolder + file);
    const int w = k <= 4 ? 24 : pic.Width, h = k <= 4 ? 24 : pic.Height;
    const Picture screen = ScreenArea(at.x, at.y, w, h);
    const uint32_t key = pic.At(0, pic.Height - 1);
    int bad = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bad += !(k >= 7 && pic.At(x, y) == key) && screen.At(x, y) != pic.At(x, y);
    return bad;
}

bool Iconic(HWND w)
{
    return IsIconic(w) != FALSE;
}

// Windows of another program, on a thread of their own that answers
// messages while the driver waits: a plain titled window (the only one the
// walk may touch), an invisible one, an untitled one, an owned one, and one
// titled "Program manager" as the desktop's is.
class OtherProgram {
public:
    OtherProgram()
    {
        Ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        Thread = CreateThread(nullptr, 0, Main, this, 0, &ThreadId);
        WaitForSingleObject(Ready, 10000);
        Sleep(300);
    }
    ~OtherProgram()
    {
        PostThreadMessageA(ThreadId, WM_QUIT, 0, 0);
        WaitForSingleObject(Thread, 10000);
        CloseHandle(Thread);
        CloseHandle(Ready);
    }
    HWND Titled = nullptr, Invisible = nullptr, Untitled = nullptr, Owner = nullptr, Owned = nullptr,
         ProgramManager = nullptr;

private:
    static DWORD WINAPI Main(void* self)
    {
        OtherProgram& o = *static_cast<OtherProgram*>(self);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
        wc.lpszClassName = "OtherProgram";
        RegisterClassA(&wc);
        auto make = [](const char* title, DWORD style, int x, HWND owner = nullptr) {
            return CreateWindowExA(0, "OtherProgram", title, style, x, 80, 160, 100, owner, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        };
        const DWORD shown = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        o.Titled = make("Other titled", shown, 250);
        o.Invisible = make("Other invisible", WS_OVERLAPPEDWINDOW, 420);
        o.Untitled = make("", WS_POPUP | WS_BORDER | WS_VISIBLE, 420);
        o.Owner = make("Other owner", WS_OVERLAPPEDWINDOW, 590);
        o.Owned = make("Other owned", shown, 590, o.Owner);
        o.ProgramManager = make("Program manager", shown, 760);
        SetEvent(o.Ready);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        for (HWND w : {o.Titled, o.Invisible, o.Untitled, o.Owned, o.Owner, o.ProgramManager})
            if (IsWindow(w))
                DestroyWindow(w);
        return 0;
    }
    HANDLE Ready = nullptr, Thread = nullptr;
    DWORD ThreadId = 0;
};

bool SamePlace(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top;
}

// Presses at `from`, moves by each of `steps` (offsets from `from`) and
// releases at the last; gives where the panel ends up. A press Wine passed
// over (the panel does not follow the first step) is made again.
RECT Drag(HWND panel, POINT from, std::vector<POINT> steps)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const RECT before = WindowRect(panel);
        PressOrRelease(from.x, from.y, true);
        for (const POINT& d : steps) {
            MoveMouse(from.x + d.x, from.y + d.y);
            if (SamePlace(WindowRect(panel), before))
                break;
        }
        PressOrRelease(from.x + steps.back().x, from.y + steps.back().y, false);
        // Wine now and then passes over a synthetic release, and the panel
        // would then rightly follow the next move. A second release costs
        // nothing when the first arrived: a frame's release only ends a drag.
        PressOrRelease(from.x + steps.back().x, from.y + steps.back().y, false);
        Sleep(200);
        if (!SamePlace(WindowRect(panel), before))
            break;
        MoveMouse(from.x, from.y);
    }
    return WindowRect(panel);
}
} // namespace

TEST(Actions, PressedLookMovesTheButtonWhileHeldAndTheTimerButtonTogglesTheDialog)
{
    Session s("Actions.Pressed");
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    HWND timer = s.Q.Window("TTimerForm");
    ASSERT_TRUE(timer);
    EXPECT_FALSE(IsWindowVisible(timer)) << "created hidden";
    const POINT home = ButtonHomeOnScreen(panel, s.App, 8);
    EXPECT_EQ(0, ButtonMismatches(s.App, 8, "timer.bmp", home));

    for (bool right : {false, true}) {
        PressOrRelease(home.x + 12, home.y + 12, true, right);
        Sleep(300);
        EXPECT_EQ(0, ButtonMismatches(s.App, 8, "timer.bmp", {home.x + 1, home.y + 1})) << "one pixel right and down";
        if (!right)
            Screenshot("Actions.Pressed");
        EXPECT_EQ(!right, !IsWindowVisible(timer)) << "the action waits for the release";
        // Released off the button: the release still belongs to it.
        PressOrRelease(home.x + 60, home.y - 40, false, right);
        EXPECT_TRUE(WaitFor([&] { return (IsWindowVisible(timer) != FALSE) == !right; })) << right;
        Sleep(300);
        EXPECT_EQ(0, ButtonMismatches(s.App, 8, "timer.bmp", home)) << "back home";
        if (!right)
            Screenshot("Timer.Shown");
    }
}

TEST(Actions, CloseAllAndMinimizeAllTouchOnlyOtherProgramsPlainWindows)
{
    Session s("Actions.WindowWalk");
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    HWND timer = s.Q.Window("TTimerForm");  // one more window of ours
    ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, 8), [&] { return IsWindowVisible(timer) != FALSE; }));
    std::vector<HWND> ours = {s.StartButton(), panel, timer};

    {
        OtherProgram other;
        ASSERT_EQ(other.ProgramManager, FindWindowA(nullptr, "PROGRAM MANAGER"));
        Screenshot("Actions.BeforeCloseAll");
        EXPECT_TRUE(ClickUntil(ButtonCentre(panel, s.App, 3), [&] { return !IsWindow(other.Titled); }));
        Sleep(300);
        for (HWND w : {other.Invisible, other.Untitled, other.Owned, other.ProgramManager})
            EXPECT_TRUE(IsWindow(w)) << TextOf(w);
        for (HWND w : ours)
            EXPECT_TRUE(IsWindowVisible(w) && !Iconic(w)) << ClassOf(w);
        EXPECT_TRUE(IsWindowVisible(s.Tray.Tray));
    }
    {
        OtherProgram other;
        EXPECT_TRUE(ClickUntil(ButtonCentre(panel, s.App, 4), [&] { return Iconic(other.Titled); }));
        Sleep(300);
        for (HWND w : {other.Untitled, other.Owned, other.ProgramManager})
            EXPECT_FALSE(Iconic(w)) << TextOf(w);
        for (HWND w : ours)
            EXPECT_TRUE(IsWindowVisible(w) && !Iconic(w)) << ClassOf(w);
        EXPECT_TRUE(IsWindowVisible(s.Tray.Tray) && !Iconic(s.Tray.Tray));
    }
    EXPECT_EQ(nullptr, s.Q.ErrorBox());
}

TEST(Actions, FolderAndProgramMenusOpenAboveThePanelAndOpenTheirEntries)
{
    // Three folders, no programs.
    std::vector<std::pair<std::string, std::string>> dirs;
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        dirs.push_back({name, InstallDir("Actions.Menus") + "Folders\\" + name});
    Session s("Actions.Menus", "", {{"Dirs.qvl", ListFile(dirs)}});
    CreateDirectoryA(s.App.File("Folders").c_str(), nullptr);
    for (const auto& d : dirs)
        CreateDirectoryA(d.second.c_str(), nullptr);
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    const RECT p = WindowRect(panel);

    int heights[2] = {};
    const struct {
        int Button;
        int Count;
    } menus[] = {{6, 0}, {5, 3}};
    for (const auto& m : menus) {
        HWND menu = nullptr;
        ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, m.Button),
                               [&] { return (menu = PopupMenuOf(s.Q.Pid())) != nullptr; }))
            << m.Button;
        const RECT r = WindowRect(menu);
        EXPECT_EQ(p.left, r.left) << m.Button;
        EXPECT_EQ(MenuPopupTop(p.top, uint8_t(m.Count)), r.top) << m.Button;
        heights[m.Count > 0] = r.bottom - r.top;
        Screenshot(m.Button == 5 ? "Actions.FolderMenu3" : "Actions.ProgramMenu0");
        PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitFor([&] { return PopupMenuOf(s.Q.Pid()) == nullptr; }));
    }
    EXPECT_GT(heights[1] - heights[0], 3 * 10) << "three entry items and a separator more";

    // The second entry, from the keyboard: add, delete, then the entries.
    ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, 5), [&] { return PopupMenuOf(s.Q.Pid()) != nullptr; }));
    for (int i = 0; i < 4; ++i)
        PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    HWND opened = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (opened = WindowTitled("Beta")) != nullptr; }, 15000));
    Screenshot("Actions.FolderOpened");
    EXPECT_EQ(nullptr, WindowTitled("Alpha"));
    EXPECT_EQ(nullptr, WindowTitled("Gamma"));
    if (opened)
        PostMessageA(opened, WM_CLOSE, 0, 0);
}

TEST(Actions, TwentyProgramsFillTheMenuAndAnEntryOpensItsFile)
{
    std::vector<std::pair<std::string, std::string>> apps;
    for (int n = 1; n <= 20; ++n)
        apps.push_back({"Note " + std::to_string(n), InstallDir("Actions.Programs") + "note" + std::to_string(n) + ".txt"});
    Files files = {{"Apps.qvl", ListFile(apps)}, {"Dirs.qvl", ListFile({{"One", "C:\\"}})}};
    for (int n = 1; n <= 20; ++n)
        files.push_back({"note" + std::to_string(n) + ".txt", "note " + std::to_string(n) + "\r\n"});
    Session s("Actions.Programs", "", files);
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    const RECT p = WindowRect(panel);

    int height[2] = {};
    for (int button : {5, 6}) {
        HWND menu = nullptr;
        ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, button),
                               [&] { return (menu = PopupMenuOf(s.Q.Pid())) != nullptr; }));
        const RECT r = WindowRect(menu);
        EXPECT_EQ(p.left, r.left);
        EXPECT_EQ(MenuPopupTop(p.top, button == 5 ? 1 : 20), r.top);
        height[button == 6] = r.bottom - r.top;
        if (button == 6)
            Screenshot("Actions.ProgramMenu20");
        PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitFor([&] { return PopupMenuOf(s.Q.Pid()) == nullptr; }));
    }
    // Nineteen more entries, each as high as the others.
    const int per = (height[1] - height[0]) / 19;
    EXPECT_GE(per, 13);
    EXPECT_EQ(height[1] - height[0], 19 * per);

    // Entry 20, the last slot: add, delete, then the twenty entries.
    ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, 6), [&] { return PopupMenuOf(s.Q.Pid()) != nullptr; }));
    for (int i = 0; i < 22; ++i)
        PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    HWND editor = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (editor = WindowTitled("note20")) != nullptr; }, 15000));
    if (editor) {
        EXPECT_TRUE(IsZoomed(editor)) << "opened maximised";
        Sleep(500);
        Screenshot("Actions.ProgramOpened");
        // Above it in the z-order. (Wine's virtual desktop draws the new
        // maximised window over the topmost panel all the same.)
        bool panelFirst = false;
        for (HWND w = GetTopWindow(nullptr); w && w != editor; w = GetWindow(w, GW_HWNDNEXT))
            panelFirst = panelFirst || w == panel;
        EXPECT_TRUE(panelFirst);
        PostMessageA(editor, WM_CLOSE, 0, 0);
    }
}

TEST(Actions, EitherFrameDragsThePanelByThePointersTravel)
{
    Session s("Actions.Drag");
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    const RECT r0 = WindowRect(panel);
    const int h = r0.bottom - r0.top;

    // Passing over a frame moves nothing.
    MoveMouse(r0.left + 3, r0.top + h / 2);
    MoveMouse(r0.left + 5, r0.top + h / 2 - 8);
    EXPECT_EQ(r0.top, WindowRect(panel).top);
    EXPECT_EQ(r0.left, WindowRect(panel).left);

    // The left frame, to the right and up, in two steps.
    const RECT r1 = Drag(panel, {r0.left + 3, r0.top + h / 2}, {{20, -10}, {50, -30}});
    EXPECT_EQ(r0.left + 50, r1.left);
    EXPECT_EQ(r0.top - 30, r1.top);

    // The right frame, left and up; a move after the release changes nothing.
    const RECT r2 = Drag(panel, {r1.right - 3, r1.top + h / 2}, {{-40, -60}});
    MoveMouse(r2.right - 20, r2.top + 5);
    Sleep(200);
    EXPECT_EQ(r1.left - 40, WindowRect(panel).left);
    EXPECT_EQ(r1.top - 60, WindowRect(panel).top);
    Screenshot("Actions.Dragged");

    // A press and release without motion.
    const POINT at = {r2.left + 3, r2.top + h / 2};
    PressOrRelease(at.x, at.y, true);
    PressOrRelease(at.x, at.y, false);
    EXPECT_EQ(r2.left, WindowRect(panel).left);
    EXPECT_EQ(r2.top, WindowRect(panel).top);
}

TEST(Actions, CdButtonOpensAndClosesItsDriveAndMonitorButtonSwitchesTheMonitorOff)
{
    Session s("Actions.Cd", "cdrom=Q\r\n");
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    const POINT cd = ButtonCentre(panel, s.App, 1);
    {
        CdDriverStandIn driver;
        const std::string once = "open Q:\r\ndoor open\r\nclose\r\n";
        ClickAt(cd.x, cd.y);
        EXPECT_TRUE(WaitFor([&] { return driver.Commands() == once; })) << driver.Commands();
        ClickAt(cd.x, cd.y);
        EXPECT_TRUE(WaitFor([&] { return driver.Commands() == once + "open Q:\r\ndoor closed\r\nclose\r\n"; }))
            << driver.Commands();
    }
    // Without such a drive the system's driver refuses, and nothing is shown.
    for (int i = 0; i < 3; ++i)
        ClickAt(cd.x, cd.y);
    WindowCommandWatch watch;
    const POINT monitor = ButtonCentre(panel, s.App, 7);
    ClickAt(monitor.x, monitor.y);
    EXPECT_TRUE(WaitFor([&] { return watch.Seen() == "monitor off\r\n"; })) << watch.Seen();
    EXPECT_EQ(nullptr, s.Q.ErrorBox());
    EXPECT_FALSE(s.Q.WaitExit(0));
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_EQ(0, ButtonMismatches(s.App, 1, "cdrom.bmp", ButtonHomeOnScreen(panel, s.App, 1)));
}

TEST(Actions, CloseButtonAsksAndClosesOnlyOnYes)
{
    Session s("Actions.Close");
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    for (int answer : {IDNO, IDYES}) {
        HWND box = nullptr;
        ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, 2), [&] { return (box = s.Q.ErrorBox()) != nullptr; }));
        EXPECT_EQ("Confirm", TextOf(box));
        EXPECT_EQ("You really want to close Quorvel?", BoxMessage(box));
        if (answer == IDNO) {
            Screenshot("Actions.CloseAsks");
            const RECT b = WindowRect(GetDlgItem(box, IDNO));
            ClickAt((b.left + b.right) / 2, (b.top + b.bottom) / 2);
            ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
            EXPECT_FALSE(s.Q.WaitExit(500));
            EXPECT_TRUE(IsWindowVisible(panel));
        } else {
            SetForegroundWindow(box);
            Sleep(200);
            PressKey(VK_RETURN);
        }
    }
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_TRUE(IsWindowVisible(s.Tray.Start));
    EXPECT_TRUE(Exists(s.App.File("Settings.ini")));
}
