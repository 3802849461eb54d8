// The favourites files as they live beside other programs: edited by hand
// while Quorvel runs, and Quorvel ended while one of its dialogs is open.
#include <gtest/gtest.h>

#include "FileDrag.h"
#include "Session.h"
#include "ui/Commands.h"

namespace {
// The visible message box of the process with that caption.
HWND BoxTitled(const Quorvel& q, const std::string& caption)
{
    for (HWND w : TopLevelWindows(q.Pid()))
        if (ClassOf(w) == "#32770" && IsWindowVisible(w) && TextOf(w) == caption)
            return w;
    return nullptr;
}

// Exit from the main menu, answered yes, while a dialog of the program is open.
void ExitUnder(Session& s)
{
    Command(s.StartButton(), CmdExit);
    HWND confirm = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (confirm = BoxTitled(s.Q, "Confirm")) != nullptr; }));
    PostMessageA(confirm, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(s.Q.WaitExit());
}
} // namespace

TEST(Favourites, AListEditedElsewhereIsNeverOverwrittenAndADeletionLandsOnWhatItHolds)
{
    std::string apps;
    for (int i = 1; i <= 25; ++i)
        apps += "App" + std::to_string(i) + "\nC:\\app" + std::to_string(i) + ".exe\n";
    Session s("Favourites.Elsewhere", "monitor=0\r\n", {{"Dirs.qvl", "A\nC:\\A\nB\nC:\\B\n"}, {"Apps.qvl", apps}});
    ASSERT_TRUE(s.Q.WaitStarted());

    // A third entry by hand, then a save of the settings: neither list is
    // written, the one past twenty entries included.
    const std::string three = "A\nC:\\A\nB\nC:\\B\nC\nC:\\C\n";
    WriteBytes(s.App.File("Dirs.qvl"), three);
    Command(s.StartButton(), CmdMonitorScreenSaver);
    ASSERT_TRUE(WaitFor([&] { return s.Saved("monitor=") == "monitor=1"; }));
    EXPECT_EQ(three, ReadBytes(s.App.File("Dirs.qvl")));
    EXPECT_EQ(apps, ReadBytes(s.App.File("Apps.qvl")));

    // The delete dialog shows what the file holds now; the first goes, a
    // fourth is added by hand meanwhile, and Exit writes the deletion on it.
    HWND panel = s.ShowPanel();
    ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, FoldersButton),
                           [&] { return PopupMenuOf(s.Q.Pid()) != nullptr; }));
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    HWND del = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (del = s.Q.Window("TDelForm")) != nullptr && IsWindowVisible(del); }));
    HWND list = Child(del, "ListBox");
    EXPECT_EQ(3, int(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    PostMessageA(del, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ButtonOf(del, "Delete")), BN_CLICKED),
                 LPARAM(ButtonOf(del, "Delete")));
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 2; }));
    PostMessageA(del, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ButtonOf(del, "OK")), BN_CLICKED),
                 LPARAM(ButtonOf(del, "OK")));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(del); }));
    WriteBytes(s.App.File("Dirs.qvl"), three + "D\nC:\\D\n");
    ExitUnder(s);
    EXPECT_EQ("B\r\nC:\\B\r\nC\r\nC:\\C\r\nD\r\nC:\\D\r\n", ReadBytes(s.App.File("Dirs.qvl")));
    EXPECT_EQ(apps, ReadBytes(s.App.File("Apps.qvl")));
}

// Exit ends the dialog under it as a cancel: nothing is written after
// Exit's own save, and no empty path or default name is stored.
TEST(Favourites, ExitWhileADialogIsOpenStoresNothingFromIt)
{
    const std::string dirs = "Old\r\nC:\\Old\r\n";
    for (const char* open : {"Add file", "To choose", "a name"}) {
        SCOPED_TRACE(open);
        Session s(std::string("Favourites.ExitUnder") + open[0], "", {{"Dirs.qvl", dirs}});
        ASSERT_TRUE(s.Q.WaitStarted());
        if (open[0] == 'A') {
            HWND panel = s.ShowPanel();
            ASSERT_TRUE(ClickUntil(ButtonCentre(panel, s.App, ProgramsButton),
                                   [&] { return PopupMenuOf(s.Q.Pid()) != nullptr; }));
            PressKey(VK_DOWN);
            PressKey(VK_RETURN);
        } else if (open[0] == 'T') {
            Command(s.StartButton(), CmdChooseSkinFile);
        } else {
            HWND panel = s.ShowPanel();
            Command(panel, CmdFolderMenu + AddPosition);
            HWND tree = nullptr;
            ASSERT_TRUE(WaitFor([&] { return (tree = s.Q.Window("TFormDir")) != nullptr && IsWindowVisible(tree); }));
            PostMessageA(tree, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ButtonOf(tree, "Add")), BN_CLICKED),
                         LPARAM(ButtonOf(tree, "Add")));
            ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(s.Q.Window("TNameForm")) != FALSE; }));
            SetWindowTextA(Child(s.Q.Window("TNameForm"), "Edit"), "Typed");
        }
        if (open[0] != 'a') {
            ASSERT_TRUE(WaitFor([&] { return s.Q.ErrorBox() != nullptr; })) << "the open dialog";
        }
        ExitUnder(s);
        EXPECT_EQ("skin=xpdef.qvs", s.Saved("skin="));
        EXPECT_EQ("skindir=" + s.App.Dir + "Skins\\xpdefault\\", s.Saved("skindir="));
        EXPECT_EQ(dirs, ReadBytes(s.App.File("Dirs.qvl")));
        EXPECT_EQ("", ReadBytes(s.App.File("Apps.qvl")));
    }
}

namespace {
int EntriesIn(const std::string& list)
{
    int lines = 0;
    for (size_t at = list.find("\r\n"); at != std::string::npos; at = list.find("\r\n", at + 2))
        ++lines;
    return lines / 2;
}

// Each name dialog answered with Default, until the list holds `entries`.
void AnswerNamesWithDefault(Session& s, const char* file, int entries)
{
    while (EntriesIn(ReadBytes(s.App.File(file))) < entries) {
        HWND name = nullptr;
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(name = s.Q.Window("TNameForm")) != FALSE; }))
            << ReadBytes(s.App.File(file));
        const int before = EntriesIn(ReadBytes(s.App.File(file)));
        PostMessageA(name, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ButtonOf(name, "Default")), BN_CLICKED),
                     LPARAM(ButtonOf(name, "Default")));
        ASSERT_TRUE(WaitFor([&] { return EntriesIn(ReadBytes(s.App.File(file))) > before; }));
    }
}
} // namespace

// On the NT family a folder or file whose name the code page cannot spell (Greek on a
// Cyrillic system) is stored by its short name, which opens it; a path of 256
// to 259 characters is stored whole.
TEST(Favourites, ANameTheCodePageLacksIsStoredByAShortNameAndALongPathWhole)
{
    if (Env("QV_MODE") == "win98")
        GTEST_SKIP() << "the 95 family's dialogs are ANSI";
    Session s("Favourites.Greek");
    const std::wstring folder = std::wstring(s.App.Dir.begin(), s.App.Dir.end()) + L"\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring file = folder + L"\\\x03B1\x03C1\x03C7\x03B5\x03AF\x03BF.txt";
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();

    // The folder tree shows the name as it is, opens it, and stores it by
    // its short name. It opens at the program's folder, where the Greek
    // folder is the last line.
    Command(panel, CmdFolderMenu + AddPosition);
    HWND tree = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (tree = s.Q.Window("TFormDir")) != nullptr && IsWindowVisible(tree); }));
    HWND lines = Child(tree, "ListBox");
    wchar_t last[64] = L"";
    SendMessageW(lines, LB_GETTEXT, WPARAM(SendMessageW(lines, LB_GETCOUNT, 0, 0) - 1), LPARAM(last));
    EXPECT_EQ(folder.substr(folder.rfind(L'\\') + 1), last);
    SetForegroundWindow(tree);
    SetFocus(lines);
    PressKey(VK_END);
    PressKey(VK_RETURN);
    wchar_t label[MAX_PATH] = L"";
    ASSERT_TRUE(WaitFor([&] {
        GetWindowTextW(Child(tree, "Static"), label, MAX_PATH);
        return std::wstring(label).find(last) != std::wstring::npos;
    }));
    Screenshot("Favourites.GreekFolder");
    PostMessageA(tree, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ButtonOf(tree, "Add")), BN_CLICKED),
                 LPARAM(ButtonOf(tree, "Add")));
    AnswerNamesWithDefault(s, "Dirs.qvl", 1);
    const std::string dirs = ReadBytes(s.App.File("Dirs.qvl"));
    const std::string stored = dirs.substr(dirs.find("\r\n") + 2, dirs.rfind("\r\n") - dirs.find("\r\n") - 2);
    EXPECT_EQ(std::string::npos, stored.find('?')) << stored;
    EXPECT_TRUE(GetFileAttributesA(stored.c_str()) & FILE_ATTRIBUTE_DIRECTORY) << stored;
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(stored.c_str())) << stored << " opens nothing";

    auto addFile = [&](const std::wstring& path) {
        Command(panel, CmdProgramMenu + AddPosition);
        HWND open = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (open = s.Q.ErrorBox()) != nullptr; }));
        Sleep(500);
        // Typed into the file name field, which has the keyboard, as Unicode
        // keys: no code page spells the name.
        for (wchar_t c : path) {
            INPUT keys[2] = {};
            for (INPUT& k : keys) {
                k.type = INPUT_KEYBOARD;
                k.ki.wScan = c;
                k.ki.dwFlags = KEYEVENTF_UNICODE;
            }
            keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
            SendInput(2, keys, sizeof(INPUT));
        }
        Sleep(300);
        PressKey(VK_RETURN);
    };
    addFile(file);
    HWND name = nullptr;
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(name = s.Q.Window("TNameForm")) != FALSE; }))
        << (s.Q.ErrorBox() ? BoxMessage(s.Q.ErrorBox()) : "no box");
    PostMessageA(name, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ButtonOf(name, "Default")), BN_CLICKED),
                 LPARAM(ButtonOf(name, "Default")));
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(s.App.File("Apps.qvl")).size() > 0; }));
    const std::string saved = ReadBytes(s.App.File("Apps.qvl"));
    const std::string path = saved.substr(saved.find("\r\n") + 2, saved.rfind("\r\n") - saved.find("\r\n") - 2);
    EXPECT_EQ(std::string::npos, path.find('?')) << path;
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str())) << path << " opens nothing";

    std::string deep = s.App.Dir;
    // Folders stop short of the 248 characters a folder may have, wherever
    // the run's folder lies.
    while (deep.size() < 220) {
        deep += std::string(20, 'd') + "\\";
        CreateDirectoryA(deep.c_str(), nullptr);
    }
    const std::string longPath = deep + std::string(257 - deep.size(), 'f');
    WriteBytes(longPath, "x");
    ASSERT_TRUE(Exists(longPath));
    addFile(std::wstring(longPath.begin(), longPath.end()));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(name = s.Q.Window("TNameForm")) != FALSE; }));
    PostMessageA(name, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ButtonOf(name, "Default")), BN_CLICKED),
                 LPARAM(ButtonOf(name, "Default")));
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(s.App.File("Apps.qvl")).find("\r\n" + longPath + "\r\n") != std::string::npos; }))
        << ReadBytes(s.App.File("Apps.qvl"));

    // A copy unpacked below that folder, as below a Greek user's Downloads,
    // started by its Unicode path: it finds its skins, and names itself in
    // the Run key and its settings by paths that open.
    PostMessageA(s.StartButton(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Q.WaitExit());
    ClearRunValue();
    const Install unpacked("Favourites.GreekCopy");
    WriteBytes(unpacked.File("Settings.ini"), "autorun=true\r\n");
    const std::wstring from(unpacked.Dir.begin(), unpacked.Dir.end() - 1), copy = folder + L"\\Quorvel";
    ASSERT_TRUE(MoveFileW(from.c_str(), copy.c_str()));
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW((copy + L"\\Quorvel.exe").c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               copy.c_str(), &si, &pi));
    const auto windowOf = [&](const char* cls) -> HWND {
        for (HWND w : TopLevelWindows(pi.dwProcessId))
            if (ClassOf(w) == cls && IsWindowVisible(w))
                return w;
        return nullptr;
    };
    std::string run;
    ASSERT_TRUE(WaitFor([&] { return windowOf("TForm1") && (run = RunValue()).size() > 2 && run[0] == '"'; })) << run;
    EXPECT_EQ(nullptr, windowOf("#32770")) << TextOf(windowOf("#32770"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(run.substr(1, run.size() - 2).c_str())) << run;
    PostMessageA(windowOf("TForm1"), WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 10000));
    const std::string settings = ReadBytes(run.substr(1, run.rfind('\\')) + "Settings.ini");
    const size_t at = settings.find("skindir=") + 8;
    const std::string skins = settings.substr(at, settings.find("\r\n", at) - at);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(skins.c_str())) << settings;
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    ClearRunValue();
}

// Dragged from another program, as from Explorer: on the folders button a
// file counts by its folder, on the programs button what does not fit in
// twenty is refused and counted, anywhere else a drop changes nothing.
TEST(Favourites, FilesDroppedOnTheButtonsJoinTheirListsUpToTwenty)
{
    std::string apps;
    for (int i = 1; i <= 19; ++i)
        apps += "App" + std::to_string(i) + "\r\nC:\\app" + std::to_string(i) + ".exe\r\n";
    Session s("Favourites.Drop", "", {{"Dirs.qvl", ""}, {"Apps.qvl", apps}});
    const std::string dir = s.App.Dir + "Dropped\\";
    for (const char* sub : {"", "Alpha", "Beta", "Gamma"})
        CreateDirectoryA((dir + sub).c_str(), nullptr);
    for (const char* file : {"Gamma\\notes.txt", "one.exe", "two.exe", "three.exe"})
        WriteBytes(dir + file, "x");
    ASSERT_TRUE(s.Q.WaitStarted());
    HWND panel = s.ShowPanel();

    // On the frame, between the buttons, and under a modal dialog (About):
    // nothing is asked, nothing written.
    const RECT r = WindowRect(panel);
    ASSERT_TRUE(DragFilesTo({dir + "Alpha"}, POINT{r.left + 3, (r.top + r.bottom) / 2}));
    Command(s.StartButton(), CmdAbout);
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = s.Q.Window("TAbout")) && IsWindowVisible(about); }));
    DragFilesTo({dir + "Alpha"}, ButtonCentre(panel, s.App, FoldersButton));
    Sleep(1500);
    EXPECT_FALSE(IsWindowVisible(s.Q.Window("TNameForm")));
    EXPECT_EQ("", ReadBytes(s.App.File("Dirs.qvl")));
    EXPECT_EQ(apps, ReadBytes(s.App.File("Apps.qvl")));
    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(about); }));

    // Escape at the second name stops the rest; the first stays.
    ASSERT_TRUE(DragFilesTo({dir + "Alpha", dir + "Beta", dir + "Gamma\\notes.txt"},
                            ButtonCentre(panel, s.App, FoldersButton)));
    AnswerNamesWithDefault(s, "Dirs.qvl", 1);
    HWND name = s.Q.Window("TNameForm");
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(name) != FALSE; }));
    SetForegroundWindow(name);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(name); }));
    Sleep(500);
    EXPECT_FALSE(IsWindowVisible(name)) << "no third name";
    EXPECT_EQ("Alpha\r\n" + dir + "Alpha\r\n", ReadBytes(s.App.File("Dirs.qvl")));

    ASSERT_TRUE(DragFilesTo({dir + "one.exe", dir + "two.exe", dir + "three.exe"},
                            ButtonCentre(panel, s.App, ProgramsButton)));
    AnswerNamesWithDefault(s, "Apps.qvl", 20);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = BoxTitled(s.Q, "Quorvel")) != nullptr; }));
    EXPECT_EQ("2 dropped items were not added: a list holds at most 20 entries.", BoxMessage(box));
    Screenshot("Favourites.Drop.refused");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(apps + "one.exe\r\n" + dir + "one.exe\r\n", ReadBytes(s.App.File("Apps.qvl")));
}
