// What the end-to-end scenarios share: a fresh folder with Quorvel.exe in it,
// starting and closing the program, finding its windows, real input, files
// and screenshots.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

std::string Env(const char* name);
std::string ReadBytes(const std::string& path);  // "" when missing
void WriteBytes(const std::string& path, const std::string& data);
bool Exists(const std::string& path);

// Polls `check` every `every` ms until it holds or `ms` have passed.
template <typename F>
bool WaitFor(F check, int ms = 10000, int every = 50)
{
    for (int waited = 0;; waited += every) {
        if (check())
            return true;
        if (waited >= ms)
            return false;
        Sleep(DWORD(every));
    }
}

// Starts a program; ends it (killing it if it still runs) and closes its handles.
PROCESS_INFORMATION Launch(const std::string& exe, const std::string& args, const std::string& dir);
void EndProcess(PROCESS_INFORMATION& pi);

// Where Install(name) puts the program, before it exists.
std::string InstallDir(const std::string& name);

// A scenario's own folder with a copy of the program, as a user would have it.
class Install {
public:
    explicit Install(const std::string& name);
    // A copy prepared by the script that runs the driver (on a small or a
    // read-only drive); `dir` ends with a backslash.
    static Install At(const std::string& dir);
    std::string Dir;  // ends with a backslash
    std::string Exe() const { return Dir + "Quorvel.exe"; }
    // What "Autoloading" writes: the exe's path in quotes.
    std::string RunCommand() const { return "\"" + Exe() + "\""; }
    std::string File(const std::string& name) const { return Dir + name; }

private:
    Install() = default;
};

// A running Quorvel.exe.
class Quorvel {
public:
    explicit Quorvel(const Install& install);
    ~Quorvel();  // kills it if the scenario left it running
    DWORD Pid() const { return Info.dwProcessId; }
    // The window of this process with that class, visible or not.
    HWND Window(const char* className) const;
    // Waits for the start button to be shown, taking the first-run dialog's
    // offer with Enter if it comes; false after 10 s.
    bool WaitStarted();
    HWND FirstRunDialog() const;
    // An error box of this process ("#32770"), or nullptr.
    HWND ErrorBox() const;
    bool WaitExit(int ms = 10000);
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION Info = {};
};

// Wine's own taskbar (the "shell" desktop), once it is shown; nullptr after 10 s.
HWND WineTaskbar();

// The test taskbar, in a process of its own so that windows the driver embeds
// into it belong to another process, as Quorvel's do. `shape` picks a Windows
// generation's shape ("win7 reverse", ...; see taskbar/TestTaskbar.cpp), XP's
// when empty.
class TestTaskbar {
public:
    TestTaskbar(const std::string& log, const std::string& watched, const std::string& shape = "");
    ~TestTaskbar();
    HWND Tray = nullptr;
    HWND Start = nullptr;  // nullptr while a later shape has not made it yet
    // A window of the taskbar's process by its caption ("start", "band", ...).
    HWND Part(const std::string& name) const;
    std::vector<std::string> LogLines() const;
    // How often the log holds that line.
    int Logged(const std::string& line) const;
    // As Explorer after a crash: a new taskbar and "TaskbarCreated" broadcast.
    // Tray and Start then name the new windows.
    bool Restart();
    // As Explorer after a settings change: its Start button shown again.
    void ShowStart();

private:
    std::string LogPath;
    PROCESS_INFORMATION Info = {};
};

// Another program's window filling the screen from the front, the only
// window its process has; it goes as Leave says, reported as Windows would
// or, as under Wine 8, not.
class FullScreenProgram {
public:
    enum Way { Closed, Hidden, Minimised };
    FullScreenProgram();
    ~FullScreenProgram() { EndProcess(Info); }
    void Leave(Way way, bool reported) const;
    HWND Window = nullptr;

private:
    PROCESS_INFORMATION Info = {};
};

std::vector<HWND> TopLevelWindows(DWORD pid);
std::string ClassOf(HWND w);
std::string TextOf(HWND w);
// A visible top-level window whose title holds `part`.
HWND WindowTitled(const std::string& part);
// The message text of a message box.
std::string BoxMessage(HWND box);

// The "Quorvel" value under HKLM's Run key: its data, "<none>" or "<no key>".
// The autostart value in the machine's Run key, or the user's.
std::string RunValue(HKEY root = HKEY_LOCAL_MACHINE);
void ClearRunValue(HKEY root = HKEY_LOCAL_MACHINE);
void PlantRunValue(const std::string& data);

// Real input through SendInput.
void PressKey(WORD vk);
// Keys pressed one after another in one go, as a fast typist would.
void PressKeys(const std::vector<WORD>& keys);
// A key pressed while a modifier (VK_SHIFT, VK_MENU, ...) is held.
void PressChord(WORD modifier, WORD vk);
// Types ASCII text as characters, whatever the keyboard layout.
void TypeText(const std::string& text);
void ClickAt(int x, int y, bool right = false);
// Clicks until `done` holds, three times at most. Under Wine a synthetic
// click that follows a capture taken and released by another window is now
// and then passed over; a user would click again.
template <typename F>
bool ClickUntil(POINT p, F done)
{
    for (int i = 0; i < 3; ++i) {
        ClickAt(p.x, p.y);
        if (WaitFor(done, 1000))
            return true;
    }
    return false;
}
void MoveMouse(int x, int y);
// The window with the keyboard focus in the thread of `w`.
HWND FocusOf(HWND w);
// The middle of a window on screen, and a click there.
POINT Middle(HWND w);
void ClickOn(HWND w);
// One press or one release, at (x, y).
void PressOrRelease(int x, int y, bool down, bool right = false);

// Saves the screen as <QV_SHOTS>\<name>.bmp (turned into PNG after the run).
void Screenshot(const std::string& name);

// The driver's stand-in library (StandIn.dll) where a scenario must see what
// the program asks of the system and Wine would do nothing visible. Each
// copy is the run's own; what it saw starts empty.
// The CD drive's MCI driver, in the run's own Wine prefix, while it lives:
// "open Q:", "door open" or "door closed", "close", a line each.
class CdDriverStandIn {
public:
    CdDriverStandIn();
    ~CdDriverStandIn();
    std::string Commands() const { return ReadBytes(Path + ".mci"); }

private:
    std::string Path;
};
// A hook on every window of the session while it lives: "monitor off" and
// "screen saver" for each such window command sent.
class WindowCommandWatch {
public:
    WindowCommandWatch();
    ~WindowCommandWatch();
    std::string Seen() const { return ReadBytes(Path + ".commands"); }

private:
    std::string Path;
    HMODULE Module = nullptr;
    HHOOK Hook = nullptr;
};
