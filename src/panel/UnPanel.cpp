#include "UnPanel.h"

#include "../../res/resource.h"
#include "../app/MainUnit.h"
#include "../app/Settings.h"
#include "../lists/LaunchList.h"
#include "../platform/Platform.h"
#include "../toolkit/Application.h"
#include "../toolkit/Files.h"
#include "PanelLayout.h"

std::unique_ptr<TForm2> Form2;

namespace {
struct ButtonLook {
    const char* File;
    const char* Hint;
};
const ButtonLook Buttons[9] = {
    {},
    {"cdrom.bmp", "Open/Close CD-ROM"},
    {"exitbut.bmp", "Close Quorvel"},
    {"closeall.bmp", "Close all windows"},
    {"minall.bmp", "Minimize all windows"},
    {"dir.bmp", "Open Dir"},
    {"app.bmp", "Run application"},
    {"monik.bmp", "Monitor"},
    {"timer.bmp", "Timer"},
};

std::vector<TMenuItem*> MenuOf(TMenuItem (&items)[MenuPositions], unsigned base, const char* add,
                               const char* del)
{
    std::vector<TMenuItem*> out;
    for (unsigned p = 0; p < MenuPositions; ++p) {
        items[p] = TMenuItem(base + p, p == 0 ? add : p == 1 ? del : p == 2 ? "-" : std::to_string(p - 2));
        items[p].Visible = p < 2;
        out.push_back(&items[p]);
    }
    return out;
}

// Items 1 to count + 2 of a menu, for the counts the panel is created with.
void ShowCountItems(TMenuItem (&items)[MenuPositions], unsigned count)
{
    for (unsigned p = 1; count > 0 && p <= count + 2 && p < MenuPositions; ++p)
        items[p].Visible = true;
}

void ShowEntries(TMenuItem (&items)[MenuPositions], const LaunchList& list)
{
    for (unsigned n = 1; n <= list.Count; ++n) {
        items[n + 2].Visible = true;
        items[n + 2].Caption = list.Slot[n].Name;
    }
}
} // namespace

TForm2::TForm2()
    : TForm("TForm2"), OpenDir(MenuOf(DirItems, idOpenDir, "Add dir", "Delete dir")),
      OpenApp(MenuOf(AppItems, idOpenApp, "Add file", "Delete file"))
{
    ExStyle = WS_EX_TOPMOST;
    Color = RGB(0, 128, 0);
    Caption = "Form2";
    InitLeft = 170;
    InitTop = 199;
    InitClientWidth = 396;
    InitClientHeight = 42;
    ImCentre.Stretch = true;
    Pictures = {&ImCentre, &ImRight, &ImLeft};
    for (int k = 1; k <= 8; ++k) {
        TImage& b = Im[k];
        b.Width = b.Height = 24;
        b.AutoSize = k >= 5;  // buttons 1 to 4 stay 24 x 24 and cut their picture off
        b.SetPicture(Bitmap::FromResource(GetModuleHandleA(nullptr), IDB_BTN1 + k - 1));
        b.Cursor = HandPointer();
        b.Hint = Buttons[k].Hint;
        Pictures.push_back(&b);
    }
    AlignFrames();
}

void TForm2::AlignFrames()
{
    RECT rc = {0, 0, InitClientWidth, InitClientHeight};
    if (Handle)
        GetClientRect(Handle, &rc);
    ImLeft.Left = ImLeft.Top = ImRight.Top = ImCentre.Top = 0;
    ImLeft.Width = ImLeft.Picture().Width;
    ImRight.Width = ImRight.Picture().Width;
    ImRight.Left = rc.right - ImRight.Width;
    ImCentre.Left = ImLeft.Width;
    ImCentre.Width = rc.right - ImLeft.Width - ImRight.Width;
    ImLeft.Height = ImRight.Height = ImCentre.Height = rc.bottom;
}

void TForm2::FormCreate()
{
    ShowCountItems(AppItems, Ini.numapps);
    ShowCountItems(DirItems, Ini.numdirs);

    ImLeft.SetPicture(Bitmap::FromFile(SkinDir + "back.bmp"));
    ImRight.SetPicture(Bitmap::FromFile(SkinDir + "back.bmp"));
    ImCentre.SetPicture(Bitmap::FromFile(SkinDir + "center.bmp"));

    for (int k = 1; k <= 8; ++k) {
        if (Ini.but[k] == 0) {
            Im[k].Visible = false;
            continue;
        }
        const std::string path = SkinDir + Buttons[k].File;
        if (k == 1 && !FileExists(path))
            continue;  // a skin may do without a CD picture
        Im[k].SetPicture(Bitmap::FromFile(path));
    }
    Im[7].Transparent = Im[8].Transparent = true;

    const int32_t frame = ImLeft.Picture().Width;
    const PanelRect r = PanelBounds(GetSystemMetrics(SM_CYSCREEN), frame);
    SetBounds(r.Left, r.Top, r.Width, r.Height);
    AlignFrames();

    for (int k = 1; k <= 8; ++k) {
        const ButtonPlace p = ButtonHome(Ini.but[k], frame);
        Im[k].Left = p.Left;
        Im[k].Top = p.Top;
    }

    LoadLaunchList(DirList, DirsFile);
    ShowEntries(DirItems, DirList);
    LoadLaunchList(AppList, AppsFile);
    ShowEntries(AppItems, AppList);

    SetOwner(Handle, GetDesktopWindow());
    MakeTopmost(Handle);
}

void RebuildPanel()
{
    if (Form2) {
        Form2->Hide();
        Form2.reset();
    }
    PanelShown = false;
    Form2.reset(new TForm2);
    Application.CreateForm(*Form2);
}
