// The start-button window: it takes the system Start button's place in the
// taskbar. Zone 1 of its picture opens the system Start menu, zone 2 the main
// menu, zone 3 shows and hides the panel.
#pragma once
#include <cstdint>
#include <string>

#include "../model/HitZone.h"
#include "../model/StartShape.h"
#include "../toolkit/Accessible.h"
#include "../toolkit/Form.h"
#include "../toolkit/Menus.h"
#include "Commands.h"

class Program;

// To accessibility tools, each zone of a start button is a push button that
// does what a click there does, on that button's monitor.
class StartZones : public AccessibleParts {
public:
    std::string Name() const override;
    std::vector<PartBox> Parts() const override;
    std::string PartName(int zone) const override;
    void PressPart(int zone) override;

protected:
    explicit StartZones(Program& app) : ZonesOf(app) {}
    ~StartZones() = default;
    // The taskbar the button stands on.
    virtual HWND ZonesTaskbar() const = 0;

private:
    Program& ZonesOf;
};

class StartButtonWindow : public Form, public StartZones {
public:
    explicit StartButtonWindow(Program& app);

    // Finds the taskbar and its Start button anew, and shows or hides that
    // button: true gives the system's Start button back.
    void SetSystemStartButtonShown(bool shown);
    // A skin's start picture; the window takes its size and shape, which
    // come back.
    SIZE LoadStartPicture(const std::string& path);
    SIZE FaceSize() const { return {Face.Width, Face.Height}; }
    const Bitmap& FacePicture() const { return Face.Image(); }
    // The main menu, its top-left corner at `at`; the choice is carried out.
    void PopUpMainMenu(ScreenPoint at);
    void ShowAutoload(bool on);
    void ShowMonitorAction(uint8_t action);
    // Explorer restarted, or its taskbar went away and took the button with it.
    void ShellRestarted();

protected:
    void Command(UINT id, UINT code) override;
    void OnCreate() override;
    bool OnClose() override;
    void PictureMouseDown(Picture& picture, MouseButton button, int x, int y) override;
    void PictureMouseMove(Picture& picture, int x, int y) override;
    HWND ZonesTaskbar() const override { return Taskbar; }

private:
    void AttachToShell();
    void ConfirmExit();
    void OpenSkinsPage();
    void ChooseSkinFile();

    Program& App;
    Picture Face;
    HWND Taskbar = nullptr;

    // The main menu.
    MenuItem AutoloadItem{CmdAutoload, "Autoloading"};
    MenuItem CdDriveItem{CmdChooseCdDrive, "CD-ROM"};
    MenuItem StandardXpItem{CmdStandardXpSkin, "Standard XP"};
    MenuItem ClassicalXpItem{CmdClassicalXpSkin, "Classical XP"};
    MenuItem ButtonXpItem{CmdButtonXpSkin, "Button XP"};
    MenuItem ClassicalWin98Item{CmdClassicalWin98Skin, "Classical Win98"};
    MenuItem SkinsSeparator = MenuItem::Separator(CmdSkinsSeparator);
    MenuItem DownloadSkinsItem{CmdDownloadSkins, "Download from Bryndale"};
    MenuItem ChooseSkinFileItem{CmdChooseSkinFile, "To choose..."};
    MenuItem SkinsMenu{CmdSkinsMenu,
                        "Skins",
                        {&StandardXpItem, &ClassicalXpItem, &ButtonXpItem, &ClassicalWin98Item, &SkinsSeparator,
                         &DownloadSkinsItem, &ChooseSkinFileItem}};
    MenuItem PowerOffItem{CmdMonitorPowerOff, "Power Off"};
    MenuItem ScreenSaverItem{CmdMonitorScreenSaver, "Start of prompt"};
    MenuItem MonitorMenu{CmdMonitorMenu, "Monitor", {&PowerOffItem, &ScreenSaverItem}};
    MenuItem PanelButtonsItem{CmdChoosePanelButtons, "Buttons"};
    MenuItem AboutSeparator = MenuItem::Separator(CmdAboutSeparator);
    MenuItem AboutItem{CmdAbout, "About..."};
    MenuItem ExitSeparator = MenuItem::Separator(CmdExitSeparator);
    MenuItem ExitItem{CmdExit, "Exit"};
    PopupMenu MainMenu{{&AutoloadItem, &CdDriveItem, &SkinsMenu, &MonitorMenu, &PanelButtonsItem, &AboutSeparator,
                         &AboutItem, &ExitSeparator, &ExitItem}};
};
