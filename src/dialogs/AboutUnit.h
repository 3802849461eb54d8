// The About dialog: name, version, author and two links. No buttons: its
// close box closes it.
#pragma once
#include "../toolkit/Controls.h"
#include "../toolkit/Form.h"

class TAbout : public TForm {
public:
    TAbout();
    TImage Image1;
    TLabel Label2, Label1, Label3, Label4, Label5, Label6, Label7;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormCreate() override;
    void PictureMouseUp(TImage& picture, MouseButton button, int x, int y) override;

private:
    void Label5Click();
    void Label7Click();
};
