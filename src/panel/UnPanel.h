// The floating button panel.
#pragma once
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

protected:
    void FormCreate() override;

private:
    void AlignFrames();
};

extern std::unique_ptr<TForm2> Form2;

// Hides and destroys the panel and creates it anew from the present settings
// and skin. The new panel starts hidden.
void RebuildPanel();
