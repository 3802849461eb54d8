// The first-run dialog: shown when there is no settings file yet, it asks
// which of two skins suits the system.
#pragma once
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class FirstRunDialog : public Form {
public:
    FirstRunDialog();
    // Runs the dialog; true where the user chose the classic skin and OK.
    bool AsksForClassic();

protected:
    void Command(UINT id, UINT code) override;
    void OnOk() override;
    void OnCreate() override;

private:
    // Places the controls with OK under the choices' box or beside it, the
    // room between lines cut to no less than `keptPercent` of itself; false,
    // placing nothing, where that does not fit the dialog and it may not
    // `grow`.
    bool LayOut(bool okBelow, int keptPercent, bool grow);

    Label Heading, Line1, Line2, Line3, SiteLink;
    GroupBox Choices;
    RadioButton StandardChoice, ClassicChoice;
    Button OkButton;
    bool Classic = false;
};
