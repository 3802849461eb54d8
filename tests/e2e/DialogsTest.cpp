// The dialogs under real mouse and keyboard input: first start, adding and
// deleting favourites, the button chooser, the CD drive and About.
#include <gtest/gtest.h>

#include <algorithm>

#include "Session.h"
#include "ScreenPictures.h"
#include "Texts.h"
#include "ui/Commands.h"

namespace {
HWND WaitWindow(const Quorvel& q, const char* cls)
{
    HWND w = nullptr;
    WaitFor([&] { return (w = q.Window(cls)) != nullptr && IsWindowVisible(w); });
    Sleep(300);
    return w && IsWindowVisible(w) ? w : nullptr;
}

std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    DWORD_PTR n = 0;
    SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &n);
    for (int i = 0; i < int(n); ++i) {
        // Asked in Unicode: Wine hands another process's list text over so.
        wchar_t text[512] = L"";
        char ansi[1024] = "";
        DWORD_PTR got = 0;
        SendMessageTimeoutW(list, LB_GETTEXT, i, LPARAM(text), SMTO_ABORTIFHUNG, 2000, &got);
        WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
        lines.push_back(ansi);
    }
    return lines;
}

// Line `index` of a list box with lines `height` pixels high, as scrolled now.
POINT ListLine(HWND list, int index, int height)
{
    RECT r;
    GetClientRect(list, &r);
    POINT p = {r.right / 2, (index - int(SendMessageA(list, LB_GETTOPINDEX, 0, 0))) * height + height / 2};
    ClientToScreen(list, &p);
    return p;
}

SIZE ClientSize(HWND w)
{
    RECT r;
    GetClientRect(w, &r);
    return {r.right, r.bottom};
}

// Chooses item `position` (0 = the add item) of the folder or program menu,
// with a screenshot of the open menu if `shot` names one.
void ChooseFromMenu(Session& s, HWND panel, int button, int position, const char* shot = nullptr)
{
    ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, button), [&] { return PopupMenuOf(s.Q.Pid()) != nullptr; }));
    if (shot)
        Screenshot(shot);
    for (int i = 0; i <= position; ++i)
        PressKey(VK_DOWN);
    PressKey(VK_RETURN);
}

// Whether a window shows `cp1251`, a Cyrillic text of the program's own,
// compared in Unicode so that it holds on a system of any code page.
bool Shows1251(HWND w, const std::string& cp1251)
{
    wchar_t want[256] = L"", got[256] = L"";
    MultiByteToWideChar(1251, 0, cp1251.c_str(), -1, want, 256);
    DWORD_PTR n = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 256, LPARAM(got), SMTO_ABORTIFHUNG, 2000, &n);
    return wcscmp(want, got) == 0;
}
} // namespace

TEST(Dialogs, FirstStartAsksBeforeThePanelExistsAndTheClassicChoiceSticks)
{
    Install app("Dialogs.FirstStart");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
    {
        Quorvel q(app);
        HWND first = WaitWindow(q, "TFormFirst");
        ASSERT_TRUE(first);
        EXPECT_EQ(nullptr, q.Window("TForm2")) << "asked before the panel is made";
        EXPECT_TRUE(Shows1251(first, "\xCF\xE5\xF0\xE2\xFB\xE9 \xE7\xE0\xEF\xF3\xF1\xEA"));
        EXPECT_EQ(354, ClientSize(first).cx);
        EXPECT_EQ(199, ClientSize(first).cy);
        HWND standard = Child(first, "Button", 0, "Standard Windows XP skin");
        HWND classic = Child(first, "Button", 0, "Classical skin Windows XP or OS Windows 98/Me/2000");
        ASSERT_TRUE(standard && classic);
        EXPECT_EQ(BST_CHECKED, SendMessageA(standard, BM_GETCHECK, 0, 0));
        Screenshot("Dialogs.FirstStart");
        ASSERT_TRUE(ClickUntil(Middle(classic), [&] { return SendMessageA(classic, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
        ASSERT_TRUE(ClickUntil(Middle(ButtonOf(first, "OK")), [&] { return !IsWindow(first); }));
        ASSERT_TRUE(q.WaitStarted());
        const SIZE classicStart = BmpSize(app.Dir + "Skins\\xpclassic\\normal.bmp");
        EXPECT_EQ(classicStart.cx, WindowSize(q.Window("TForm1")).cx);
        EXPECT_FALSE(Exists(app.File("Settings.ini"))) << "stored at the next write";
        PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
        ASSERT_TRUE(q.WaitExit());
    }
    const std::string saved = ReadBytes(app.File("Settings.ini"));
    EXPECT_NE(std::string::npos, saved.find("skin=classic.qvs\r\n")) << saved;
    EXPECT_NE(std::string::npos, saved.find("skindir=" + app.Dir + "Skins\\xpclassic\\\r\n")) << saved;
    // The next start asks nothing.
    Quorvel again(app);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(again.Window("TForm1")) != FALSE; }));
    EXPECT_EQ(nullptr, again.FirstRunDialog());
}

TEST(Dialogs, AddFoldersThroughTheTreeWithTheDefaultName)
{
    const std::string dir = InstallDir("Dialogs.AddDir");
    Session s("Dialogs.AddDir", "", {{"Dirs.qvl", ListFile({{"Old", "C:\\Old"}})}});
    for (const char* sub : {"Tree", "Tree\\Work", "Tree\\Work\\Projects"})
        CreateDirectoryA((dir + sub).c_str(), nullptr);
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();

    ChooseFromMenu(s, panel, 5, 0);  // "Add dir"
    HWND tree = WaitWindow(s.Q, "TFormDir");
    ASSERT_TRUE(tree);
    EXPECT_EQ("Add dir", TextOf(tree));
    EXPECT_EQ(211, ClientSize(tree).cx);
    EXPECT_EQ(327, ClientSize(tree).cy);
    EXPECT_EQ(248, WindowRect(tree).left);
    EXPECT_EQ(136, WindowRect(tree).top);
    HWND dlb = Child(tree, "ListBox");
    ASSERT_TRUE(dlb);
    EXPECT_EQ(16, SendMessageA(dlb, LB_GETITEMHEIGHT, 0, 0));
    // It opens at the program's working folder: its own.
    std::vector<std::string> lines = ListLines(dlb);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(dir.substr(0, 3), lines[0]) << "the drive's root first";
    EXPECT_EQ("Tree", lines.back()) << "then the sub-folders, in order";
    Screenshot("Dialogs.AddDir");

    // "Tree" by double-click, then "Work" and "Projects" from the keyboard.
    const POINT line = ListLine(dlb, int(lines.size()) - 1, 16);
    ClickAt(line.x, line.y);
    ClickAt(line.x, line.y);
    ASSERT_TRUE(WaitFor([&] { return ListLines(dlb).back() == "Work"; }));
    for (int i = 0; i < 2; ++i) {
        PressKey(VK_END);
        PressKey(VK_RETURN);
    }
    ASSERT_TRUE(WaitFor([&] { return ListLines(dlb).back() == "Projects"; }));
    const std::string label = TextOf(Child(tree, "Static"));
    EXPECT_EQ("Projects", label.substr(label.size() - 8)) << label;
    HWND name = nullptr;
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(tree, "Add")), [&] { return (name = s.Q.Window("TNameForm")) && IsWindowVisible(name); }));
    Sleep(300);
    ASSERT_TRUE(name);
    EXPECT_EQ("Enter a name", TextOf(name));
    EXPECT_EQ(310, ClientSize(name).cx);
    EXPECT_EQ(40, ClientSize(name).cy);
    Screenshot("Dialogs.Name");
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(name)) << "Escape does not close it";
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(name, "Default")), [&] { return !IsWindow(tree); }));
    const std::string projects = dir + "Tree\\Work\\Projects";
    EXPECT_EQ(ListFile({{"Old", "C:\\Old"}, {"Projects", projects}}), ReadBytes(s.App.File("Dirs.qvl")))
        << "written at once";

    // The next dialog opens where this one was left; the drive's root, named
    // by the close box.
    ChooseFromMenu(s, panel, 5, 0);
    tree = WaitWindow(s.Q, "TFormDir");
    ASSERT_TRUE(tree);
    dlb = Child(tree, "ListBox");
    EXPECT_EQ("Projects", ListLines(dlb).back());
    PressKey(VK_HOME);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return ListLines(dlb).size() > 1 && ListLines(dlb)[1] != "work"; }));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(tree, "Add")), [&] { return IsWindowVisible(name) != FALSE; }));
    Sleep(300);
    PressChord(VK_MENU, VK_F4);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(tree); }));
    const std::string root = dir.substr(0, 3);
    EXPECT_EQ(ListFile({{"Old", "C:\\Old"}, {"Projects", projects}, {root, root}}),
              ReadBytes(s.App.File("Dirs.qvl")));
    EXPECT_EQ(nullptr, s.Q.ErrorBox());
}

// The name dialog starts each time as it did the first: the same keys give
// the name typed, not the default.
TEST(Dialogs, TheSameKeysNameTheSecondFavouriteAsTheFirst)
{
    Session s("Dialogs.NameTwice");
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    for (const char* typed : {"First", "Second"}) {
        ChooseFromMenu(s, panel, 5, 0);  // "Add dir"
        HWND tree = WaitWindow(s.Q, "TFormDir");
        ASSERT_TRUE(tree);
        HWND name = nullptr;
        ASSERT_TRUE(ClickUntil(Middle(ButtonOf(tree, "Add")),
                               [&] { return (name = s.Q.Window("TNameForm")) && IsWindowVisible(name); }));
        Sleep(300);
        PressKey(VK_TAB);
        TypeText(typed);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(tree); })) << typed;
    }
    const std::string dir = s.App.Dir.substr(0, s.App.Dir.size() - 1);
    EXPECT_EQ(ListFile({{"First", dir}, {"Second", dir}}), ReadBytes(s.App.File("Dirs.qvl")));
}

TEST(Dialogs, AddFilesThroughTheOpenDialog)
{
    const std::string dir = InstallDir("Dialogs.AddFile");
    Session s("Dialogs.AddFile", "", {{"edit.txt", "text\r\n"}});
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();

    // Cancelled: nothing changes.
    ChooseFromMenu(s, panel, 6, 0);
    HWND open = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (open = s.Q.ErrorBox()) != nullptr; }));
    Sleep(500);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(open); }));
    EXPECT_EQ("", ReadBytes(s.App.File("Apps.qvl")));

    // Enter at once in the name dialog: an empty name.
    ChooseFromMenu(s, panel, 6, 0);
    ASSERT_TRUE(WaitFor([&] { return (open = s.Q.ErrorBox()) != nullptr; }));
    Sleep(500);
    Screenshot("Dialogs.OpenFile");
    TypeText(dir + "edit.txt");
    PressKey(VK_RETURN);
    HWND name = WaitWindow(s.Q, "TNameForm");
    ASSERT_TRUE(name);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(name); }));
    EXPECT_EQ(ListFile({{"", dir + "edit.txt"}}), ReadBytes(s.App.File("Apps.qvl")));

    // A typed name.
    ChooseFromMenu(s, panel, 6, 0);
    ASSERT_TRUE(WaitFor([&] { return (open = s.Q.ErrorBox()) != nullptr; }));
    Sleep(500);
    TypeText(dir + "edit.txt");
    PressKey(VK_RETURN);
    name = WaitWindow(s.Q, "TNameForm");
    ASSERT_TRUE(name);
    EXPECT_EQ("", TextOf(Child(name, "Edit"))) << "emptied at each showing";
    HWND edit = Child(name, "Edit");
    ASSERT_TRUE(ClickUntil(Middle(edit), [&] { return FocusOf(edit) == edit; }));
    TypeText("My editor");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(name); }));
    EXPECT_EQ(ListFile({{"", dir + "edit.txt"}, {"My editor", dir + "edit.txt"}}), ReadBytes(s.App.File("Apps.qvl")));
}

TEST(Dialogs, DeleteTheMiddleEntryOfThree)
{
    const std::string three = ListFile({{"One", "C:\\1"}, {"Two", "C:\\2"}, {"Three", "C:\\3"}});
    Session s("Dialogs.Delete", "", {{"Dirs.qvl", three}});
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    ChooseFromMenu(s, panel, 5, 1);  // "Delete dir"
    HWND del = WaitWindow(s.Q, "TDelForm");
    ASSERT_TRUE(del);
    EXPECT_EQ("Delete", TextOf(del));
    EXPECT_EQ(232, ClientSize(del).cx);
    EXPECT_EQ(253, ClientSize(del).cy);
    HWND list = Child(del, "ListBox");
    HWND button = ButtonOf(del, "Delete");
    EXPECT_EQ(std::vector<std::string>({"One", "Two", "Three"}), ListLines(list));
    EXPECT_TRUE(IsWindowEnabled(button));
    Screenshot("Dialogs.Delete");

    ClickOn(button);  // nothing selected: nothing goes
    EXPECT_EQ(3u, ListLines(list).size());
    auto selected = [&](int line) { return [=] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == line; }; };
    auto lines = [&](size_t n) { return [=] { return ListLines(list).size() == n; }; };
    ASSERT_TRUE(ClickUntil(ListLine(list, 1, 13), selected(1)));
    ASSERT_TRUE(ClickUntil(Middle(button), lines(2)));
    EXPECT_EQ(std::vector<std::string>({"One", "Three"}), ListLines(list));
    EXPECT_EQ(LB_ERR, SendMessageA(list, LB_GETCURSEL, 0, 0)) << "nothing selected after a deletion";
    EXPECT_EQ(three, ReadBytes(s.App.File("Dirs.qvl"))) << "the file follows at the next save";

    for (size_t left : {1u, 0u}) {
        ASSERT_TRUE(ClickUntil(ListLine(list, 0, 13), selected(0)));
        ASSERT_TRUE(ClickUntil(Middle(button), lines(left)));
    }
    EXPECT_TRUE(ListLines(list).empty());
    EXPECT_FALSE(IsWindowEnabled(button)) << "nothing left to delete";
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(del, "OK")), [&] { return !IsWindow(del); }));
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_EQ("", ReadBytes(s.App.File("Dirs.qvl")));
}

// A delete dialog edits the list it was opened for, whatever is done beneath
// it: a panel made anew under it takes no input until it closes, and a second
// delete dialog does not open.
TEST(Dialogs, ADeleteDialogEditsOnlyTheListItWasOpenedFor)
{
    const std::string dirs = ListFile({{"D1", "C:\\windows"}, {"D2", "C:\\users"}});
    const std::string apps = ListFile({{"A1", "notepad"}, {"A2", "regedit"}});
    Session s("Dialogs.DeleteUnder", "", {{"Dirs.qvl", dirs}, {"Apps.qvl", apps}});
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    ChooseFromMenu(s, panel, 5, 1);  // "Delete dir"
    HWND del = WaitWindow(s.Q, "TDelForm");
    ASSERT_TRUE(del);

    Command(s.StartButton(), CmdChoosePanelButtons);
    HWND chooser = WaitWindow(s.Q, "TPosForm");
    ASSERT_TRUE(chooser);
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(chooser, "Apply")), [&] { return !IsWindow(chooser); }));
    HWND fresh = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND w : TopLevelWindows(s.Q.Pid()))
            if (ClassOf(w) == "TForm2" && w != panel)
                fresh = w;
        return fresh != nullptr;
    })) << "a panel anew beside the one whose dialog is open";
    s.ClickZone(3);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(fresh) != FALSE; }));
    EXPECT_FALSE(IsWindowEnabled(fresh));
    const POINT programs = ButtonCentre(fresh, s.App, 6);
    ClickAt(programs.x, programs.y);
    Sleep(500);
    EXPECT_EQ(nullptr, PopupMenuOf(s.Q.Pid())) << "the program button takes no click";
    Command(fresh, CmdProgramMenu + DeletePosition);  // "Delete file", however it comes
    Sleep(500);
    int open = 0;
    for (HWND w : TopLevelWindows(s.Q.Pid()))
        open += ClassOf(w) == "TDelForm";
    EXPECT_EQ(1, open);
    Screenshot("Dialogs.DeleteUnder");

    HWND list = Child(del, "ListBox");
    EXPECT_EQ(std::vector<std::string>({"D1", "D2"}), ListLines(list));
    ASSERT_TRUE(ClickUntil(ListLine(list, 0, 13), [&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == 0; }));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(del, "Delete")), [&] { return ListLines(list).size() == 1; }));
    EXPECT_EQ(std::vector<std::string>({"D2"}), ListLines(list));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(del, "OK")), [&] { return !IsWindow(del); }));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(fresh) != FALSE; })) << "usable once the dialog is closed";
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    EXPECT_EQ(ListFile({{"D2", "C:\\users"}}), ReadBytes(s.App.File("Dirs.qvl")));
    EXPECT_EQ(apps, ReadBytes(s.App.File("Apps.qvl")));
}

TEST(Dialogs, ChooserMovesApplyKeepsADeletionAndShowsAChoiceItCannotSave)
{
    const std::string two = ListFile({{"One", "C:\\1"}, {"Two", "C:\\2"}});
    Session s("Dialogs.Chooser", "", {{"Dirs.qvl", two}});
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();

    // A deletion not yet saved ...
    ChooseFromMenu(s, panel, 5, 1);
    HWND del = WaitWindow(s.Q, "TDelForm");
    ASSERT_TRUE(del);
    HWND list = Child(del, "ListBox");
    ASSERT_TRUE(ClickUntil(ListLine(list, 0, 13), [&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == 0; }));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(del, "Delete")), [&] { return ListLines(list).size() == 1; }));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(del, "OK")), [&] { return !IsWindow(del); }));

    // ... and the chooser, asked for twice.
    Command(s.StartButton(), CmdChoosePanelButtons);
    Command(s.StartButton(), CmdChoosePanelButtons);
    HWND chooser = WaitWindow(s.Q, "TPosForm");
    ASSERT_TRUE(chooser);
    int count = 0;
    for (HWND w : TopLevelWindows(s.Q.Pid()))
        count += ClassOf(w) == "TPosForm";
    EXPECT_EQ(1, count);
    EXPECT_EQ("Buttons", TextOf(chooser));
    EXPECT_EQ(415, ClientSize(chooser).cx);
    EXPECT_EQ(147, ClientSize(chooser).cy);
    HWND shown = Child(chooser, "ListBox", 0), unused = Child(chooser, "ListBox", 1);
    const std::vector<std::string> all = {"CD-ROM",       "Close Quorvel", "Close all windows",
                                          "Minimize all windows", "Open folders", "Open files",
                                          "Monitor",      "Timer"};
    EXPECT_EQ(all, ListLines(shown));
    EXPECT_TRUE(ListLines(unused).empty());
    Screenshot("Dialogs.Chooser");

    // "CD-ROM" out and back: now last.
    const int height = int(SendMessageA(shown, LB_GETITEMHEIGHT, 0, 0));
    auto firstSelected = [](HWND list) { return [=] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == 0; }; };
    ASSERT_TRUE(ClickUntil(ListLine(shown, 0, height), firstSelected(shown)));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(chooser, ">>")), [&] { return ListLines(unused).size() == 1; }));
    EXPECT_EQ(std::vector<std::string>({"CD-ROM"}), ListLines(unused));
    ASSERT_TRUE(ClickUntil(ListLine(unused, 0, height), firstSelected(unused)));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(chooser, "<<")), [&] { return ListLines(unused).empty(); }));
    EXPECT_EQ("CD-ROM", ListLines(shown).back());
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(chooser, "Apply")), [&] { return !IsWindow(chooser); }));
    // The panel made anew takes over the old one's window, hidden.
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(panel); })) << "the panel is made anew";
    EXPECT_EQ("but1=8", s.Saved("but1="));
    EXPECT_EQ("but2=1", s.Saved("but2="));
    EXPECT_EQ("but8=7", s.Saved("but8="));
    EXPECT_EQ(ListFile({{"Two", "C:\\2"}}), ReadBytes(s.App.File("Dirs.qvl"))) << "the deletion stays";

    // Cancel changes nothing but still writes the settings.
    DeleteFileA(s.App.File("Settings.ini").c_str());
    Command(s.StartButton(), CmdChoosePanelButtons);
    chooser = WaitWindow(s.Q, "TPosForm");
    ASSERT_TRUE(chooser);
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(chooser, "Cancel")), [&] { return !IsWindow(chooser); }));
    ASSERT_TRUE(WaitFor([&] { return Exists(s.App.File("Settings.ini")); }));
    EXPECT_EQ("but1=8", s.Saved("but1="));

    // A Settings.ini that cannot be written: the panel the user chose is
    // made all the same, the failed save reported, and the chooser opens
    // again after the error.
    const LONG eightWide = WindowSize(panel).cx;
    const std::string before = ReadBytes(s.App.File("Settings.ini"));
    SetFileAttributesA(s.App.File("Settings.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    Command(s.StartButton(), CmdChoosePanelButtons);
    chooser = WaitWindow(s.Q, "TPosForm");
    ASSERT_TRUE(chooser);
    shown = Child(chooser, "ListBox", 0);
    ASSERT_TRUE(ClickUntil(ListLine(shown, 0, height), firstSelected(shown)));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(chooser, ">>")), [&] { return ListLines(shown).size() == 7; }));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(chooser, "Apply")), [&] { return !IsWindow(chooser); }));
    const std::string refused = "I/O error 5\n" + s.App.File("Settings.ini");
    EXPECT_EQ(refused, s.DismissError());
    EXPECT_LT(WindowSize(s.Panel()).cx, eightWide) << "the panel of seven buttons";
    EXPECT_EQ(before, ReadBytes(s.App.File("Settings.ini")));
    Command(s.StartButton(), CmdChoosePanelButtons);
    chooser = WaitWindow(s.Q, "TPosForm");
    ASSERT_TRUE(chooser) << "the chooser opens again after a failed save";
    EXPECT_EQ(7u, ListLines(Child(chooser, "ListBox", 0)).size());
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(chooser, "Cancel")), [&] { return !IsWindow(chooser); }));
    EXPECT_EQ(refused, s.DismissError());
    SetFileAttributesA(s.App.File("Settings.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Dialogs, CdChooserStoresTheLetterInUpperCase)
{
    Session s("Dialogs.Cd", "cdrom=e\r\n");
    ASSERT_TRUE(s.Q.WaitStarted());
    Command(s.StartButton(), CmdChooseCdDrive);
    HWND cd = WaitWindow(s.Q, "TFormCD");
    ASSERT_TRUE(cd);
    EXPECT_EQ("CD-ROM", TextOf(cd));
    EXPECT_EQ(135, ClientSize(cd).cx);
    EXPECT_EQ(93, ClientSize(cd).cy);
    Screenshot("Dialogs.Cd");
    // "Apply" from the keyboard: it leaves no trace until the chooser
    // closes, so a lost click could not be told apart.
    PressKey(VK_TAB);
    PressKey(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(cd)) << "Apply does not close it";
    EXPECT_EQ("cdrom=e", s.Saved("cdrom=")) << "written when it closes";
    PressChord(VK_MENU, VK_F4);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(cd); }));
    EXPECT_TRUE(WaitFor([&] { return s.Saved("cdrom=") == "cdrom=E"; }));
}

TEST(Dialogs, AboutOpensOnceHoweverOftenItIsAskedFor)
{
    Session s("Dialogs.About");
    ASSERT_TRUE(s.Q.WaitStarted());
    for (int i = 0; i < 3; ++i)
        Command(s.StartButton(), CmdAbout);
    HWND about = WaitWindow(s.Q, "TAbout");
    ASSERT_TRUE(about);
    Sleep(300);
    int count = 0;
    for (HWND w : TopLevelWindows(s.Q.Pid()))
        count += ClassOf(w) == "TAbout";
    EXPECT_EQ(1, count);
    EXPECT_TRUE(Shows1251(about, "\xCE \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE5 Quorvel 2.0"));
    EXPECT_EQ(262, ClientSize(about).cx);
    EXPECT_EQ(146, ClientSize(about).cy);
    EXPECT_EQ(nullptr, Child(about, "Button")) << "no buttons";
    Screenshot("Dialogs.About");
    PressChord(VK_MENU, VK_F4);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }));
    Command(s.StartButton(), CmdAbout);
    about = WaitWindow(s.Q, "TAbout");
    EXPECT_TRUE(about) << "and again once closed";
}

// Every dialog shows every text and control whole at the screen's dots per
// inch (run at 96, at 120, Large Fonts, and at 144), and its choices take
// clicks where they show; each is of its described size at 96 and no smaller
// at more. One start-up opens them all, one after another.
TEST(Dialogs, EveryDialogShowsEveryTextWhole)
{
    Install app("Dialogs.Texts");
    WriteBytes(app.File("Dirs.qvl"), ListFile({{"Documents and Settings", "C:\\users"}, {"Old", "C:\\Old"}}));
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
    Quorvel q(app);
    HDC screen = GetDC(nullptr);
    const bool described = GetDeviceCaps(screen, LOGPIXELSY) == 96;
    ReleaseDC(nullptr, screen);
    auto check = [&](HWND dialog, const char* name, LONG width, LONG height, const std::vector<ShownText>& texts) {
        ASSERT_TRUE(dialog) << name;
        const SIZE size = ClientSize(dialog);
        EXPECT_TRUE(described ? size.cx == width && size.cy == height : size.cx >= width && size.cy >= height)
            << name << " " << size.cx << "x" << size.cy;
        Screenshot(std::string("Dialogs.Texts.") + name);
        ExpectTextsWhole(dialog, texts);
    };
    HWND first = WaitWindow(q, "TFormFirst");
    check(first, "FirstRun", 354, 199,
          {{"The first start of the program. ", true},
           {"It will be now chosen skin, suitable to kind of your system"},
           {"You easily can change it from item of menu \"Skins\", except for that"},
           {"Skins it is possible to create itself. More in detail on  "},
           {"Bryndale", true, true},
           {"Choose the current kind of your OS"},
           {"Standard Windows XP skin"},
           {"Classical skin Windows XP or OS Windows 98/Me/2000"},
           {"OK"}});
    auto checked = [](HWND choice) { return [=] { return SendMessageA(choice, BM_GETCHECK, 0, 0) == BST_CHECKED; }; };
    HWND standard = Child(first, "Button", 0, "Standard Windows XP skin");
    HWND classic = Child(first, "Button", 0, "Classical skin Windows XP or OS Windows 98/Me/2000");
    ASSERT_TRUE(ClickUntil(Middle(classic), checked(classic))) << "the second choice takes no click";
    ASSERT_TRUE(ClickUntil(Middle(standard), checked(standard))) << "the first choice takes no click";
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(first, "OK")), [&] { return !IsWindow(first); })) << "OK takes no click";
    ASSERT_TRUE(q.WaitStarted());
    HWND start = q.Window("TForm1");

    Command(start, CmdAbout);
    HWND about = WaitWindow(q, "TAbout");
    check(about, "About", 262, 146,
          {{"Quorvel 2.1", true, false, 12},
           {"The author: Pavel Orlik"},
           {"April 2005 \xE3"},
           {"URL: "},
           {"http://bryndale.example/", false, true},
           {"E-mail: "},
           {"po@bryndale.example", false, true}});
    PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);  // its close box
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); }));

    // The timer, from the panel's timer button.
    HWND panel = q.Window("TForm2"), timer = q.Window("TTimerForm");
    ASSERT_TRUE(ClickZoneUntil(start, app, 3, [&] { return IsWindowVisible(panel) != FALSE; }));
    Sleep(300);
    ClickOn(panel);
    ASSERT_TRUE(ClickUntil(ButtonCentre(panel, app, 8), [&] { return IsWindowVisible(timer) != FALSE; }));
    Sleep(300);
    check(timer, "Timer", 214, 64, {{"Power off a computer through (In minutes)"}, {"Start"}, {"Hide"}});
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(timer, "Hide")), [&] { return !IsWindowVisible(timer); }));

    Command(start, CmdChoosePanelButtons);
    HWND chooser = WaitWindow(q, "TPosForm");
    check(chooser, "Chooser", 415, 147,
          {{"\xD2\xE5\xEA\xF3\xF9\xE8\xE5 \xEA\xED\xEE\xEF\xEA\xE8"},
           {"\xCD\xE5\xE8\xF1\xEE\xEB\xFC\xE7\xF3\xE5\xEC\xFB\xE5 \xEA\xED\xEE\xEA\xE8"},
           {"<<"},
           {">>"},
           {"Apply"},
           {"Cancel"}});
    RECT rows;
    GetClientRect(Child(chooser, "ListBox"), &rows);
    EXPECT_GE(rows.bottom, 8 * SendMessageA(Child(chooser, "ListBox"), LB_GETITEMHEIGHT, 0, 0)) << "all eight in view";
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(chooser, "Cancel")), [&] { return !IsWindow(chooser); }));

    Command(start, CmdChooseCdDrive);
    HWND cd = WaitWindow(q, "TFormCD");
    check(cd, "Cd", 135, 93, {{"Choose your CD-ROM"}, {"Apply"}});
    PostMessageA(cd, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(cd); }));

    Command(panel, CmdFolderMenu + AddPosition);
    HWND tree = WaitWindow(q, "TFormDir");
    check(tree, "AddDir", 211, 327, {{TextOf(Child(tree, "Static"))}, {"Add"}, {"Close"}});
    HWND name = q.Window("TNameForm");
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(tree, "Add")), [&] { return IsWindowVisible(name) != FALSE; }));
    Sleep(300);
    check(name, "Name", 310, 40, {{"OK"}, {"Default"}});
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(name, "Default")), [&] { return !IsWindow(tree); }));

    Command(panel, CmdFolderMenu + DeletePosition);
    HWND del = WaitWindow(q, "TDelForm");
    check(del, "Delete", 232, 253, {{"Delete"}, {"OK"}});
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(del, "OK")), [&] { return !IsWindow(del); }));
    EXPECT_EQ(nullptr, q.ErrorBox());
}

TEST(Dialogs, ASkinChangeWhileANameIsAskedForLosesNothing)
{
    // The start button stays usable while a dialog is open: its menu can
    // make the panel anew under an add that is still asking for a name.
    const std::string dir = InstallDir("Dialogs.Rebuilt");
    Session s("Dialogs.Rebuilt", "", {{"edit.txt", "text\r\n"}});
    ASSERT_TRUE(s.Q.WaitStarted());
    for (int button : {5, 6}) {
        HWND panel = s.ShowPanel();
        ChooseFromMenu(s, panel, button, 0);
        if (button == 5) {
            HWND tree = WaitWindow(s.Q, "TFormDir");
            ASSERT_TRUE(tree);
            ASSERT_TRUE(ClickUntil(Middle(ButtonOf(tree, "Add")), [&] { return IsWindowVisible(s.Q.Window("TNameForm")) != FALSE; }));
        } else {
            HWND open = nullptr;
            ASSERT_TRUE(WaitFor([&] { return (open = s.Q.ErrorBox()) != nullptr; }));
            Sleep(500);
            TypeText(dir + "edit.txt");
            PressKey(VK_RETURN);
        }
        HWND name = WaitWindow(s.Q, "TNameForm");
        ASSERT_TRUE(name);
        Command(s.StartButton(), button == 5 ? CmdClassicalWin98Skin : CmdStandardXpSkin);
        // The old panel's handler is still running: a window anew beside it,
        // and the old one gone once that handler is done.
        auto panels = [&] {
            std::vector<HWND> all;
            for (HWND w : TopLevelWindows(s.Q.Pid()))
                if (ClassOf(w) == "TForm2")
                    all.push_back(w);
            return all;
        };
        ASSERT_TRUE(WaitFor([&] { return panels().size() == 2; })) << "a new panel";
        ASSERT_TRUE(ClickUntil(Middle(ButtonOf(name, "Default")), [&] { return !IsWindowVisible(name); }));
        EXPECT_TRUE(WaitFor([&] { return panels().size() == 1 && panels()[0] != panel; }));
        Sleep(500);
        EXPECT_FALSE(s.Q.WaitExit(0)) << "still running";
        EXPECT_EQ(nullptr, s.Q.ErrorBox());
    }
    EXPECT_EQ(ListFile({{dir.substr(dir.size() - 16, 15), dir.substr(0, dir.size() - 1)}}),
              ReadBytes(s.App.File("Dirs.qvl")));
    EXPECT_EQ(ListFile({{"edit.txt", dir + "edit.txt"}}), ReadBytes(s.App.File("Apps.qvl")));
}

TEST(Dialogs, TheTwentiethAddGreysAddDirUntilADeletionMakesRoom)
{
    std::string nineteen;
    for (int n = 1; n <= 19; ++n)
        nineteen += "D" + std::to_string(n) + "\r\nC:\\D" + std::to_string(n) + "\r\n";
    Session s("Dialogs.Full", "", {{"Dirs.qvl", nineteen}});
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();
    ChooseFromMenu(s, panel, 5, 0);
    HWND tree = WaitWindow(s.Q, "TFormDir");
    ASSERT_TRUE(tree);
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(tree, "Add")),
                           [&] { return IsWindowVisible(s.Q.Window("TNameForm")) != FALSE; }));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(s.Q.Window("TNameForm"), "Default")), [&] { return !IsWindow(tree); }));
    const std::string saved = ReadBytes(s.App.File("Dirs.qvl"));
    EXPECT_EQ(40, std::count(saved.begin(), saved.end(), '\n')) << "twenty entries, written at once";

    // "Add dir" is greyed: chosen, it opens nothing (nor the item below it);
    // a deletion makes room for one more.
    auto addOpensNothing = [&](const char* shot) {
        ChooseFromMenu(s, panel, 5, 0, shot);
        Sleep(1000);
        const bool none = !s.Q.Window("TFormDir") && !s.Q.Window("TDelForm");
        if (PopupMenuOf(s.Q.Pid())) {
            PressKey(VK_ESCAPE);
            WaitFor([&] { return PopupMenuOf(s.Q.Pid()) == nullptr; });
        }
        return none;
    };
    EXPECT_TRUE(addOpensNothing("Dialogs.FullMenu"));
    ChooseFromMenu(s, panel, 5, 1);
    HWND del = WaitWindow(s.Q, "TDelForm");
    ASSERT_TRUE(del);
    HWND list = Child(del, "ListBox");
    ASSERT_TRUE(ClickUntil(ListLine(list, 0, 13), [&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == 0; }));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(del, "Delete")), [&] { return ListLines(list).size() == 19; }));
    ASSERT_TRUE(ClickUntil(Middle(ButtonOf(del, "OK")), [&] { return !IsWindow(del); }));
    ChooseFromMenu(s, panel, 5, 0);
    EXPECT_TRUE(WaitWindow(s.Q, "TFormDir"));
}

TEST(Dialogs, SkinFileLabelReadsRightOnAnyCodePageAndTheChosenSkinApplies)
{
    Session s("Dialogs.SkinFile", "skin=xpdef.qvs\r\n");
    ASSERT_TRUE(s.Q.WaitStarted());
    Command(s.StartButton(), CmdChooseSkinFile);
    HWND open = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (open = s.Q.ErrorBox()) != nullptr; }));
    Sleep(500);
    // The file-type box as the user reads it: "Skin files", in Russian.
    HWND types = GetDlgItem(open, 0x470);
    ASSERT_TRUE(types);
    EXPECT_TRUE(Shows1251(types, "\xD4\xE0\xE9\xEB\xFB \xF1\xEA\xE8\xED\xEE\xE2"));
    Screenshot("Dialogs.SkinFile");
    SetForegroundWindow(open);
    TypeText(s.App.Dir + "Skins\\win98\\win98.qvs");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(open); }));
    EXPECT_TRUE(WaitFor([&] { return s.Saved("skin=") == "skin=win98.qvs"; }));
    EXPECT_EQ("skindir=" + s.App.Dir + "Skins\\win98\\", s.Saved("skindir="));
}
