// The start-button window: it takes the system Start button's place in the
// taskbar. Zone 1 of its picture opens the system Start menu, zone 2 the main
// menu, zone 3 shows and hides the panel.
#pragma once
#include <cstdint>

#include "../toolkit/Form.h"
#include "../toolkit/Menus.h"
#include "Commands.h"

class Program;

class StartButtonWindow : public TForm {
public:
    explicit StartButtonWindow(Program& app);

    // Finds the taskbar and its Start button anew, and shows or hides that
    // button: true gives the system's Start button back.
    void SetSystemStartButtonShown(bool shown);
    // "normal.bmp" of the skin folder; the window takes its size and shape.
    void LoadStartPicture();
    void ShowAutoload(bool on);
    void ShowMonitorAction(uint8_t action);
    void ShellRestarted() override;
    void SessionEnding() override;

protected:
    void Command(UINT id, UINT code) override;
    void FormCreate() override;
    void FormClose() override;
    void PictureMouseDown(TImage& picture, MouseButton button, int x, int y) override;
    void PictureMouseMove(TImage& picture, int x, int y) override;

private:
    void AttachToShell();
    void ToggleAutoload();
    void ChooseMonitorAction(uint8_t action);
    void ConfirmExit();
    void ChooseCdDrive();
    void ChoosePanelButtons();
    void ShowAbout();
    void UseBuiltInSkin(int which);
    void OpenSkinsPage();
    void ChooseSkinFile();

    Program& App;
    TImage Picture;
    HWND Taskbar = nullptr;

    // The main menu.
    TMenuItem AutoloadItem{CmdAutoload, "Autoloading"};
    TMenuItem CdDriveItem{CmdChooseCdDrive, "CD-ROM"};
    TMenuItem StandardXpItem{CmdStandardXpSkin, "Standard XP"};
    TMenuItem ClassicalXpItem{CmdClassicalXpSkin, "Classical XP"};
    TMenuItem ButtonXpItem{CmdButtonXpSkin, "Button XP"};
    TMenuItem ClassicalWin98Item{CmdClassicalWin98Skin, "Classical Win98"};
    TMenuItem SkinsSeparator{CmdSkinsSeparator, "-"};
    TMenuItem DownloadSkinsItem{CmdDownloadSkins, "Download from Bryndale"};
    TMenuItem ChooseSkinFileItem{CmdChooseSkinFile, "To choose..."};
    TMenuItem SkinsMenu{CmdSkinsMenu,
                        "Skins",
                        {&StandardXpItem, &ClassicalXpItem, &ButtonXpItem, &ClassicalWin98Item, &SkinsSeparator,
                         &DownloadSkinsItem, &ChooseSkinFileItem}};
    TMenuItem PowerOffItem{CmdMonitorPowerOff, "Power Off"};
    TMenuItem ScreenSaverItem{CmdMonitorScreenSaver, "Start of prompt"};
    TMenuItem MonitorMenu{CmdMonitorMenu, "Monitor", {&PowerOffItem, &ScreenSaverItem}};
    TMenuItem PanelButtonsItem{CmdChoosePanelButtons, "Buttons"};
    TMenuItem AboutSeparator{CmdAboutSeparator, "-"};
    TMenuItem AboutItem{CmdAbout, "About..."};
    TMenuItem ExitSeparator{CmdExitSeparator, "-"};
    TMenuItem ExitItem{CmdExit, "Exit"};
    TPopupMenu MainMenu{{&AutoloadItem, &CdDriveItem, &SkinsMenu, &MonitorMenu, &PanelButtonsItem, &AboutSeparator,
                         &AboutItem, &ExitSeparator, &ExitItem}};
};
