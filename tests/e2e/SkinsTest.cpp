// Skin choices from the main menu (sent as its menu commands), "To choose..."
// with real keyboard input, and the three ways a skin can be broken.
#include <gtest/gtest.h>

#include "Harness.h"
#include "Session.h"
#include "ScreenPictures.h"
#include "ui/Commands.h"

TEST(Skins, EachBuiltInSkinChangesThePictureAndIsStored)
{
    Session s("Skins.BuiltIn");
    ASSERT_TRUE(s.Q.WaitStarted());
    struct {
        unsigned Id;
        const char* Folder;
        const char* File;
    } const skins[] = {
        {CmdClassicalXpSkin, "xpclassic", "classic.qvs"},
        {CmdButtonXpSkin, "xpbutton", "xpbutblue.qvs"},
        {CmdClassicalWin98Skin, "win98", "win98.qvs"},
        {CmdStandardXpSkin, "xpdefault", "xpdef.qvs"},
    };
    for (const auto& skin : skins) {
        const std::string folder = s.App.Dir + "Skins\\" + skin.Folder + "\\";
        const SIZE want = BmpSize(folder + "normal.bmp");
        ASSERT_GT(want.cx, 0) << folder;
        Command(s.StartButton(), skin.Id);
        EXPECT_TRUE(WaitFor([&] {
            const SIZE got = WindowSize(s.StartButton());
            return got.cx == want.cx && got.cy == want.cy;
        })) << skin.Folder;
        EXPECT_EQ(std::string("skin=") + skin.File, s.Saved("skin="));
        EXPECT_EQ("skindir=" + folder, s.Saved("skindir="));
        EXPECT_EQ(nullptr, s.Q.ErrorBox());
        Sleep(300);
        Screenshot(std::string("Skins.") + skin.Folder);
    }
}

TEST(Skins, ToChooseTakesASkinFromAnyFolder)
{
    Session s("Skins.ToChoose");
    ASSERT_TRUE(s.Q.WaitStarted());
    // A copy of the classic skin under another name, outside the program's folder.
    const std::string outside = Env("QV_WORK") + "\\Elsewhere\\";
    CreateDirectoryA(outside.c_str(), nullptr);
    const std::string from = s.App.Dir + "Skins\\xpclassic\\";
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((from + "*").c_str(), &fd);
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileA((from + fd.cFileName).c_str(), (outside + fd.cFileName).c_str(), FALSE);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    MoveFileA((outside + "classic.qvs").c_str(), (outside + "mine.qvs").c_str());

    Command(s.StartButton(), CmdChooseSkinFile);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = s.Q.ErrorBox()) != nullptr; })) << "no open-file dialog";
    Sleep(500);
    Screenshot("Skins.ToChoose.dialog");
    // The one filter, "Skin files" in Russian (Windows-1251), starting in Skins.
    HWND types = GetDlgItem(dialog, 0x470);
    wchar_t filter[64] = L"";
    SendMessageW(types, CB_GETLBTEXT, 0, LPARAM(filter));
    EXPECT_EQ(1, SendMessageW(types, CB_GETCOUNT, 0, 0));
    EXPECT_STREQ(L"\u0424\u0430\u0439\u043B\u044B \u0441\u043A\u0438\u043D\u043E\u0432", filter);
    EXPECT_EQ(1251u, GetACP()) << "Wine runs without the Russian locale: Cyrillic texts show wrong";
    SetForegroundWindow(dialog);
    TypeText(outside + "mine.qvs");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    const SIZE want = BmpSize(outside + "normal.bmp");
    EXPECT_TRUE(WaitFor([&] {
        const SIZE got = WindowSize(s.StartButton());
        return got.cx == want.cx && got.cy == want.cy;
    }));
    EXPECT_EQ("skin=mine.qvs", s.Saved("skin="));
    EXPECT_EQ("skindir=" + outside, s.Saved("skindir="));
}

TEST(Skins, MissingDescriptionFileIsReportedAfterTheChoiceIsStored)
{
    Session s("Skins.NoDescription");
    ASSERT_TRUE(s.Q.WaitStarted());
    DeleteFileA((s.App.Dir + "Skins\\win98\\win98.qvs").c_str());
    const SIZE before = WindowSize(s.StartButton());
    Command(s.StartButton(), CmdClassicalWin98Skin);
    const std::string described = "File not found\n" + s.App.Dir + "Skins\\win98\\win98.qvs";
    EXPECT_EQ(described, s.DismissError());
    EXPECT_EQ("skindir=" + s.App.Dir + "Skins\\win98\\", s.Saved("skindir="));
    EXPECT_EQ(before.cx, WindowSize(s.StartButton()).cx);
    EXPECT_EQ(before.cy, WindowSize(s.StartButton()).cy);

    // The next start reports it again and keeps the built-in picture.
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    Quorvel again(s.App);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = again.ErrorBox()) != nullptr; }));
    EXPECT_EQ(described, BoxMessage(box));
    EXPECT_TRUE(IsWindowVisible(s.Tray.Start)) << "the Start button stays while the box is up";
    EXPECT_FALSE(again.Window("TForm1") && IsWindowVisible(again.Window("TForm1")));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(again.WaitStarted());
    HWND startButton = again.Window("TForm1");
    EXPECT_EQ(95, WindowSize(startButton).cx);

    // Its zones still answer: the arrow opens the menu, from which a skin
    // that works is chosen.
    const RECT r = WindowRect(startButton);
    ClickAt(600, 200);
    ClickAt(r.left + 74, r.top + 15);
    EXPECT_TRUE(WaitFor([&] { return PopupMenuOf(again.Pid()) != nullptr; }));
    PressKey(VK_ESCAPE);
    Command(startButton, CmdStandardXpSkin);
    EXPECT_TRUE(WaitFor([&] { return WindowSize(startButton).cx == 96; }));
    EXPECT_EQ(nullptr, again.ErrorBox());
}

TEST(Skins, BadNumberInTheDescriptionFile)
{
    Session s("Skins.BadNumber");
    ASSERT_TRUE(s.Q.WaitStarted());
    WriteBytes(s.App.Dir + "Skins\\xpbutton\\xpbutblue.qvs", "30\r\nabc\r\n");
    const SIZE before = WindowSize(s.StartButton());
    Command(s.StartButton(), CmdButtonXpSkin);
    EXPECT_EQ("Invalid numeric input\n" + s.App.Dir + "Skins\\xpbutton\\xpbutblue.qvs", s.DismissError());
    EXPECT_EQ(before.cx, WindowSize(s.StartButton()).cx);
}

TEST(Skins, MissingOrDamagedStartPicture)
{
    Session s("Skins.BadPicture");
    ASSERT_TRUE(s.Q.WaitStarted());
    const std::string classic = s.App.Dir + "Skins\\xpclassic\\normal.bmp";
    DeleteFileA(classic.c_str());
    const SIZE before = WindowSize(s.StartButton());
    Command(s.StartButton(), CmdClassicalXpSkin);
    const std::string text = s.DismissError();
    const std::string prefix = "Cannot open file \"" + classic + "\". ";
    EXPECT_EQ(prefix, text.substr(0, prefix.size()));
    EXPECT_GT(text.size(), prefix.size()) << "no reason given";
    EXPECT_EQ(before.cx, WindowSize(s.StartButton()).cx);

    WriteBytes(s.App.Dir + "Skins\\win98\\normal.bmp", "BM" + std::string(60, '\x7f'));
    Command(s.StartButton(), CmdClassicalWin98Skin);
    EXPECT_EQ("Bitmap image is not valid\n" + s.App.Dir + "Skins\\win98\\normal.bmp", s.DismissError());
    EXPECT_EQ(before.cx, WindowSize(s.StartButton()).cx);
    EXPECT_EQ(before.cy, WindowSize(s.StartButton()).cy);
}

namespace {
void Le32(uint32_t v, std::string& out)
{
    for (int i = 0; i < 4; ++i)
        out += char(v >> (8 * i));
}

// A 1-bit bitmap, side x side, of see-through maroon and white pixels by turns.
std::string Checkerboard(int side)
{
    const uint32_t stride = uint32_t(side + 31) / 32 * 4;
    std::string f = "BM";
    Le32(62 + stride * uint32_t(side), f);
    Le32(0, f);
    Le32(62, f);
    Le32(40, f);
    Le32(uint32_t(side), f);
    Le32(uint32_t(side), f);
    f += std::string("\x01\x00\x01\x00", 4);
    for (int i = 0; i < 6; ++i)
        Le32(0, f);
    Le32(0x800000, f);  // maroon
    Le32(0xFFFFFF, f);
    for (int y = 0; y < side; ++y) {
        std::string row(stride, char(y % 2 ? 0x55 : 0xAA));
        f += row;
    }
    return f;
}
} // namespace

// Every other pixel see-through: the button is made within a second or two,
// and the system's Start button is never hidden before ours is on screen.
TEST(Skins, APictureOfManyHolesIsShownAtOnce)
{
    for (int side : {256, 4096}) {
        const std::string name = "Skins.Holes" + std::to_string(side);
        Session s(name, "monitor=0\r\n", {{"Skins\\xpdefault\\normal.bmp", Checkerboard(side)}});
        const DWORD began = GetTickCount();
        bool neither = false;
        HWND ours = nullptr;
        const bool shown = WaitFor(
            [&] {
                ours = s.Q.Window("TForm1");
                const bool oursShown = ours && IsWindowVisible(ours);
                neither = neither || (!IsWindowVisible(s.Tray.Start) && !oursShown);
                return oursShown;
            },
            5000);
        ASSERT_TRUE(shown) << side;
        EXPECT_LT(GetTickCount() - began, 3000u) << side;
        EXPECT_FALSE(neither) << side << ": the Start button hidden before ours was shown";
        if (side == 256) {
            EXPECT_EQ(side, WindowSize(ours).cx);
        }
        EXPECT_EQ(nullptr, s.Q.ErrorBox());
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(s.Tray.Start); })) << "hidden once ours is there";
        Screenshot(name);
    }
}

// A description file cut to nothing, or to four numbers, still leaves the
// arrow's place to open the main menu, and its Exit gives the Start button back.
TEST(Skins, AnEmptyOrShortDescriptionStillReachesTheMainMenu)
{
    for (const char* qvs : {"", "34\r\n0\r\n0\r\n68\r\n"}) {
        Session s(std::string("Skins.ShortDescription") + (*qvs ? "4" : "0"), "monitor=0\r\n",
                  {{"Skins\\xpdefault\\xpdef.qvs", qvs}});
        ASSERT_TRUE(s.Q.WaitStarted());
        EXPECT_EQ(nullptr, s.Q.ErrorBox());
        // The built-in zones on the skin's 96-pixel picture: the arrow at 67 to 81.
        const RECT r = WindowRect(s.StartButton());
        ClickAt(600, 200);
        ClickAt(r.left + 74, (r.top + r.bottom) / 2);
        ASSERT_TRUE(WaitFor([&] { return PopupMenuOf(s.Q.Pid()) != nullptr; })) << "no main menu";
        PressKey(VK_UP);  // from the bottom: "Exit"
        PressKey(VK_RETURN);
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = s.Q.ErrorBox()) != nullptr; }));
        EXPECT_EQ("You really want to close Quorvel ?", BoxMessage(box));
        SetForegroundWindow(box);
        PressKey(VK_RETURN);
        ASSERT_TRUE(s.Q.WaitExit());
        EXPECT_TRUE(IsWindowVisible(s.Tray.Start));
    }
}
