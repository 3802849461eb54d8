// A running program in a fresh folder on the test taskbar, and what scenarios
// ask of it.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Harness.h"
#include "model/Settings.h"
#include "model/SkinFile.h"

SIZE BmpSize(const std::string& path);
// What an accessibility tool in another process is told of a point on
// screen; `press` then presses what is there, as the tool's user would.
struct Told {
    std::string Name;
    LONG Role = 0;
    RECT Place = {};
};
Told ToldOf(POINT p, bool press = false);
RECT WindowRect(HWND w);
SIZE WindowSize(HWND w);
// A main-menu or panel-menu command, as the menu sends it.
void Command(HWND form, unsigned id);
// The child of `form` with that class, the n-th of them in tab order, or the
// one with that text; and its button with that caption.
HWND Child(HWND form, const std::string& cls, int nth = 0, const std::string& text = "");
HWND ButtonOf(HWND form, const std::string& text);
// The visible pop-up menu window of a process, or nullptr.
HWND PopupMenuOf(DWORD pid);

// The settings and skin metrics as the program reads them from the files
// beside its copy (the defaults where there is no Settings.ini).
struct ProgramView {
    Settings Config;
    SkinMetrics Skin;
};
ProgramView ReadAsProgram(const Install& app);
// The middle of a zone of the start button on screen, read from the skin
// folder and description file that Settings.ini (or the defaults) names.
POINT ZoneCentre(HWND startButton, const Install& app, int zone);
// A click on the empty desktop, then on that zone.
void ClickZone(HWND startButton, const Install& app, int zone, bool right = false);
// ClickZone until `done` holds, three times at most: Wine now and then passes
// over a synthetic click, and a user would click again.
template <typename F>
bool ClickZoneUntil(HWND startButton, const Install& app, int zone, F done)
{
    for (int i = 0; i < 3; ++i) {
        ClickZone(startButton, app, zone);
        if (WaitFor(done, 2000))
            return true;
    }
    return false;
}
// The home place of panel button k (1 to 8) on screen, and its middle; read
// like ZoneCentre.
POINT ButtonHomeOnScreen(HWND panel, const Install& app, int k);
POINT ButtonCentre(HWND panel, const Install& app, int k);
// Ctrl+Shift+F11, the panel's key, pressed as a user does.
void PressPanelKey();

// Files put beside the exe before it starts: name and content.
using Files = std::vector<std::pair<std::string, std::string>>;
// A favourites list file (Dirs.qvl, Apps.qvl) as the program writes it: name
// and path on a line each, CR LF.
std::string ListFile(const std::vector<std::pair<std::string, std::string>>& entries);
// The settings file the program writes for a copy in `dir` that was never
// told anything.
std::string DefaultSettingsFile(const std::string& dir);

// What a scenario does once the files and the taskbar are there and before
// the program starts.
using BeforeStart = std::function<void(const Install&, TestTaskbar&)>;

struct Session {
    explicit Session(const std::string& name, const std::string& settings = "", const Files& files = {},
                     const BeforeStart& beforeStart = nullptr);
    Install App;
    TestTaskbar Tray;
    Quorvel Q;
    HWND StartButton() const { return Q.Window("TForm1"); }
    HWND Panel() const { return Q.Window("TForm2"); }
    // Dismisses the error box with Enter and gives its text.
    std::string DismissError();
    // The value of a line of Settings.ini ("skin=" gives "skin=xpdef.qvs").
    std::string Saved(const char* key) const;
    void ClickZone(int zone, bool right = false);
    // Shows the panel with a click on zone 3 and waits for it.
    HWND ShowPanel();
    // Zone 3 clicked until the panel is shown or hidden, as `shown` says:
    // Wine now and then passes over a synthetic click, and a user would click
    // again. False if three clicks did not do it.
    bool ToggleTo(bool shown);
};
