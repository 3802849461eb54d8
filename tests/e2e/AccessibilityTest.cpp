// What a screen reader in another process is told of the start button and
// the panel, and what it hears when the keyboard moves the panel's mark.
#include <gtest/gtest.h>
#include <oleacc.h>

#include "ScreenPictures.h"
#include "Session.h"
#include "model/ButtonChooser.h"
#include "model/PanelButtons.h"

namespace {
std::vector<LONG> FocusedParts;  // of the panel, as the hook heard them
HWND HookedPanel = nullptr;

void CALLBACK HearFocus(HWINEVENTHOOK, DWORD, HWND w, LONG object, LONG child, DWORD, DWORD)
{
    if (w == HookedPanel && object == OBJID_CLIENT)
        FocusedParts.push_back(child);
}

uint32_t ScreenColour(int sysColor)
{
    const COLORREF c = GetSysColor(sysColor);
    return uint32_t(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
}
} // namespace

// Buttons 2 and 1 swapped and 3 left out: the tools' numbering follows the
// panel's order, not the buttons' numbers. High contrast through the test
// seam: Wine has no such setting.
TEST(Accessibility, ZonesAndPanelButtonsAreNamedPushButtonsAndTheMarkIsHeard)
{
    const std::string name = "Accessibility-" + Env("QV_MODE");
    std::string settings = DefaultSettingsFile(InstallDir(name));
    settings.replace(settings.find("but1=1\r\nbut2=2\r\nbut3=3"), 22, "but1=2\r\nbut2=1\r\nbut3=0");
    SetEnvironmentVariableA("QUORVEL_TEST_HIGHCONTRAST", "1");
    Session s(name, settings);
    SetEnvironmentVariableA("QUORVEL_TEST_HIGHCONTRAST", nullptr);
    ASSERT_TRUE(s.Q.WaitStarted());
    const char* const zoneNames[] = {"", "Start", "Quorvel menu", "Panel"};
    for (int zone = 1; zone <= 3; ++zone) {
        const Told t = ToldOf(ZoneCentre(s.StartButton(), s.App, zone), zone == 3);
        EXPECT_EQ(zoneNames[zone], t.Name);
        EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, t.Role) << zone;
    }
    HWND panel = s.Panel();
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel) != FALSE; })) << "zone 3 pressed by a tool";
    Sleep(300);

    const std::vector<int> shown = ChooserFill(ReadAsProgram(s.App).Config).Shown;
    ASSERT_EQ(7u, shown.size());
    for (const int k : shown) {
        const POINT p = ButtonCentre(panel, s.App, k);
        const Told t = ToldOf(p);
        EXPECT_EQ(PanelButtons[k].Hint, t.Name);
        EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, t.Role) << k;
        EXPECT_TRUE(PtInRect(&t.Place, p)) << k << " is not where it is told to be";
    }
    IAccessible* bar = nullptr;
    ASSERT_EQ(S_OK, AccessibleObjectFromWindow(panel, DWORD(OBJID_CLIENT), __uuidof(IAccessible), (void**)&bar));
    LONG count = 0;
    bar->get_accChildCount(&count);
    bar->Release();
    EXPECT_EQ(7, count);

    // The mark moved to the panel's second button, button 1, is heard so.
    ToldOf(ZoneCentre(s.StartButton(), s.App, 3), true);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(panel); }));
    HookedPanel = panel;
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, HearFocus, s.Q.Pid(), 0,
                                         WINEVENT_OUTOFCONTEXT);
    PressPanelKey();
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == panel; }));
    PressKey(VK_RIGHT);
    EXPECT_TRUE(WaitFor([&] {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&m);
        return !FocusedParts.empty() && FocusedParts.back() == 2;
    })) << FocusedParts.size() << " focus events";
    UnhookWinEvent(hook);

    // In high contrast the mark is drawn in the highlight colours.
    Sleep(300);
    Screenshot(name + "-HighContrastMark");
    const POINT b = ButtonHomeOnScreen(panel, s.App, CdTrayButton);
    const Picture ring = ScreenArea(b.x - 3, b.y, 3, 1);
    EXPECT_EQ(ScreenColour(COLOR_HIGHLIGHT), ring.At(0, 0));
    EXPECT_EQ(ScreenColour(COLOR_HIGHLIGHTTEXT), ring.At(2, 0));

    ToldOf(ButtonCentre(panel, s.App, TimerButton), true);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(s.Q.Window("TTimerForm")) != FALSE; }))
        << "the timer button pressed by a tool";
}
