// The floating button panel.
#pragma once
#include <cstdint>
#include <memory>

#include "../toolkit/Form.h"
#include "../toolkit/Menus.h"
#include "PanelIds.h"

class TForm2 : public TForm {
public:
    TForm2();

    // Painting order: the centre, the right frame, the left frame, then the
    // buttons Im[1] ... Im[8] (button k is always picture Im[k]).
    TImage ImCentre, ImRight, ImLeft;
    TImage Im[9];

    TMenuItem DirItems[MenuPositions], AppItems[MenuPositions];
    TPopupMenu OpenDir, OpenApp;

    // Both menus from the lists, before every popup.
    void RefreshLaunchMenus();

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreate() override;
    void PictureMouseDown(TImage& picture, MouseButton button, int x, int y) override;
    void PictureMouseMove(TImage& picture, int x, int y) override;
    void PictureMouseUp(TImage& picture, MouseButton button, int x, int y) override;

private:
    void AlignFrames();
    // The pressed look: button k one pixel right and down while held.
    void PressLook(int k, bool pressed);
    void Im1MouseDown();
    void Im2MouseUp();
    void Im3MouseDown();
    void Im4MouseDown();
    void Im5MouseUp();
    void Im6MouseUp();
    void Im7MouseUp();
    void Im8MouseUp();
    void PopupLaunchMenu(const TPopupMenu& menu, uint8_t count);
    void N1Click();         // "Add dir"
    void MenuItem1Click();  // "Add file"
    void N3Click();         // "Delete dir"
    void N4Click();         // "Delete file"
    void ShowDeleteDialog(bool apps);
    // Either frame picture drags the panel.
    void ImRightMouseDown(int x, int y);
    void ImRightMouseMove(int x, int y);
    void ImRightMouseUp();
};

extern std::unique_ptr<TForm2> Form2;

// Shared by both frame pictures, so that a drag begun on one goes on when
// the other reports the pointer.
extern bool Dragging;
extern int32_t GrabX, GrabY;

// Hands entry `slot` (1 to 20) of a list to the shell's "open", maximised.
void OpenLaunchEntry(const struct LaunchList& list, unsigned slot);

// Hides and destroys the panel and creates it anew from the present settings
// and skin. The new panel starts hidden.
void RebuildPanel();
