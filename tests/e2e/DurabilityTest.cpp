// Quorvel killed at random moments while it saves, over and over: a file
// read afterwards, as the program reads it, is always the old one or a new
// one, never a cut or a mix.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

#include "Harness.h"
#include "Session.h"
#include "ui/Commands.h"

namespace {
const char* const Saved[] = {"Settings.ini", "Dirs.qvl", "Apps.qvl"};

// What the program finds at its next start: a save on the 95 family that was
// cut between its two renames has the old file under its aside name.
std::string AsRead(const Install& app, const std::string& name)
{
    const std::string path = app.File(name);
    return Exists(path) ? ReadBytes(path) : Exists(path + ".old") ? ReadBytes(path + ".old") : "<missing>";
}
} // namespace

TEST(Durability, KilledWhileSavingEveryFileIsTheOldOrTheNewOne)
{
    const std::map<std::string, std::string> old = {
        {"Settings.ini", "monitor=0\r\nautorun=false\r\n"},
        {"Dirs.qvl", "Work\nC:\\Work\nHome\nC:\\Home\n"},
        {"Apps.qvl", "Pad\nC:\\pad.exe\n"},
    };
    Install app("KillWhileSaving");
    TestTaskbar tray(app.File("tray.log"), app.File("Settings.ini"));
    auto restore = [&] {
        for (const char* name : Saved) {
            for (const char* end : {".new", ".old"})
                DeleteFileA(app.File(std::string(name) + end).c_str());
            WriteBytes(app.File(name), old.at(name));
        }
    };

    // Every form a file may take: the old one and those clean saves write.
    std::map<std::string, std::set<std::string>> forms;
    for (const char* name : Saved)
        forms[name].insert(old.at(name));
    restore();
    {
        Quorvel q(app);
        ASSERT_TRUE(q.WaitStarted());
        for (unsigned id : {CmdMonitorScreenSaver, CmdMonitorPowerOff}) {
            Command(q.Window("TForm1"), id);
            const std::string want = id == CmdMonitorScreenSaver ? "monitor=1" : "monitor=0";
            ASSERT_TRUE(WaitFor([&] { return ReadBytes(app.File("Settings.ini")).find(want) != std::string::npos; }));
            Sleep(200);
            for (const char* name : Saved)
                forms[name].insert(ReadBytes(app.File(name)));
        }
    }
    ASSERT_EQ(3u, forms["Settings.ini"].size());
    ASSERT_EQ(1u, forms["Dirs.qvl"].size()) << "an unchanged list is never written";
    ASSERT_EQ(1u, forms["Apps.qvl"].size());

    srand(GetTickCount());
    const int runs = 200;
    int oldSeen = 0, newSeen = 0, tempsLeft = 0;
    for (int i = 0; i < runs && !HasFailure(); ++i) {
        restore();
        {
            Quorvel q(app);
            ASSERT_TRUE(q.WaitStarted()) << "run " << i;
            const HWND startButton = q.Window("TForm1");
            // Each command saves all three files; the kill comes amid them.
            for (int k = 0; k < 40; ++k)
                Command(startButton, k % 2 ? CmdMonitorPowerOff : CmdMonitorScreenSaver);
            const int wait = rand() % 180 - 30;  // one in six at once
            if (wait > 0)
                Sleep(DWORD(wait));
        }
        for (const char* name : Saved) {
            const std::string found = AsRead(app, name);
            EXPECT_TRUE(forms[name].count(found)) << "run " << i << ": " << name << " is\n" << found;
            (found == old.at(name) ? oldSeen : newSeen)++;
            tempsLeft += Exists(app.File(std::string(name) + ".new"));
        }
    }
    // The kills must have landed before, amid and after the saves alike.
    printf("%d runs: %d files found old, %d new, %d temporary files left by a kill\n", runs, oldSeen, newSeen,
           tempsLeft);
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
}
