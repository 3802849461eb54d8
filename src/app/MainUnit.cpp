#include "MainUnit.h"

#include "../../res/resource.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "../toolkit/Errors.h"
#include "../toolkit/Files.h"
#include "Settings.h"

TForm1* Form1 = nullptr;

HWND TrayWnd = nullptr;
HWND StartWnd = nullptr;
bool PanelShown = false;
bool CdTrayOpen = false;
bool AboutBusy = false;
bool CdDialogBusy = false;
bool ButtonsBusy = false;
bool AddDirBusy = false;

TForm1::TForm1() : TForm("TForm1")
{
    ExStyle = WS_EX_TOPMOST;
    Color = RGB(128, 0, 0);
    UseColorKey = true;
    Image1.AutoSize = true;
    Image1.SetPicture(Bitmap::FromResource(GetModuleHandleA(nullptr), IDB_START));
    InitClientWidth = Image1.Width;
    InitClientHeight = Image1.Height;
    Pictures = {&Image1};
}

void TForm1::Pusk(bool show)
{
    TrayWnd = FindTaskbar();
    StartWnd = FindStartButton(TrayWnd);
    ShowStartButton(StartWnd, show);
}

void TForm1::InitShell()
{
    AboutBusy = CdDialogBusy = ButtonsBusy = AddDirBusy = false;
    const std::string exe = ExePath();
    ExeDir = exe.substr(0, exe.find_last_of('\\') + 1);
    CdTrayOpen = false;
    PanelShown = false;
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pusk(false);
    if (!TrayWnd)
        return;
    if (IsWine())
        OverlayTaskbar(Handle, TrayWnd);
    else
        EmbedInTaskbar(Handle, TrayWnd);
}

void TForm1::FormCreate()
{
    InitShell();
    ReadSettings();
}

void TForm1::FormClose()
{
    Pusk(true);
    WriteSettings();
}

void ReadSettings()
{
    SetDefaultSettings();
    const std::string path = ExeDir + SettingsFile;
    if (FileExists(path)) {
        TextReader in(path);
        ReadSettingsFrom(in);
    }
    // Without a settings file the defaults stand; the first-run dialog, which
    // lets the user pick the classic look instead, will be shown here.
    SetAutorun(Ini.autorun);
}

void SetAutorun(bool on)
{
    if (!on)
        DeleteRunValue("Quorvel");
    else if (!WriteRunValue("Quorvel", ExePath()))
        throw ERegistryException("Failed to set data for 'Quorvel'");
}
