// Quorvel on the XP-like test taskbar, run once with Wine reporting Windows XP
// and once Windows 98.
#include <gtest/gtest.h>

#include "Session.h"
#include "ScreenPictures.h"

namespace {
bool HasTaskbarButton(DWORD pid)
{
    for (HWND w : TopLevelWindows(pid))
        if (IsWindowVisible(w) && !GetWindow(w, GW_OWNER) && !(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
            return true;
    return false;
}

std::string Name()
{
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "." + info->name() + "-" + Env("QV_MODE");
}
} // namespace

TEST(TestTray, StartButtonTakesTheStartButtonsPlace)
{
    bool startShown = false;
    POINT origin = {0, 0};
    Picture pic, under;
    Session s(Name(), "", {}, [&](const Install& app, TestTaskbar& tray) {
        startShown = tray.Start && IsWindowVisible(tray.Start);
        if (!startShown)
            return;
        ClientToScreen(tray.Tray, &origin);
        // What the taskbar shows where its Start button was, for the
        // see-through corners of Quorvel's button.
        ShowWindow(tray.Start, SW_HIDE);
        Sleep(300);
        pic = PictureFile(app.Dir + "Skins\\xpdefault\\normal.bmp");
        under = ScreenArea(origin.x, origin.y, pic.Width, pic.Height);
        ShowWindow(tray.Start, SW_SHOW);
    });
    TestTaskbar& tray = s.Tray;
    ASSERT_TRUE(startShown);
    ASSERT_GT(pic.Width, 0);
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND startButton = s.StartButton();

    EXPECT_FALSE(IsWindowVisible(tray.Start));
    Sleep(1000);
    EXPECT_FALSE(IsWindowVisible(tray.Start)) << "the Start button came back";

    // Under Wine the button is a top-level window laid over the taskbar's
    // client origin, owned by the taskbar so that it stays above it.
    RECT r;
    GetWindowRect(startButton, &r);
    EXPECT_EQ(origin.x, r.left);
    EXPECT_EQ(origin.y, r.top);
    EXPECT_EQ(pic.Width, r.right - r.left);
    EXPECT_EQ(pic.Height, r.bottom - r.top);
    EXPECT_EQ(tray.Tray, GetWindow(startButton, GW_OWNER));

    // What the user sees: the default skin's picture, with the taskbar
    // through its corners.
    EXPECT_EQ(0, ScreenMismatches(startButton, pic, &under));

    EXPECT_FALSE(HasTaskbarButton(s.Q.Pid()));
    HWND appWnd = s.Q.Window("TApplication");
    ASSERT_TRUE(appWnd);
    EXPECT_TRUE(GetWindowLongA(appWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    Screenshot(Name());
}

TEST(TestTray, CloseShowsTheStartButtonBeforeSaving)
{
    const std::string dirs = "Work\r\nC:\\Work\r\n";
    Session s(Name(), "", {{"Dirs.qvl", dirs}});
    const Install& app = s.App;
    ASSERT_TRUE(s.Q.WaitStarted());
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_EQ(0u, s.Q.ExitCode());
    Sleep(300);
    Screenshot(Name());

    EXPECT_TRUE(IsWindowVisible(s.Tray.Start));
    // After the hide at start, the next show must come while Settings.ini
    // does not exist yet.
    bool hidden = false, shownBeforeSave = false;
    for (const std::string& line : s.Tray.LogLines()) {
        if (line == "show 0 exists=0")
            hidden = true;
        else if (hidden && line.compare(0, 7, "show 1 ") == 0) {
            shownBeforeSave = line == "show 1 exists=0";
            break;
        }
    }
    EXPECT_TRUE(shownBeforeSave) << "the Start button was not shown before Settings.ini was written";
    std::string settings = DefaultSettingsFile(app.Dir);
    settings.replace(settings.find("numdirs=0"), 9, "numdirs=1");
    EXPECT_EQ(settings, ReadBytes(app.File("Settings.ini")));
    EXPECT_EQ(dirs, ReadBytes(app.File("Dirs.qvl")));
    // A missing list file is created empty when the panel reads the lists.
    EXPECT_EQ("", ReadBytes(app.File("Apps.qvl")));
    EXPECT_TRUE(Exists(app.File("Apps.qvl")));
    EXPECT_FALSE(Exists(app.File("Settings.ini.new")));
}

TEST(TestTray, SettingsAreRewrittenAndTheRunValueFollowsThem)
{
    // In a folder with a space, whose bare path Windows would first try as a
    // shorter program; an earlier version left the value unquoted.
    const std::string name = Name() + " with space";
    PlantRunValue(InstallDir(name) + "Quorvel.exe");
    Session s(name, "monitor=1\nbut8=1\r\nbut1=8\r\nnumapps=7\r\nAutorun=false\r\n"
                    "no equals sign\r\nunknown=5\r\ncdrom=g:\r\nnumbut=264\r\n"
                    "skin=classic.qvs\rjunk after a lone CR\r\nautorun=true\r\n"
                    "skindir=" + InstallDir(name) + "Skins\\xpclassic\\\r\nmonitor=0");
    const Install& app = s.App;
    ASSERT_TRUE(s.Q.WaitStarted());
    EXPECT_EQ(app.RunCommand(), RunValue());
    Screenshot(Name());
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_EQ("skin=classic.qvs\r\nnumbut=8\r\nnumapps=0\r\nnumdirs=0\r\nautorun=true\r\ncdrom=g\r\n"
              "but1=8\r\nbut2=2\r\nbut3=3\r\nbut4=4\r\nbut5=5\r\nbut6=6\r\nbut7=7\r\nbut8=1\r\n"
              "monitor=1\r\nskindir=" + app.Dir + "Skins\\xpclassic\\\r\n",
              ReadBytes(app.File("Settings.ini")));

    WriteBytes(app.File("Settings.ini"), "autorun=false\r\n");
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    EXPECT_EQ("<none>", RunValue());
    PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.WaitExit());
}

TEST(TestTray, BadNumberIsReportedAndTheProgramGoesOn)
{
    ClearRunValue();
    Session s(Name(), "cdrom=g\r\nautorun=true\r\nnumbut=abc\r\nmonitor=1\r\n");
    const Install& app = s.App;
    Quorvel& q = s.Q;
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = q.ErrorBox()) != nullptr; }));
    EXPECT_EQ("'abc' is not a valid integer value\n" + app.File("Settings.ini"), BoxMessage(box));
    EXPECT_TRUE(IsWindowVisible(s.Tray.Start)) << "the Start button stays while the box is up";
    Screenshot(Name());
    SetForegroundWindow(box);
    Sleep(200);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));

    ASSERT_TRUE(q.WaitStarted());
    // The skin was never loaded: the built-in picture is what the user sees.
    RECT r;
    GetWindowRect(q.Window("TForm1"), &r);
    EXPECT_EQ(95, r.right - r.left);
    EXPECT_EQ(31, r.bottom - r.top);
    EXPECT_EQ(0, ScreenMismatches(q.Window("TForm1"), BuiltInPicture(app.Exe()), nullptr));
    // The rest of the start-up steps were skipped: no Run value was written.
    EXPECT_EQ("<none>", RunValue());

    PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.WaitExit());
    // Lines before the bad one were taken, the ones after it not.
    const std::string saved = ReadBytes(app.File("Settings.ini"));
    EXPECT_NE(std::string::npos, saved.find("cdrom=g\r\n"));
    EXPECT_NE(std::string::npos, saved.find("autorun=true\r\n"));
    EXPECT_NE(std::string::npos, saved.find("monitor=0\r\n"));
}

TEST(TestTray, SecondInstanceLeavesAtOnceAndTouchesNothing)
{
    Install other(Name() + "-2");
    Session s(Name());
    const TestTaskbar& tray = s.Tray;
    Quorvel& first = s.Q;
    ASSERT_TRUE(first.WaitStarted());
    {
        Quorvel second(other);
        ASSERT_TRUE(second.WaitExit(5000));
        EXPECT_EQ(nullptr, second.Window("TForm1"));
    }
    EXPECT_FALSE(Exists(other.File("Settings.ini")));
    EXPECT_FALSE(IsWindowVisible(tray.Start));
    EXPECT_TRUE(IsWindowVisible(first.Window("TForm1")));
    Screenshot(Name());
    PostMessageA(first.Window("TForm1"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.WaitExit());
    EXPECT_TRUE(IsWindowVisible(tray.Start));
}

TEST(NoTaskbar, StaysATopLevelWindowAtTheTopLeft)
{
    Install app(Name());
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    HWND startButton = q.Window("TForm1");
    RECT r;
    GetWindowRect(startButton, &r);
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(0, r.top);
    EXPECT_EQ(PictureFile(app.Dir + "Skins\\xpdefault\\normal.bmp").Width, r.right - r.left);
    EXPECT_TRUE(GetWindowLongA(startButton, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(startButton, GWL_STYLE) & WS_CHILD);
    Screenshot(Name());
    PostMessageA(startButton, WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.WaitExit());
    EXPECT_EQ(DefaultSettingsFile(app.Dir), ReadBytes(app.File("Settings.ini")));
}

TEST(TestTray, AFailedSaveAtCloseIsReportedAndTheOldFileKept)
{
    const std::string old = "numbut=3\r\n";
    Session s(Name(), old, {}, [](const Install& app, TestTaskbar&) {
        SetFileAttributesA(app.File("Settings.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    });
    const Install& app = s.App;
    const TestTaskbar& tray = s.Tray;
    Quorvel& q = s.Q;
    ASSERT_TRUE(q.WaitStarted());
    PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = q.ErrorBox()) != nullptr; }));
    EXPECT_EQ("I/O error 5\n" + app.File("Settings.ini") + "\n\nClose Quorvel without saving?", BoxMessage(box));
    Screenshot(Name());
    // Quorvel stays in the taskbar: the user still sees one Start button.
    EXPECT_FALSE(IsWindowVisible(tray.Start));
    SetForegroundWindow(box);
    Sleep(200);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
    // The program goes on running; the old file is whole.
    EXPECT_FALSE(q.WaitExit(500));
    EXPECT_EQ(old, ReadBytes(app.File("Settings.ini")));
    EXPECT_FALSE(Exists(app.File("Settings.ini.new")));
    SetFileAttributesA(app.File("Settings.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}
