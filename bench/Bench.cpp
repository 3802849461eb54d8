// The benchmarks, run under Wine by bench/run.sh: Quorvel.exe against a
// minimal window program built the same way, measured turn by turn in the
// same Wine session. Prints the rows of the results table; the idle phases
// are measured from outside (Linux counts what Wine cannot), through files
// named idle-<label>.pid / .done in QV_WORK.
//
// Usage: QuorvelBench.exe [pairs] [startup]: "startup" stops after the
// start-up figures, for a quick look while profiling.
#include <windows.h>
// after windows.h
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "../tests/e2e/Harness.h"
#include "../tests/e2e/Session.h"
#include "ui/Commands.h"
#include "base/BmpFile.h"
#include "base/Files.h"
#include "toolkit/Graphics.h"
#include "base/Region.h"

namespace {
double Now()
{
    static LARGE_INTEGER freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1000.0 / double(freq.QuadPart);
}

struct Spread {
    double Median, Min, Max;
};

Spread Of(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

void Row(const char* what, const char* unit, const std::vector<double>& base, const std::vector<double>& q,
         double budget)
{
    const Spread b = Of(base), s = Of(q);
    const double ratio = s.Median / b.Median;
    printf("| %s | %.1f %s (%.1f-%.1f) | %.1f %s (%.1f-%.1f) | %.2f | %.2f | %s |\n", what, b.Median, unit, b.Min,
           b.Max, s.Median, unit, s.Min, s.Max, ratio, budget, ratio <= budget ? "met" : "MISSED");
    fflush(stdout);
}

HWND VisibleWindow(DWORD pid, const char* cls)
{
    for (HWND w : TopLevelWindows(pid))
        if (ClassOf(w) == cls && IsWindowVisible(w))
            return w;
    return nullptr;
}

struct Start {
    double Ms;
    double PeakKb;
};

// From process creation to its window on screen; then the peak working set
// once it has settled.
Start StartOnce(const std::string& exe, const std::string& dir, const char* cls)
{
    const double t0 = Now();
    PROCESS_INFORMATION pi = Launch(exe, "", dir);
    HWND w = nullptr;
    while (!(w = VisibleWindow(pi.dwProcessId, cls)) && Now() - t0 < 20000)
        Sleep(1);
    Start s = {Now() - t0, 0};
    Sleep(500);
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    if (GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc))
        s.PeakKb = double(pmc.PeakWorkingSetSize) / 1024;
    if (w)
        PostMessageA(w, WM_CLOSE, 0, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    EndProcess(pi);
    Sleep(300);  // Wine done with the old process before the next starts
    return s;
}

// The script measures the process named in the file for a minute.
void IdleMinute(const std::string& label, const std::string& exeName)
{
    MoveMouse(600, 300);  // the pointer resting on the empty desktop
    Sleep(1000);
    const std::string base = Env("QV_WORK") + "\\idle-" + label;
    WriteBytes(base + ".pid", exeName);
    if (!WaitFor([&] { return Exists(base + ".done"); }, 180000))
        printf("(no idle figures for %s)\n", label.c_str());
}

// The add-folder tree opened on a folder of `count` sub-folders, until its
// list holds them all and shows, against listing that folder alone.
void FolderTree(const Install& app, int count)
{
    const std::string folder = app.Dir + "Many" + std::to_string(count);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < count; ++i)
        CreateDirectoryA((folder + "\\folder" + std::to_string(i)).c_str(), nullptr);
    // Quorvel's working folder is where the tree opens.
    PROCESS_INFORMATION pi = Launch(app.Exe(), "", folder);
    HWND panel = nullptr;
    WaitFor([&] { return VisibleWindow(pi.dwProcessId, "TForm1") && (panel = FindWindowA("TForm2", nullptr)); });
    std::vector<double> list, tree;
    for (int i = 0; i < 7; ++i) {
        const double t0 = Now();
        WIN32_FIND_DATAA f;
        int found = 0;
        const HANDLE h = FindFirstFileA((folder + "\\*.*").c_str(), &f);
        do
            found += (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && f.cFileName[0] != '.';
        while (FindNextFileA(h, &f));
        FindClose(h);
        const double t1 = Now();
        PostMessageA(panel, WM_COMMAND, CmdFolderMenu + AddPosition, 0);
        HWND dialog = nullptr, lines = nullptr;
        WaitFor(
            [&] {
                dialog = VisibleWindow(pi.dwProcessId, "TFormDir");
                lines = dialog ? FindWindowExA(dialog, nullptr, "ListBox", nullptr) : nullptr;
                return lines && SendMessageA(lines, LB_GETCOUNT, 0, 0) > found;
            },
            30000);
        const double t2 = Now();
        if (i >= 2) {  // the first rounds fill the caches
            list.push_back(t1 - t0);
            tree.push_back(t2 - t1);
        }
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindow(dialog); });
    }
    const std::string what = "add-folder tree of " + std::to_string(count) + " sub-folders, against listing them";
    Row(what.c_str(), "ms", list, tree, 25);
    EndProcess(pi);
}

const unsigned Skins[] = {CmdClassicalXpSkin, CmdButtonXpSkin, CmdClassicalWin98Skin, CmdStandardXpSkin};
const char* const SkinFolders[] = {"xpclassic", "xpbutton", "win98", "xpdefault"};
const char* const SkinPictures[] = {"normal.bmp", "back.bmp", "back.bmp", "center.bmp",
                                    "cdrom.bmp",  "exitbut.bmp", "closeall.bmp", "minall.bmp",
                                    "dir.bmp",    "app.bmp",  "monik.bmp", "timer.bmp"};
} // namespace

int main(int argc, char** argv)
{
    const int pairs = argc > 1 ? atoi(argv[1]) : 15;
    Install app("Bench");
    WriteBytes(app.File("Settings.ini"), "monitor=0\r\n");
    const std::string baseline = Env("QV_BASELINE");
    auto tray = std::make_unique<TestTaskbar>(app.File("tray.log"), app.File("Settings.ini"));

    // Start-up, turn by turn.
    std::vector<double> bMs, qMs, bKb, qKb;
    StartOnce(app.Exe(), app.Dir, "TForm1");  // the first start of a program under Wine is slower
    StartOnce(baseline, app.Dir, "QuorvelBaseline");
    for (int i = 0; i < pairs; ++i) {
        const Start b = StartOnce(baseline, app.Dir, "QuorvelBaseline");
        const Start q = StartOnce(app.Exe(), app.Dir, "TForm1");
        bMs.push_back(b.Ms);
        qMs.push_back(q.Ms);
        bKb.push_back(b.PeakKb);
        qKb.push_back(q.PeakKb);
    }
    printf("| figure | baseline: median (min-max) | Quorvel: median (min-max) | ratio | budget | |\n");
    printf("|---|---|---|---|---|---|\n");
    Row("start-up to the button on screen", "ms", bMs, qMs, 1.15);
    Row("peak working set after start-up", "KB", bKb, qKb, 1.25);
    if (argc > 2 && std::string(argv[2]) == "startup")
        return 0;

    // A skin change against loading its pictures alone.
    {
        Quorvel q(app);
        if (!q.WaitStarted())
            return 1;
        const HWND startButton = q.Window("TForm1");
        const HWND firstPanel = q.Window("TForm2");
        ClickUntil(ZoneCentre(startButton, app, 3), [&] { return IsWindowVisible(firstPanel) != FALSE; });
        // What no skin change under Wine can do without, besides the pictures:
        // the choice stored for good, and a window of the button's size given
        // the new picture's size and see-through shape.
        HWND probe = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Static", "", WS_POPUP | WS_VISIBLE, 600, 100,
                                     96, 30, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        const std::string scratch = app.File("floor.ini");
        std::vector<double> change, load, floor;
        for (int i = 0; i < 220; ++i) {
            const std::string skin = app.Dir + "Skins\\" + SkinFolders[i % 4] + "\\";
            DWORD_PTR done = 0;
            const double t0 = Now();
            SendMessageTimeoutA(startButton, WM_COMMAND, Skins[i % 4], 0, SMTO_NORMAL, 10000, &done);
            const double t1 = Now();
            for (const char* picture : SkinPictures)
                Bitmap::FromFile(skin + picture);
            const double t2 = Now();
            SaveFileAtomic(scratch, "skin=" + std::to_string(i) + "\r\nskindir=" + skin + "\r\n");
            const std::string bytes = ReadBytes(skin + "normal.bmp");
            const DibImage pic = DecodeBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            SetWindowPos(probe, nullptr, 0, 0, pic.Width, pic.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            SetWindowRgn(probe, RegionFromRuns(OpaqueRuns(pic.Pixels.data(), pic.Width, pic.Height, 0x800000)), TRUE);
            const double t3 = Now();
            if (i >= 20) {  // the first rounds fill the caches
                change.push_back(t1 - t0);
                load.push_back(t2 - t1);
                floor.push_back(t3 - t1);
            }
        }
        DestroyWindow(probe);
        Row("skin change, against loading its 12 pictures", "ms", load, change, 1.5);
        Row("skin change, against its pictures + a durable save + a reshaped window", "ms", floor, change, 1.5);
        // A skin change makes the panel anew, hidden: shown again for the idle minute.
        HWND panel = nullptr;
        ClickUntil(ZoneCentre(startButton, app, 3), [&] { return (panel = VisibleWindow(q.Pid(), "TForm2")) != nullptr; });
        if (!panel)
            printf("(the panel did not show)\n");
        IdleMinute("quorvel", "Quorvel.exe");

        // The shutdown countdown running, its dialog hidden.
        HWND timer = q.Window("TTimerForm");
        ClickUntil(ButtonCentre(panel, app, 8), [&] { return IsWindowVisible(timer) != FALSE; });
        Sleep(300);
        PressKey(VK_END);
        for (int i = 0; i < 5; ++i)
            PressKey(VK_BACK);
        TypeText("600");
        PressKey(VK_TAB);
        PressKey(VK_RETURN);  // "Start"
        Sleep(300);
        if (!ButtonOf(timer, "Stop"))
            printf("(the countdown did not start)\n");
        PostMessageA(ButtonOf(timer, "Hide"), BM_CLICK, 0, 0);
        WaitFor([&] { return !IsWindowVisible(timer); });
        IdleMinute("countdown", "Quorvel.exe");
        PostMessageA(startButton, WM_CLOSE, 0, 0);
        q.WaitExit();
    }
    for (int count : {1000, 5000})
        FolderTree(app, count);
    {
        PROCESS_INFORMATION pi = Launch(baseline, "", app.Dir);
        WaitFor([&] { return VisibleWindow(pi.dwProcessId, "QuorvelBaseline") != nullptr; });
        IdleMinute("baseline", "Baseline.exe");
        EndProcess(pi);
    }
    // Two taskbars, 10's shape (the second along the top of the one screen
    // Xvfb has), a button on each.
    tray.reset();
    tray = std::make_unique<TestTaskbar>(app.File("tray.log"), app.File("Settings.ini"), "win10");
    {
        Quorvel q(app);
        if (!q.WaitStarted() || !WaitFor([&] { return VisibleWindow(q.Pid(), "TMonitorButton") != nullptr; }))
            printf("(no button on the second taskbar)\n");
        IdleMinute("two-taskbars", "Quorvel.exe");
        PostMessageA(q.Window("TForm1"), WM_CLOSE, 0, 0);
        q.WaitExit();
    }
    return 0;
}
