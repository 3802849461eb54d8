#include "Harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

std::string Env(const char* name)
{
    char buf[1024];
    const DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    return n && n < sizeof buf ? std::string(buf, n) : std::string();
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::string& data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << data;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {
void CopyTree(const std::string& from, const std::string& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((from + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = fd.cFileName;
        if (name == "." || name == "..")
            continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + "\\" + name, to + "\\" + name);
        else
            CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = dir + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}
} // namespace

std::string InstallDir(const std::string& name)
{
    return Env("QV_WORK") + "\\" + name + "\\";
}

PROCESS_INFORMATION Launch(const std::string& exe, const std::string& args, const std::string& dir)
{
    std::string cmd = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi))
        ADD_FAILURE() << "cannot start " << exe << ": error " << GetLastError();
    return pi;
}

void EndProcess(PROCESS_INFORMATION& pi)
{
    if (!pi.hProcess)
        return;
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
    }
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    pi = {};
}

Install::Install(const std::string& name)
{
    Dir = InstallDir(name);
    RemoveTree(Dir.substr(0, Dir.size() - 1));
    CreateDirectoryA(Dir.c_str(), nullptr);
    const std::string product = Env("QV_PRODUCT");
    CopyFileA((product + "\\Quorvel.exe").c_str(), Exe().c_str(), FALSE);
    CopyTree(product + "\\Skins", Dir + "Skins");
}

Install Install::At(const std::string& dir)
{
    Install app;
    app.Dir = dir;
    return app;
}

Quorvel::Quorvel(const Install& install) : Info(Launch(install.Exe(), "", install.Dir)) {}

Quorvel::~Quorvel()
{
    EndProcess(Info);
}

std::vector<HWND> TopLevelWindows(DWORD pid)
{
    std::vector<HWND> found;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD p = 0;
        GetWindowThreadProcessId(w, &p);
        if (p == pid)
            found.push_back(w);
    }
    return found;
}

std::string ClassOf(HWND w)
{
    char name[256] = "";
    GetClassNameA(w, name, sizeof name);
    return name;
}

std::string TextOf(HWND w)
{
    // Asked of the window itself: another process's edit control keeps its
    // text where GetWindowText does not look.
    char text[1024] = "";
    DWORD_PTR n = 0;
    if (!SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, LPARAM(text), SMTO_ABORTIFHUNG, 2000, &n))
        GetWindowTextA(w, text, sizeof text);
    return text;
}

namespace {
struct TitleSearch {
    std::string Part;
    HWND Found;
};

BOOL CALLBACK MatchTitle(HWND w, LPARAM p)
{
    TitleSearch& f = *reinterpret_cast<TitleSearch*>(p);
    if (IsWindowVisible(w) && TextOf(w).find(f.Part) != std::string::npos) {
        f.Found = w;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND WindowTitled(const std::string& part)
{
    TitleSearch f = {part, nullptr};
    EnumWindows(MatchTitle, LPARAM(&f));
    return f.Found;
}

HWND WineTaskbar()
{
    HWND tray = nullptr;
    WaitFor([&] {
        tray = FindWindowA("Shell_TrayWnd", nullptr);
        return tray && IsWindowVisible(tray);
    });
    return tray;
}

HWND Quorvel::Window(const char* className) const
{
    for (HWND w : TopLevelWindows(Pid()))
        if (ClassOf(w) == className)
            return w;
    return nullptr;
}

HWND Quorvel::FirstRunDialog() const
{
    HWND f = Window("TFormFirst");
    return f && IsWindowVisible(f) ? f : nullptr;
}

bool Quorvel::WaitStarted()
{
    return WaitFor([this] {
        // A first start in a folder without settings asks for a skin first:
        // the user takes the one offered.
        if (HWND first = FirstRunDialog()) {
            SetForegroundWindow(first);
            Sleep(200);
            PressKey(VK_RETURN);
            WaitFor([this] { return !FirstRunDialog(); }, 3000);
        }
        HWND f = Window("TForm1");
        return f && IsWindowVisible(f);
    }) && WaitForInputIdle(Info.hProcess, 5000) == 0;
}

HWND Quorvel::ErrorBox() const
{
    for (HWND w : TopLevelWindows(Pid()))
        if (ClassOf(w) == "#32770" && IsWindowVisible(w))
            return w;
    return nullptr;
}

bool Quorvel::WaitExit(int ms)
{
    return WaitForSingleObject(Info.hProcess, DWORD(ms)) == WAIT_OBJECT_0;
}

DWORD Quorvel::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(Info.hProcess, &code);
    return code;
}

std::string BoxMessage(HWND box)
{
    // The message of a message box is its static control with ID 0xFFFF.
    return TextOf(GetDlgItem(box, 0xFFFF));
}

TestTaskbar::TestTaskbar(const std::string& log, const std::string& watched, const std::string& shape)
    : LogPath(log)
{
    DeleteFileA(log.c_str());
    const std::string exe = Env("QV_TASKBAR");
    Info = Launch(exe, "\"" + log + "\" \"" + watched + "\"" + (shape.empty() ? "" : " " + shape), Env("QV_WORK"));
    WaitFor([this] {
        for (HWND w : TopLevelWindows(Info.dwProcessId))
            if (ClassOf(w) == "Shell_TrayWnd" && IsWindowVisible(w))
                Tray = w;
        return Tray != nullptr;
    });
    Start = Part("start");
}

HWND TestTaskbar::Part(const std::string& name) const
{
    for (HWND top : TopLevelWindows(Info.dwProcessId)) {
        if (TextOf(top) == name)
            return top;
        for (HWND w = GetWindow(top, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == Info.dwProcessId && TextOf(w) == name)
                return w;
        }
    }
    return nullptr;
}

TestTaskbar::~TestTaskbar()
{
    if (Tray)
        PostMessageA(Tray, WM_CLOSE, 0, 0);
    if (Info.hProcess)
        WaitForSingleObject(Info.hProcess, 5000);
    EndProcess(Info);
}

bool TestTaskbar::Restart()
{
    const HWND old = Tray;
    PostMessageA(old, RegisterWindowMessageA("QuorvelTest.Restart"), 0, 0);
    Tray = nullptr;
    WaitFor([&] {
        // The old taskbar may be destroying a child of ours: take its message.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
        for (HWND w : TopLevelWindows(Info.dwProcessId))
            if (w != old && ClassOf(w) == "Shell_TrayWnd" && IsWindowVisible(w))
                Tray = w;
        return Tray != nullptr;
    });
    Start = Part("start");
    return Tray && !IsWindow(old);
}

FullScreenProgram::FullScreenProgram()
{
    Info = Launch(Env("QV_TASKBAR"), "--full-screen", Env("QV_WORK"));
    WaitFor([this] { return (Window = FindWindowA("FullScreenProgram", "other full screen")) != nullptr; });
}

void FullScreenProgram::Leave(Way way, bool reported) const
{
    PostMessageA(Window, RegisterWindowMessageA("QuorvelTest.FullScreen.Leave"), way, reported);
}

void TestTaskbar::ShowStart()
{
    PostMessageA(Tray, RegisterWindowMessageA("QuorvelTest.ShowStart"), 0, 0);
}

int TestTaskbar::Logged(const std::string& line) const
{
    const std::vector<std::string> lines = LogLines();
    return int(std::count(lines.begin(), lines.end(), line));
}

std::vector<std::string> TestTaskbar::LogLines() const
{
    std::vector<std::string> lines;
    std::istringstream in(ReadBytes(LogPath));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void PressKey(WORD vk)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
    Sleep(100);
}

void PressKeys(const std::vector<WORD>& keys)
{
    std::vector<INPUT> in(keys.size() * 2);
    for (size_t i = 0; i < keys.size(); ++i) {
        in[2 * i].type = in[2 * i + 1].type = INPUT_KEYBOARD;
        in[2 * i].ki.wVk = in[2 * i + 1].ki.wVk = keys[i];
        in[2 * i + 1].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(UINT(in.size()), in.data(), sizeof(INPUT));
    Sleep(DWORD(100 + 10 * keys.size()));
}

namespace {
// Over every monitor where there are several. With one, the screen and no
// MOUSEEVENTF_VIRTUALDESK: in Wine's virtual desktop that flag lets a drag's
// moves travel twice as far now and then.
bool SeveralMonitors()
{
    return GetSystemMetrics(SM_CMONITORS) > 1;
}

RECT VirtualScreen()
{
    if (!SeveralMonitors())
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

INPUT MouseAt(int x, int y, DWORD flags)
{
    const RECT v = VirtualScreen();
    const int sw = v.right - v.left, sh = v.bottom - v.top;
    INPUT i = {};
    i.type = INPUT_MOUSE;
    i.mi.dx = ((x - v.left) * 65535 + sw / 2) / (sw - 1);
    i.mi.dy = ((y - v.top) * 65535 + sh / 2) / (sh - 1);
    i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | (SeveralMonitors() ? MOUSEEVENTF_VIRTUALDESK : 0) | flags;
    return i;
}
} // namespace

void PressChord(WORD modifier, WORD vk)
{
    INPUT in[4] = {};
    for (INPUT& i : in)
        i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[3].ki.wVk = modifier;
    in[1].ki.wVk = in[2].ki.wVk = vk;
    in[2].ki.dwFlags = in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof(INPUT));
    Sleep(150);
}

void TypeText(const std::string& text)
{
    for (unsigned char c : text) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wScan = in[1].ki.wScan = c;
        in[0].ki.dwFlags = KEYEVENTF_UNICODE;
        in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
        Sleep(20);
    }
    Sleep(100);
}

namespace {
// Puts the pointer at (x, y) and waits until it stays there. Under Wine each
// move warps the X pointer, and the X server's report of an earlier warp may
// be taken after a later move and put the pointer back: a button pressed
// then lands where the last click did. The button goes as an event of its
// own besides: Wine gives a button event that carries its own move the
// position the pointer had before it.
void PointerTo(int x, int y)
{
    INPUT move = MouseAt(x, y, MOUSEEVENTF_MOVE);
    SendInput(1, &move, sizeof(INPUT));
    for (int waited = 0, still = 0; waited < 2000 && still < 5; waited += 10) {
        Sleep(10);
        POINT now;
        GetCursorPos(&now);
        if (now.x == x && now.y == y) {
            ++still;
        } else {
            still = 0;
            SendInput(1, &move, sizeof(INPUT));
        }
    }
}

void Buttons(int x, int y, std::initializer_list<DWORD> flags)
{
    std::vector<INPUT> in;
    for (DWORD f : flags)
        in.push_back(MouseAt(x, y, f));
    SendInput(UINT(in.size()), in.data(), sizeof(INPUT));
    Sleep(150);
}
} // namespace

void MoveMouse(int x, int y)
{
    PointerTo(x, y);
}

void PressOrRelease(int x, int y, bool down, bool right)
{
    PointerTo(x, y);
    Buttons(x, y, {DWORD(right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                               : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP))});
}

void ClickAt(int x, int y, bool right)
{
    PointerTo(x, y);
    Buttons(x, y, {DWORD(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                   DWORD(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)});
}

HWND FocusOf(HWND w)
{
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &gui);
    return gui.hwndFocus;
}

POINT Middle(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickOn(HWND w)
{
    const POINT p = Middle(w);
    ClickAt(p.x, p.y);
}

void Screenshot(const std::string& name)
{
    const RECT v = VirtualScreen();
    const int w = v.right - v.left, h = v.bottom - v.top;
    HDC screen = GetDC(nullptr);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, v.left, v.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = DWORD((w * 3 + 3) & ~3);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + stride * DWORD(h);
    std::string file(reinterpret_cast<char*>(&fh), sizeof fh);
    file.append(reinterpret_cast<char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
    file.append(static_cast<char*>(bits), stride * DWORD(h));
    WriteBytes(Env("QV_SHOTS") + "\\" + name + ".bmp", file);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    ReleaseDC(nullptr, screen);
}

void ClearRunValue(HKEY root)
{
    HKEY key;
    if (RegOpenKeyExA(root, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_ALL_ACCESS,
                      &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "Quorvel");
        RegCloseKey(key);
    }
}

void PlantRunValue(const std::string& data)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, "Quorvel", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), DWORD(data.size() + 1));
        RegCloseKey(key);
    }
}

std::string RunValue(HKEY root)
{
    HKEY key;
    if (RegOpenKeyExA(root, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return "<no key>";
    char data[1024];
    DWORD size = sizeof data, type = 0;
    const LONG rc = RegQueryValueExA(key, "Quorvel", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS)
        return "<none>";
    return type == REG_SZ ? std::string(data) : "<not a string>";
}

namespace {
// A fresh copy of the stand-in beside the driver, with nothing seen yet.
std::string StandInCopy(const std::string& name, const char* log)
{
    const std::string path = Env("QV_WORK") + "\\" + name;
    CopyFileA((Env("QV_WORK") + "\\StandIn.dll").c_str(), path.c_str(), FALSE);
    DeleteFileA((path + log).c_str());
    return path;
}

const char* const MciDrivers = "Software\\Microsoft\\Windows NT\\CurrentVersion\\MCI32";

// Wine takes an MCI driver from the registry, older systems from system.ini.
void SetCdDriver(const std::string& library)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, MciDrivers, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) == 0) {
        RegSetValueExA(key, "CDAudio", 0, REG_SZ, reinterpret_cast<const BYTE*>(library.c_str()),
                       DWORD(library.size() + 1));
        RegCloseKey(key);
    }
    WritePrivateProfileStringA("mci", "cdaudio", library.c_str(), "system.ini");
}
} // namespace

CdDriverStandIn::CdDriverStandIn() : Path(StandInCopy("CdDriver.dll", ".mci"))
{
    SetCdDriver(Path);
}

CdDriverStandIn::~CdDriverStandIn()
{
    SetCdDriver("mcicda.dll");
}

WindowCommandWatch::WindowCommandWatch() : Path(StandInCopy("CommandWatch.dll", ".commands"))
{
    Module = LoadLibraryA(Path.c_str());
    const auto see = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(Module, "SeeWindowCommands")));
    if (see)
        Hook = SetWindowsHookExA(WH_CALLWNDPROC, see, Module, 0);
    EXPECT_NE(nullptr, Hook) << "the window command hook";
}

WindowCommandWatch::~WindowCommandWatch()
{
    if (Hook)
        UnhookWindowsHookEx(Hook);
    if (Module)
        FreeLibrary(Module);
}

