#include "MainUnit.h"

#include <commdlg.h>

#include "../../res/resource.h"
#include "../dialogs/AboutUnit.h"
#include "../dialogs/UnitCD.h"
#include "../dialogs/UnitFirst.h"
#include "../dialogs/UnitPos.h"
#include "../panel/UnPanel.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "../toolkit/Errors.h"
#include "../toolkit/Files.h"
#include "HitZone.h"
#include "Links.h"
#include "Settings.h"
#include "Skins.h"

TForm1* Form1 = nullptr;

HWND TrayWnd = nullptr;
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
    N11.RadioItem = N12.RadioItem = true;
    N11.Checked = true;
}

LRESULT TForm1::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COMMAND || lParam)
        return TForm::WndProc(msg, wParam, lParam);
    switch (LOWORD(wParam)) {
    case idN4: N4Click(); break;
    case idCDROM1: CDROM1Click(); break;
    case idN13: N13Click(); break;
    case idN2: N2Click(); break;
    case idXP1: XP1Click(); break;
    case idN7: N7Click(); break;
    case idXP2: XP2Click(); break;
    case idWin981: Win981Click(); break;
    case idBryndale1: Bryndale1Click(); break;
    case idN9: N9Click(); break;
    case idN11: N11Click(); break;
    case idN12: N12Click(); break;
    case idN1: N1Click(); break;
    }
    return 0;
}

void TForm1::Pusk(bool show)
{
    TrayWnd = FindTaskbar();
    HideStartButton(TrayWnd, !show);
}

void TForm1::InitShell()
{
    AboutBusy = CdDialogBusy = ButtonsBusy = AddDirBusy = false;
    const std::string exe = ExePath();
    ExeDir = exe.substr(0, exe.find_last_of('\\') + 1);
    CdTrayOpen = false;
    PanelShown = false;
    AttachToShell();
}

void TForm1::AttachToShell()
{
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pusk(false);
    PlaceOnTaskbar(Handle, TrayWnd);
}

// Explorer restarted after a crash, or its taskbar went away and took our
// button with it (a child, or on Wine an owned window, goes down with it).
// The settings, lists and panel live on in memory: only the button is made
// anew and put into whatever taskbar there is now.
void TForm1::ShellRestarted()
{
    if (!Handle) {
        CreateHandle();
        SetClientSize(Image1.Width, Image1.Height);
        ApplyColorKey();
        UpdateHints();
    }
    AttachToShell();
    Show();
}

// Logging off or shutting down ends the process without a close: what a
// close does happens here. A box now would only hold up the session, so a
// failed save (already reported at every earlier save) goes unreported.
void TForm1::SessionEnding()
{
    try {
        WriteSettings();
    } catch (const std::exception&) {
    }
    Pusk(true);
}

void TForm1::FormCreate()
{
    InitShell();
    ReadSettings();
    try {
        ReadSkinFile();
        LoadStartPicture();
    } catch (...) {
        // The start-up ends at the error box, the built-in picture shown:
        // without zones of its own the button would answer nothing, and the
        // user would have neither Start button nor a way to another skin.
        UseBuiltInZones(uint16_t(Image1.Width), uint16_t(Image1.Height));
        throw;
    }
}

void TForm1::PictureMouseDown(TImage& picture, MouseButton, int x, int y)
{
    if (&picture == &Image1)
        Image1MouseDown(x, y);
}

void TForm1::PictureMouseMove(TImage& picture, int x, int y)
{
    if (&picture == &Image1)
        Image1MouseMove(x, y);
}

// Any mouse button: the zone alone decides.
void TForm1::Image1MouseDown(int x, int y)
{
    switch (HitZone(x, y)) {
    case 1: OpenStartMenu(TrayWnd); break;
    case 2: PopupMenu1.Popup(Handle, 0, GetSystemMetrics(SM_CYSCREEN) - Skin.StartHeight); break;
    case 3:
        PanelShown = !PanelShown;
        if (PanelShown)
            Form2->Show();
        else
            Form2->Hide();
        break;
    }
}

void TForm1::Image1MouseMove(int x, int y)
{
    SetCursor(HitZone(x, y) ? HandPointer() : LoadCursor(nullptr, IDC_ARROW));
}

// "Autoloading": the file follows at the next save.
void TForm1::N4Click()
{
    N4.Checked = !N4.Checked;
    Ini.autorun = N4.Checked;
    SetAutorun(N4.Checked);
}

// "Power Off"
void TForm1::N11Click()
{
    Ini.monitor = 0;
    N11.SetChecked(true);
    WriteSettings();
}

// "Start of prompt"
void TForm1::N12Click()
{
    Ini.monitor = 1;
    N12.SetChecked(true);
    WriteSettings();
}

// "Exit"
void TForm1::N1Click()
{
    if (TApplication::Box(Handle, "You really want to close Quorvel ?", "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES)
        PostMessageA(Handle, WM_CLOSE, 0, 0);
}

// "CD-ROM": the settings are written when the chooser closes, applied or not.
void TForm1::CDROM1Click()
{
    if (CdDialogBusy)
        return;
    {
        const Busy busy(CdDialogBusy);
        TFormCD dialog;
        dialog.Drive = Ini.cdrom;
        dialog.Create();
        dialog.ShowModal();
    }
    WriteSettings();
}

// "Buttons"
void TForm1::N13Click()
{
    if (ButtonsBusy)
        return;
    {
        const Busy busy(ButtonsBusy);
        TPosForm dialog;
        dialog.Lists = ChooserFill(Ini);
        dialog.Create();
        if (dialog.ShowModal() == mrOk) {
            // The new panel reloads both lists from their files: saved first,
            // a favourite deleted since the last save stays deleted.
            WriteSettings();
            RebuildPanel();
            WriteSettings();
            ReadSkinFile();
            LoadStartPicture();
        }
    }
    WriteSettings();
}

// "About..."
void TForm1::N2Click()
{
    if (AboutBusy)
        return;
    const Busy busy(AboutBusy);
    TAbout dialog;
    dialog.Create();
    dialog.ShowModal();
}

void TForm1::LoadStartPicture()
{
    Image1.SetPicture(Bitmap::FromFile(SkinDir + "normal.bmp"));
    Skin.StartWidth = uint16_t(Image1.Width);
    Skin.StartHeight = uint16_t(Image1.Height);
    SetClientSize(Skin.StartWidth, Skin.StartHeight);
    CentreOnTaskbar(Handle, TrayWnd);
    ApplyColorKey();
    Invalidate();
}

void ApplySkin(const std::string& folder, const std::string& file)
{
    SkinDir = folder;
    Ini.skin = file;
    WriteSettings();
    ReadSkinFile();
    Form1->LoadStartPicture();
    RebuildPanel();
}

namespace {
void ApplyBuiltInSkin(int which)
{
    ApplySkin(ExeDir + BuiltInSkins[which].Folder, BuiltInSkins[which].File);
}
} // namespace

void TForm1::XP1Click()
{
    ApplyBuiltInSkin(StandardXP);
}

void TForm1::N7Click()
{
    ApplyBuiltInSkin(ClassicalXP);
}

void TForm1::XP2Click()
{
    ApplyBuiltInSkin(ButtonXP);
}

void TForm1::Win981Click()
{
    ApplyBuiltInSkin(ClassicalWin98);
}

void TForm1::Bryndale1Click()
{
    ShellOpen(Handle, SkinsPage);
}

// "To choose...": a skin description file from any folder; that folder
// becomes the skin folder.
void TForm1::N9Click()
{
    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = Handle;
    // "Skin files", stored in the Windows-1251 code page.
    ofn.lpstrFilter = "\xD4\xE0\xE9\xEB\xFB \xF1\xEA\xE8\xED\xEE\xE2\0*.qvs\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = "Skins";
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!ChooseFile(ofn))
        return;
    const std::string path = file;
    const size_t slash = path.find_last_of('\\');
    ApplySkin(path.substr(0, slash + 1), path.substr(slash + 1));
}

void TForm1::FormClose()
{
    Pusk(true);
    try {
        WriteSettings();
    } catch (...) {
        // The close stops at the error box: Quorvel stays in the taskbar with
        // nothing lost, and the user can free the file and close again.
        Pusk(false);
        throw;
    }
}

void ReadSettings()
{
    SetDefaultSettings();
    const std::string path = ExeDir + SettingsFile;
    if (FileExists(path)) {
        // "monitor=1" ticks its item as it is read, even when a later line fails.
        struct TickMonitor {
            ~TickMonitor()
            {
                if (Ini.monitor == 1)
                    Form1->N12.SetChecked(true);
            }
        } tick;
        TextReader in(path);
        ReadSettingsFrom(in);
    } else {
        // The first start: the user picks the look that suits the system.
        FirstRunChoice = 0;
        TFormFirst dialog;
        dialog.Create();
        dialog.ShowModal();
        if (FirstRunChoice == 1) {
            SkinDir = ExeDir + BuiltInSkins[ClassicalXP].Folder;
            Ini.skin = BuiltInSkins[ClassicalXP].File;
        }
    }
    Form1->N4.Checked = Ini.autorun;
    SetAutorun(Ini.autorun);
}

void SetAutorun(bool on)
{
    if (!on)
        DeleteRunValue("Quorvel");
    else if (!WriteRunValue("Quorvel", ExePath()))
        throw ERegistryException("Failed to set data for 'Quorvel'");
}
