// The start button's three zones with real mouse input, the main menu, and
// the panel as the user sees it in every built-in skin.
#include <gtest/gtest.h>

#include "Session.h"
#include "ScreenPictures.h"
#include "ui/Commands.h"
#include "model/PanelButtons.h"
#include "model/Settings.h"
#include "model/SkinFile.h"
#include "model/PanelLayout.h"

namespace {
// Compares the panel on screen with the skin's pictures at the places the
// layout gives.
int PanelMismatches(HWND panel, const ProgramView& v)
{
    const std::string& skinDir = v.Config.SkinFolder;
    const RECT r = WindowRect(panel);
    const int frame = BmpSize(skinDir + "back.bmp").cx;
    const Picture screen = ScreenArea(r.left, r.top, r.right - r.left, r.bottom - r.top);
    int bad = 0;
    for (int k = 1; k <= PanelButtonCount; ++k) {
        const uint8_t slot = v.Config.ButtonSlot[k];
        if (slot == 0 || slot > v.Config.ButtonCount)
            continue;
        const PanelButtonRow& row = PanelButtons[k];
        const Picture pic = PictureFile(skinDir + row.File);
        const ButtonPlace home = ButtonHome(v.Skin, slot, frame);
        const int w = row.FixedSize ? FixedButtonSize : pic.Width, h = row.FixedSize ? FixedButtonSize : pic.Height;
        const uint32_t key = pic.At(0, pic.Height - 1);
        for (int y = 0; y < h && home.Top + y < screen.Height; ++y)
            for (int x = 0; x < w; ++x) {
                if (row.SeeThrough && pic.At(x, y) == key)
                    continue;
                if (screen.At(home.Left + x, home.Top + y) != pic.At(x, y) && ++bad <= 3)
                    ADD_FAILURE() << "button " << k << " pixel " << x << "," << y;
            }
    }
    return bad;
}

uint32_t Le32(uint32_t v, std::string& out)
{
    for (int i = 0; i < 4; ++i)
        out += char(v >> (8 * i));
    return v;
}

// A plain 24-bit bitmap of one colour (the lower-left pixel may differ).
std::string SolidBmp(int w, int h, uint32_t rgb, uint32_t lowerLeft)
{
    const uint32_t stride = uint32_t(w * 3 + 3) & ~3u;
    std::string f = "BM";
    Le32(54 + stride * h, f);
    Le32(0, f);
    Le32(54, f);
    Le32(40, f);
    Le32(w, f);
    Le32(h, f);
    f += std::string("\x01\x00\x18\x00", 4);
    for (int i = 0; i < 6; ++i)
        Le32(0, f);
    for (int y = 0; y < h; ++y) {  // bottom-up: the first row is the lowest
        std::string row;
        for (int x = 0; x < w; ++x) {
            const uint32_t c = (x == 0 && y == 0) ? lowerLeft : rgb;
            row += char(c & 0xFF);
            row += char(c >> 8 & 0xFF);
            row += char(c >> 16 & 0xFF);
        }
        row.resize(stride, '\0');
        f += row;
    }
    return f;
}
} // namespace

TEST(Panel, Zone1SendsTheStartButtonAClick)
{
    for (bool right : {false, true}) {
        Session s(right ? "Panel.Zone1.right" : "Panel.Zone1.left");
        ASSERT_TRUE(s.Q.WaitStarted());
        s.ClickZone(1, right);
        EXPECT_TRUE(WaitFor([&] { return s.Tray.Logged("0201 00000001 00000005"); }, 3000)) << right;
        // Wine's Start button opens on the release, which follows at once.
        EXPECT_TRUE(WaitFor([&] { return s.Tray.Logged("0202 00000000 00000005"); }, 3000)) << right;
    }
}

TEST(Panel, Zone2OpensTheMainMenuAtTheBottomLeftAndAutoloadingFollowsIt)
{
    Session s("Panel.Zone2", "autorun=false\r\n");
    ASSERT_TRUE(s.Q.WaitStarted());
    const int startHeight = WindowSize(s.StartButton()).cy;
    for (bool right : {false, true}) {
        s.ClickZone(2, right);
        HWND menu = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (menu = PopupMenuOf(s.Q.Pid())) != nullptr; }));
        const RECT r = WindowRect(menu);
        EXPECT_EQ(0, r.left);
        // It opens at (0, screen height - StartHeight); there is no room below,
        // so it stands on that point.
        EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) - startHeight, r.bottom);
        Screenshot(right ? "Panel.MainMenu" : "Panel.MainMenu.left");
        PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitFor([&] { return PopupMenuOf(s.Q.Pid()) == nullptr; }));
    }
    // "Autoloading", the first item, chosen from the keyboard: on, then off.
    for (const std::string& want : {s.App.RunCommand(), std::string("<none>")}) {
        s.ClickZone(2);
        ASSERT_TRUE(WaitFor([&] { return PopupMenuOf(s.Q.Pid()) != nullptr; }));
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitFor([&] { return PopupMenuOf(s.Q.Pid()) == nullptr; }));
        Sleep(200);
        EXPECT_EQ(want, RunValue());
    }
    EXPECT_EQ("autorun=false\r\n", ReadBytes(s.App.File("Settings.ini"))) << "Autoloading wrote the settings";
}

TEST(Panel, Zone3ShowsAndHidesThePanelInEverySkin)
{
    Session s("Panel.Zone3");
    ASSERT_TRUE(s.Q.WaitStarted());
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const struct {
        unsigned Id;
        const char* Folder;
    } skins[] = {{CmdStandardXpSkin, "xpdefault"}, {CmdClassicalXpSkin, "xpclassic"}, {CmdButtonXpSkin, "xpbutton"}, {CmdClassicalWin98Skin, "win98"}};
    for (const auto& skin : skins) {
        const std::string dir = s.App.Dir + "Skins\\" + skin.Folder + "\\";
        Command(s.StartButton(), skin.Id);
        const SIZE start = BmpSize(dir + "normal.bmp");
        ASSERT_TRUE(WaitFor([&] { return WindowSize(s.StartButton()).cx == start.cx; })) << skin.Folder;
        Sleep(300);
        HWND panel = s.Panel();
        ASSERT_TRUE(panel);
        EXPECT_FALSE(IsWindowVisible(panel)) << "a rebuilt panel starts hidden";

        ASSERT_TRUE(s.ToggleTo(true)) << skin.Folder;
        Sleep(300);
        const RECT r = WindowRect(panel);
        const ProgramView v = ReadAsProgram(s.App);
        const PanelRect want = PanelBounds(v.Skin, v.Config.ButtonCount, screenHeight, BmpSize(dir + "back.bmp").cx);
        EXPECT_EQ(0, r.left);
        EXPECT_EQ(screenHeight - start.cy, r.bottom) << "the panel stands on the start button's height";
        EXPECT_EQ(want.Width, r.right - r.left);
        EXPECT_EQ(want.Height, r.bottom - r.top);
        EXPECT_TRUE(GetWindowLongA(panel, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(0, PanelMismatches(panel, v)) << skin.Folder;
        Screenshot(std::string("Panel.") + skin.Folder);

        EXPECT_TRUE(s.ToggleTo(false)) << skin.Folder;
    }
}

TEST(Panel, LayoutOfTheWorkedExample)
{
    // Three buttons in slots 1 to 3, 24 wide with gaps of 2, an 11-pixel frame.
    Install app("Panel.Layout");
    const std::string dir = app.Dir + "Skins\\test\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    CopyFileA((app.Dir + "Skins\\xpdefault\\normal.bmp").c_str(), (dir + "normal.bmp").c_str(), FALSE);
    WriteBytes(dir + "test.qvs", "34\r\n0\r\n0\r\n68\r\n30\r\n67\r\n0\r\n81\r\n30\r\n80\r\n0\r\n96\r\n30\r\n24\r\n2\r\n5\r\n");
    WriteBytes(dir + "back.bmp", SolidBmp(11, 34, 0x0000FF, 0x0000FF));
    WriteBytes(dir + "center.bmp", SolidBmp(8, 34, 0xFFFF00, 0xFFFF00));
    WriteBytes(dir + "exitbut.bmp", SolidBmp(24, 24, 0xFF0000, 0xFF0000));
    WriteBytes(dir + "dir.bmp", SolidBmp(24, 24, 0x00FF00, 0x00FF00));
    WriteBytes(dir + "monik.bmp", SolidBmp(24, 24, 0xFF00FF, 0x123456));
    // Buttons 3, 4, 6 and 8 are off the panel: their pictures are never
    // opened. Button 1 stands in the slot after the last, over the right
    // frame, with its built-in picture: the skin has no "cdrom.bmp".
    WriteBytes(app.File("Settings.ini"), "skin=test.qvs\r\nskindir=" + dir +
                                             "\r\nnumbut=3\r\nbut1=4\r\nbut2=1\r\nbut3=0\r\nbut4=0\r\n"
                                             "but5=2\r\nbut6=0\r\nbut7=3\r\nbut8=0\r\n");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
    Quorvel q(app);
    ASSERT_TRUE(q.WaitStarted());
    EXPECT_EQ(nullptr, q.ErrorBox());
    HWND panel = q.Window("TForm2");
    RECT f1 = WindowRect(q.Window("TForm1"));
    ClickAt(f1.left + 88, f1.top + 15);  // zone 3
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }));
    Sleep(300);
    const RECT r = WindowRect(panel);
    EXPECT_EQ(102, r.right - r.left);
    const Picture p = ScreenArea(r.left, r.top, 102, 34);
    EXPECT_EQ(0x0000FFu, p.At(0, 10));    // left frame
    EXPECT_EQ(0xFFFF00u, p.At(11, 10));   // gap: the centre
    EXPECT_EQ(0xFF0000u, p.At(13, 10));   // slot 1 begins at 13
    EXPECT_EQ(0xFF0000u, p.At(36, 28));   // and ends at 36
    EXPECT_EQ(0x00FF00u, p.At(39, 10));   // slot 2 at 39
    EXPECT_EQ(0xFF00FFu, p.At(65, 10));   // slot 3 at 65
    EXPECT_EQ(0xFFFF00u, p.At(65, 28));   // its lower-left colour is see-through
    EXPECT_EQ(0xFFFF00u, p.At(89, 10));   // the last gap
    EXPECT_EQ(0x0000FFu, p.At(101, 2));   // right frame from 91, above the buttons ...
    const Picture cd = BuiltInPicture(app.Exe(), OwnPicture(CdTrayButton));
    int cdPixels = 0;  // ... under button 1 from 91 on, cut off at the panel's edge
    for (int x = 0; x < 11; ++x)
        for (int y = 0; y < 24; ++y)
            cdPixels += p.At(91 + x, 5 + y) == cd.At(x, y);
    EXPECT_EQ(11 * 24, cdPixels);
    EXPECT_EQ(0xFFFF00u, p.At(50, 2));    // above the buttons (top 5)
    Screenshot("Panel.Layout");
}

TEST(Panel, MonitorItemsRewriteTheSettings)
{
    Session s("Panel.Monitor");
    ASSERT_TRUE(s.Q.WaitStarted());
    Command(s.StartButton(), CmdMonitorScreenSaver);
    EXPECT_TRUE(WaitFor([&] { return s.Saved("monitor=") == "monitor=1"; }));
    Command(s.StartButton(), CmdMonitorPowerOff);
    EXPECT_TRUE(WaitFor([&] { return s.Saved("monitor=") == "monitor=0"; }));
}

TEST(Panel, ExitAsksAndOnYesRestoresTheStartButtonAndSaves)
{
    Session s("Panel.Exit");
    ASSERT_TRUE(s.Q.WaitStarted());
    for (int answer : {IDNO, IDYES}) {
        Command(s.StartButton(), CmdExit);
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = s.Q.ErrorBox()) != nullptr; }));
        EXPECT_EQ("Confirm", TextOf(box));
        EXPECT_EQ("You really want to close Quorvel ?", BoxMessage(box));
        if (answer == IDYES) {
            // Yes is the default button: Enter.
            SetForegroundWindow(box);
            Sleep(200);
            PressKey(VK_RETURN);
        } else {
            Screenshot("Panel.Exit");
            const RECT b = WindowRect(GetDlgItem(box, IDNO));
            ClickAt((b.left + b.right) / 2, (b.top + b.bottom) / 2);
            ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
            EXPECT_FALSE(s.Q.WaitExit(500));
            EXPECT_FALSE(Exists(s.App.File("Settings.ini")));
            EXPECT_FALSE(IsWindowVisible(s.Tray.Start));
        }
    }
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_TRUE(IsWindowVisible(s.Tray.Start));
    EXPECT_EQ(DefaultSettingsFile(s.App.Dir), ReadBytes(s.App.File("Settings.ini")));
    EXPECT_TRUE(Exists(s.App.File("Dirs.qvl")));
    EXPECT_TRUE(Exists(s.App.File("Apps.qvl")));
}

TEST(Panel, ABrokenSkinNeverCostsTheFavourites)
{
    const std::string dirs = "Work\nC:\\Work\n", apps = "Editor\r\nC:\\Windows\\notepad.exe\r\n";
    {
        // Chosen while running: the lists were read at start and stay in memory.
        Install app("Panel.BrokenSkin");
        WriteBytes(app.File("Dirs.qvl"), dirs);
        WriteBytes(app.File("Apps.qvl"), apps);
        TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
        Quorvel q(app);
        ASSERT_TRUE(q.WaitStarted());
        DeleteFileA((app.Dir + "Skins\\win98\\back.bmp").c_str());
        Command(q.Window("TForm1"), CmdClassicalWin98Skin);
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = q.ErrorBox()) != nullptr; }));
        const std::string text = BoxMessage(box);
        EXPECT_EQ(0u, text.find("Cannot open file \"" + app.Dir + "Skins\\win98\\back.bmp\". ")) << text;
        Screenshot("Panel.BrokenSkin");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }));
        PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
        ASSERT_TRUE(q.WaitExit());
        EXPECT_EQ(dirs, ReadBytes(app.File("Dirs.qvl")));
        EXPECT_EQ(apps, ReadBytes(app.File("Apps.qvl")));
    }
    // Broken at start: the lists are read all the same, and never written,
    // being unchanged.
    Install app("Panel.BrokenAtStart");
    WriteBytes(app.File("Dirs.qvl"), dirs);
    WriteBytes(app.File("Apps.qvl"), apps);
    DeleteFileA((app.Dir + "Skins\\win98\\back.bmp").c_str());
    WriteBytes(app.File("Settings.ini"), "skin=win98.qvs\r\nskindir=" + app.Dir + "Skins\\win98\\\r\n");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
    Quorvel q(app);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = q.ErrorBox()) != nullptr; }));
    EXPECT_EQ(0u, BoxMessage(box).find("Cannot open file \""));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(q.WaitStarted());
    PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(q.WaitExit());
    EXPECT_EQ(dirs, ReadBytes(app.File("Dirs.qvl")));
    EXPECT_EQ(apps, ReadBytes(app.File("Apps.qvl")));
}

// A start-up error box (a list that cannot be read) comes before the panel
// is made: the button's zone 3 and the hot key wait for it. A hot key the
// program cannot use is kept as written, and said so in the file, and the
// default stands in for it. Settings.ini saved by Notepad (a byte order
// mark) and edited while the program runs keeps what the user wrote.
TEST(Panel, UnderAStartUpBoxTheButtonAndTheKeyWaitForThePanelAndAnUnusableKeyIsKept)
{
    const std::string dir = InstallDir("Panel.StartUpBox");
    std::string classic = DefaultSettingsFile(dir);
    classic.replace(classic.find("xpdef.qvs"), 9, "classic.qvs");
    classic.replace(classic.find("xpdefault"), 9, "xpclassic");
    const std::string settings = "\xEF\xBB\xBF" + classic + "hotkey=Ctrl+Alt+F13\r\n";
    Session s("Panel.StartUpBox", settings, {},
              [](const Install& app, TestTaskbar&) { CreateDirectoryA(app.File("Dirs.qvl").c_str(), nullptr); });
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = s.Q.ErrorBox()) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(s.StartButton()) != FALSE; }));
    s.ClickZone(3);
    PressPanelKey();
    EXPECT_FALSE(s.Q.WaitExit(1000)) << "ended under the box";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return s.Panel() && !s.Q.ErrorBox(); }));
    PressPanelKey();
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(s.Panel()) != FALSE; })) << "the default key";
    std::string edited = ReadBytes(s.App.File("Settings.ini"));
    edited.replace(edited.find("monitor=0"), 9, "monitor=1");
    WriteBytes(s.App.File("Settings.ini"), edited);
    Command(s.StartButton(), CmdStandardXpSkin);  // a save meanwhile
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(s.App.File("Settings.ini")).find("skin=xpdef.qvs") == 0; }));
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_EQ(nullptr, s.Q.ErrorBox());
    const std::string saved = ReadBytes(s.App.File("Settings.ini"));
    EXPECT_NE(std::string::npos, saved.find("\r\nmonitor=1\r\nskindir=" + dir + "Skins\\xpdefault\\\r\n")) << saved;
    EXPECT_NE(std::string::npos, saved.find("\r\nhotkey=Ctrl+Alt+F13\r\n; The hot key above is not one")) << saved;
}

// The panel from the keyboard: the hot key shows it with the keyboard and its
// first button marked, the arrows move the mark, Enter presses the button,
// Escape hides the panel; pressed again, the hot key hides it.
TEST(Panel, TheHotKeyShowsThePanelAndItsKeysPressTheMarkedButton)
{
    Session s("Panel.HotKey");
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.Panel();
    PressPanelKey();
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == panel; }));
    for (int i = 0; i < 9; ++i)
        PressKey(VK_RIGHT);  // past the last, it stays on the last
    Sleep(300);
    Screenshot("Panel.HotKeyMark");
    PressKey(VK_RETURN);
    HWND timer = s.Q.Window("TTimerForm");
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(timer) != FALSE; })) << "Enter on the timer button";

    PressPanelKey();
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(panel); }));
    PressPanelKey();
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; }));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == panel; }));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(panel); }));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == timer; })) << "the keyboard back where it was";
}
