// The floating button panel: up to eight buttons between two frame pictures
// that drag it.
#pragma once
#include <cstdint>

#include "../model/Favourites.h"
#include "../model/Settings.h"
#include "../toolkit/Accessible.h"
#include "../toolkit/Form.h"
#include "../toolkit/Menus.h"
#include "Commands.h"

class Program;

class PanelWindow : public Form, public AccessibleParts {
public:
    explicit PanelWindow(Program& app);
    ~PanelWindow() override;

    // Both favourites menus from the lists, before every popup.
    void RefreshFavouriteMenus();
    // The "Add" item of the menu that shows that list.
    void SetAddEnabled(FavouriteKind kind, bool enabled);
    void SetHint(int button, const std::string& hint);
    // Keyboard use (the hot key): the first button is marked, Left and Right
    // move the mark, Enter or Space press it, Escape hides the panel and
    // gives the keyboard back to the window that had it.
    void TakeKeyboard();
    void GiveKeyboardBack();
    // After a display change: a panel that no screen shows any more goes
    // back to its place at the screen's bottom left.
    void ComeBackIfLost();
    // Shown from the button of another monitor's taskbar, the panel goes to
    // its start place there; on its own monitor it stays where it was
    // dragged.
    void ComeToMonitorOf(HWND taskbar);

    // To accessibility tools, the buttons shown, in the order they stand.
    std::string Name() const override;
    std::vector<PartBox> Parts() const override;
    std::string PartName(int part) const override;
    std::string PartDescription(int part) const override;
    bool PartsTakeKeyboard() const override { return true; }
    int MarkedPart() const override;
    void PressPart(int part) override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Command(UINT id, UINT code) override;
    void PaintOver(HDC dc) const override;
    void OnCreate() override;
    void OnShow() override;
    void PictureMouseDown(Picture& picture, MouseButton button, int x, int y) override;
    void PictureMouseMove(Picture& picture, int x, int y) override;
    void PictureMouseUp(Picture& picture, MouseButton button, int x, int y) override;

private:
    void AlignFrames();
    // Its start place on that taskbar's monitor.
    void PlaceAtHome(HWND taskbar);
    bool IsFrame(const Picture& picture) const { return &picture == &LeftFrame || &picture == &RightFrame; }
    // The pressed look: the button one pixel right and down while held.
    void PressLook(int button, bool pressed);
    // What a button does, as it is pressed or as it is released (see its row).
    void ButtonAction(int button);
    // What a click does, from the keyboard or a tool.
    void PressButton(int button);
    std::vector<int> ShownButtons() const;
    void RunMonitorAction();
    void PopUpFavouritesMenu(FavouriteKind kind);
    void AddProgram();
    void KeyPressed(WPARAM key);
    // Files dropped on a favourites button go to its list; elsewhere on the
    // panel they change nothing.
    void FilesDropped(HDROP drop);
    void MoveMark(int step);
    void BeginDrag(int x, int y);
    void DragTo(int x, int y);
    void EndDrag();

    Program& App;

    // Painting order: the centre, the right frame, the left frame, then the
    // buttons. Button k (a PanelButton) is always Buttons[k]; element 0 is
    // unused.
    Picture Centre, RightFrame, LeftFrame;
    Picture Buttons[PanelButtonCount + 1];

    MenuItem FolderItems[MenuPositions], ProgramItems[MenuPositions];
    PopupMenu FolderMenu, ProgramMenu;

    // Either frame drags the panel: a drag begun on one goes on when the
    // other reports the pointer.
    bool AcceptingDrops = false;
    int Marked = 0;  // the button the keyboard acts on, 0 for none
    HWND KeyboardWasAt = nullptr;
    bool Dragging = false;
    int32_t GrabX = 0, GrabY = 0;
};
