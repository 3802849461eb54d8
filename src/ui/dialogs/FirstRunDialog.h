// The first-run dialog: shown when there is no settings file yet, it asks
// which of two skins suits the system.
#pragma once
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class FirstRunDialog : public Form {
public:
    FirstRunDialog();
    // The user chose the classic skin and OK.
    bool ClassicChosen = false;

protected:
    void Command(UINT id, UINT code) override;
    void OnOk() override;
    void OnCreate() override;

private:
    // Places the controls with the choices' box ending at `choicesRight` and
    // OK under it or beside it; false, placing nothing, where OK under it
    // leaves too little room.
    bool LayOut(int choicesRight, bool okBelow);

    Label Heading, Line1, Line2, Line3, SiteLink;
    GroupBox Choices;
    RadioButton StandardChoice, ClassicChoice;
    Button OkButton;
};
