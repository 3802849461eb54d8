#include "Session.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include "model/Settings.h"
#include "model/SkinFile.h"
#include "model/PanelLayout.h"
#include "base/Files.h"

SIZE BmpSize(const std::string& path)
{
    const std::string b = ReadBytes(path);
    if (b.size() < 26)
        return {0, 0};
    auto le32 = [&b](size_t at) {
        return int32_t(uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
                       uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24);
    };
    return {le32(18), std::abs(le32(22))};
}

RECT WindowRect(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    return r;
}

SIZE WindowSize(HWND w)
{
    const RECT r = WindowRect(w);
    return {r.right - r.left, r.bottom - r.top};
}

void Command(HWND form, unsigned id)
{
    PostMessageA(form, WM_COMMAND, id, 0);
}

HWND Child(HWND form, const std::string& cls, int nth, const std::string& text)
{
    for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (ClassOf(c) == cls && (text.empty() ? nth-- == 0 : TextOf(c) == text))
            return c;
    return nullptr;
}

HWND ButtonOf(HWND form, const std::string& text)
{
    return Child(form, "Button", 0, text);
}

HWND PopupMenuOf(DWORD pid)
{
    for (HWND w : TopLevelWindows(pid))
        if (ClassOf(w) == "#32768" && IsWindowVisible(w))
            return w;
    return nullptr;
}

std::string ListFile(const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string out;
    for (const auto& e : entries)
        out += e.first + "\r\n" + e.second + "\r\n";
    return out;
}

std::string DefaultSettingsFile(const std::string& dir)
{
    return "skin=xpdef.qvs\r\nnumbut=8\r\nnumapps=0\r\nnumdirs=0\r\nautorun=false\r\ncdrom=e\r\n"
           "but1=1\r\nbut2=2\r\nbut3=3\r\nbut4=4\r\nbut5=5\r\nbut6=6\r\nbut7=7\r\nbut8=8\r\n"
           "monitor=0\r\nskindir=" +
           dir + "Skins\\xpdefault\\\r\n";
}

namespace {
Install Prepared(const std::string& name, const std::string& settings, const Files& files)
{
    Install app(name);
    if (!settings.empty())
        WriteBytes(app.File("Settings.ini"), settings);
    for (const auto& f : files)
        WriteBytes(app.File(f.first), f.second);
    return app;
}

const Install& Ready(const Install& app, TestTaskbar& tray, const BeforeStart& beforeStart)
{
    if (beforeStart)
        beforeStart(app, tray);
    return app;
}
} // namespace

Session::Session(const std::string& name, const std::string& settings, const Files& files,
                 const BeforeStart& beforeStart)
    : App(Prepared(name, settings, files)), Tray(App.File("tray.log"), App.File("Settings.ini")),
      Q(Ready(App, Tray, beforeStart))
{
}

std::string Session::DismissError()
{
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = Q.ErrorBox()) != nullptr; }))
        return "<no error box>";
    const std::string text = BoxMessage(box);
    SetForegroundWindow(box);
    Sleep(200);
    PressKey(VK_RETURN);
    WaitFor([&] { return !IsWindow(box); });
    return text;
}

std::string Session::Saved(const char* key) const
{
    const std::string s = "\r\n" + ReadBytes(App.File("Settings.ini"));
    const size_t at = s.find(std::string("\r\n") + key);
    return at == std::string::npos ? "" : s.substr(at + 2, s.find("\r\n", at + 2) - at - 2);
}

ProgramView ReadAsProgram(const Install& app)
{
    ProgramView v;
    v.Config = DefaultSettings(app.Dir);
    if (FileExists(app.File("Settings.ini"))) {
        TextReader in(app.File("Settings.ini"));
        ReadSettingsFrom(in, v.Config);
    }
    ReadSkinFile(v.Config.SkinFolder + v.Config.SkinFile, v.Skin);
    return v;
}

POINT ZoneCentre(HWND startButton, const Install& app, int zone)
{
    const SkinMetrics skin = ReadAsProgram(app).Skin;
    const Zone& z = zone == 1 ? skin.StartMenuZone : zone == 2 ? skin.MainMenuZone : skin.PanelZone;
    const RECT r = WindowRect(startButton);
    return {r.left + (z.Left + z.Right) / 2, r.top + (z.Top + z.Bottom) / 2};
}

POINT ButtonHomeOnScreen(HWND panel, const Install& app, int k)
{
    const ProgramView v = ReadAsProgram(app);
    const ButtonPlace home = ButtonHome(v.Skin, v.Config.ButtonSlot[k], BmpSize(v.Config.SkinFolder + "back.bmp").cx);
    const RECT r = WindowRect(panel);
    return {r.left + home.Left, r.top + home.Top};
}

POINT ButtonCentre(HWND panel, const Install& app, int k)
{
    const POINT p = ButtonHomeOnScreen(panel, app, k);
    return {p.x + 12, p.y + 12};
}

void PressPanelKey()
{
    const WORD keys[] = {VK_CONTROL, VK_SHIFT, VK_F11};
    INPUT in[6] = {};
    for (int i = 0; i < 3; ++i) {
        in[i].type = in[5 - i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = in[5 - i].ki.wVk = keys[i];
        in[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(6, in, sizeof(INPUT));
    Sleep(300);
}

HWND Session::ShowPanel()
{
    HWND panel = Panel();
    EXPECT_TRUE(ToggleTo(true)) << "the panel does not show";
    Sleep(300);
    return panel;
}

bool Session::ToggleTo(bool shown)
{
    return ClickZoneUntil(StartButton(), App, 3, [&] { return (IsWindowVisible(Panel()) != FALSE) == shown; });
}

void ClickZone(HWND startButton, const Install& app, int zone, bool right)
{
    // Wine may pass over a synthetic click on our button that follows a
    // capture taken and released elsewhere (a menu, the Start button) until
    // the mouse has been clicked somewhere else: a user's hand comes from the
    // empty desktop.
    ClickAt(600, 200);
    const POINT p = ZoneCentre(startButton, app, zone);
    ClickAt(p.x, p.y, right);
}

void Session::ClickZone(int zone, bool right)
{
    ::ClickZone(StartButton(), App, zone, right);
}


Told ToldOf(POINT p, bool press)
{
    static const HRESULT com = CoInitialize(nullptr);  // once, for the driver's thread
    (void)com;
    Told told;
    IAccessible* acc = nullptr;
    VARIANT child = {};
    if (FAILED(AccessibleObjectFromPoint(p, &acc, &child)) || !acc)
        return told;
    BSTR name = nullptr;
    if (acc->get_accName(child, &name) == S_OK) {
        char narrow[200] = "";
        WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, sizeof narrow, nullptr, nullptr);
        told.Name = narrow;
        SysFreeString(name);
    }
    VARIANT role = {};
    if (acc->get_accRole(child, &role) == S_OK && role.vt == VT_I4)
        told.Role = role.lVal;
    LONG x = 0, y = 0, w = 0, h = 0;
    if (acc->accLocation(&x, &y, &w, &h, child) == S_OK)
        told.Place = {x, y, x + w, y + h};
    if (press)
        acc->accDoDefaultAction(child);
    acc->Release();
    return told;
}
