// The start-button window: it takes the system Start button's place in the
// taskbar.
#pragma once
#include <string>

#include "../toolkit/Form.h"
#include "../toolkit/Menus.h"
#include "MenuIds.h"

class TForm1 : public TForm {
public:
    TForm1();
    TImage Image1;

    // The main menu. Its items are members so that handlers and the settings
    // reader set their ticks directly.
    TMenuItem N4{idN4, "Autoloading"};
    TMenuItem CDROM1{idCDROM1, "CD-ROM"};
    TMenuItem XP1{idXP1, "Standard XP"};
    TMenuItem N7{idN7, "Classical XP"};
    TMenuItem XP2{idXP2, "Button XP"};
    TMenuItem Win981{idWin981, "Classical Win98"};
    TMenuItem SkinsLine{idSkinsLine, "-"};
    TMenuItem Bryndale1{idBryndale1, "Download from Bryndale"};
    TMenuItem N9{idN9, "To choose..."};
    TMenuItem N5{idN5, "Skins", {&XP1, &N7, &XP2, &Win981, &SkinsLine, &Bryndale1, &N9}};
    TMenuItem N11{idN11, "Power Off"};
    TMenuItem N12{idN12, "Start of prompt"};
    TMenuItem N10{idN10, "Monitor", {&N11, &N12}};
    TMenuItem N13{idN13, "Buttons"};
    TMenuItem N3{idN3, "-"};
    TMenuItem N2{idN2, "About..."};
    TMenuItem N6{idN6, "-"};
    TMenuItem N1{idN1, "Exit"};
    TPopupMenu PopupMenu1{{&N4, &CDROM1, &N5, &N10, &N13, &N3, &N2, &N6, &N1}};

    // Finds the taskbar and its Start button anew, and shows or hides it.
    void Pusk(bool show);
    void LoadStartPicture();
    void ShellRestarted() override;
    void SessionEnding() override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreate() override;
    void FormClose() override;
    void PictureMouseDown(TImage& picture, MouseButton button, int x, int y) override;
    void PictureMouseMove(TImage& picture, int x, int y) override;

private:
    void InitShell();
    void AttachToShell();
    void Image1MouseDown(int x, int y);
    void Image1MouseMove(int x, int y);
    void N4Click();
    void N11Click();
    void N12Click();
    void N1Click();
    void CDROM1Click();
    void N13Click();
    void N2Click();
    void XP1Click();
    void N7Click();
    void XP2Click();
    void Win981Click();
    void Bryndale1Click();
    void N9Click();
};

extern TForm1* Form1;

extern HWND TrayWnd;
extern bool PanelShown;
extern bool CdTrayOpen;
extern bool AboutBusy;
extern bool CdDialogBusy;
extern bool ButtonsBusy;
extern bool AddDirBusy;

// Holds a busy flag while a dialog is open, and clears it however the
// dialog ends: an error must not leave its menu item dead.
class Busy {
public:
    explicit Busy(bool& flag) : Flag(flag) { Flag = true; }
    ~Busy() { Flag = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& Flag;
};

void ReadSettings();
void SetAutorun(bool on);
// Stores the choice first (so that a broken skin is reported again at the
// next start), then loads it.
void ApplySkin(const std::string& folder, const std::string& file);
