// A start button on another monitor's taskbar (from Windows 8 on each
// monitor has a taskbar of its own): the first button's picture and zones,
// each zone acting on this button's monitor. Its window class is its own:
// other programs know the first button as the one "TForm1" window.
#pragma once
#include "../toolkit/Form.h"
#include "StartButton.h"

class Program;

class MonitorButtonWindow : public Form, public StartZones {
public:
    MonitorButtonWindow(Program& app, HWND taskbar);
    HWND Taskbar() const { return Tray; }
    // The first button's picture; the window takes its size and shape.
    void ShowFace(const Bitmap& face);

protected:
    void OnCreate() override;
    void PictureMouseDown(Picture& picture, MouseButton button, int x, int y) override;
    void PictureMouseMove(Picture& picture, int x, int y) override;
    HWND ZonesTaskbar() const override { return Tray; }

private:
    Program& App;
    HWND Tray;
    Picture Face;
};
