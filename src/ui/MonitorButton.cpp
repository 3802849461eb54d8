#include "MonitorButton.h"

#include "../model/HitZone.h"
#include "../platform/Platform.h"
#include "Program.h"

MonitorButtonWindow::MonitorButtonWindow(Program& app, HWND taskbar)
    : Form("TMonitorButton"), StartZones(app), App(app), Tray(taskbar)
{
    ExStyle = WS_EX_TOPMOST;
    Color = RGB(128, 0, 0);
    Face.AutoSize = true;
    Pictures = {&Face};
}

// Ours is on that taskbar before its own Start button goes, as on the first.
void MonitorButtonWindow::OnCreate()
{
    ShowFace(App.StartPicture());
    LayOverTaskbar(Handle, Tray);
    Show();
    UpdateWindow(Handle);
    HideStartButton(Tray, true);
}

void MonitorButtonWindow::ShowFace(const Bitmap& face)
{
    Face.SetPicture(face.Copy());
    SetClientSize(Face.Width, Face.Height);
    CentreOnTaskbar(Handle, Tray);
    ApplyColorKey();
    Invalidate();
}

// Any mouse button: the zone alone decides.
void MonitorButtonWindow::PictureMouseDown(Picture&, MouseButton, int x, int y)
{
    App.PressZone(HitZone(App.CurrentSkin(), x, y), Tray);
}

void MonitorButtonWindow::PictureMouseMove(Picture&, int x, int y)
{
    SetCursor(HitZone(App.CurrentSkin(), x, y) != NoZone ? HandPointer() : LoadCursor(nullptr, IDC_ARROW));
}
