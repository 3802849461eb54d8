// The start-button window: it takes the system Start button's place in the
// taskbar.
#pragma once
#include "../toolkit/Form.h"

class TForm1 : public TForm {
public:
    TForm1();
    TImage Image1;

    // Finds the taskbar and its Start button anew, and shows or hides it.
    void Pusk(bool show);

protected:
    void FormCreate() override;
    void FormClose() override;

private:
    void InitShell();
};

extern TForm1* Form1;

extern HWND TrayWnd;
extern HWND StartWnd;
extern bool PanelShown;
extern bool CdTrayOpen;
extern bool AboutBusy;
extern bool CdDialogBusy;
extern bool ButtonsBusy;
extern bool AddDirBusy;

void ReadSettings();
void SetAutorun(bool on);
