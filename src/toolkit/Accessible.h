// What screen readers, magnifiers and other accessibility tools are told of a
// form whose buttons are pictures: the form as a whole, and each part a push
// button with a name, a place and the action a click on it has. The system's
// accessibility libraries are loaded only when a tool first asks; where they
// are missing (Windows 95 without the accessibility runtime) the form stays
// the plain window the system describes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "../model/PartGeometry.h"

// A form tells its parts by implementing this beside Form. The form is a tool
// bar to the tools, its parts are numbered from 1, in the order a tool steps
// through them.
class AccessibleParts {
public:
    virtual std::string Name() const = 0;
    // Part n is element n - 1, in client coordinates.
    virtual std::vector<PartBox> Parts() const = 0;
    virtual std::string PartName(int part) const = 0;
    // What the part's name leaves out of its present state, "" for nothing.
    virtual std::string PartDescription(int) const { return ""; }
    // Whether the keyboard can mark the parts, and the part marked (0: none).
    virtual bool PartsTakeKeyboard() const { return false; }
    virtual int MarkedPart() const { return 0; }
    // What a click on the part does. Called from the message loop, never
    // while a tool waits for its answer.
    virtual void PressPart(int part) = 0;

protected:
    ~AccessibleParts() = default;
};

// Posted to a form whose part a tool pressed; wParam is the part.
const UINT WM_APP_PRESSPART = WM_APP + 3;

// WM_GETOBJECT: the form's own description for its client area, or 0 to leave
// the answer to the system.
LRESULT AccessibleObjectOf(HWND wnd, WPARAM wParam, LPARAM lParam);
// WM_APP_PRESSPART: a part pressed as a click would, unless no click could
// reach it now (the window hidden, or disabled under a modal dialog).
void PressAccessiblePart(HWND wnd, int part);
// Tells the tools that the keyboard now marks that part.
void TellPartMarked(HWND wnd, int part);
// The system's high contrast setting; the test seam QUORVEL_TEST_HIGHCONTRAST=1
// stands for it under Wine, which has none.
bool HighContrastOn();
