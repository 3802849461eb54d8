// The first-run dialog: shown when there is no settings file yet, it asks
// which of two skins suits the system.
#pragma once
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class FirstRunDialog : public TForm {
public:
    FirstRunDialog();
    // The user chose the classic skin and OK.
    bool ClassicChosen = false;

protected:
    void Command(UINT id, UINT code) override;
    void FormCreate() override;

private:
    TLabel Heading, Line1, Line2, Line3, SiteLink;
    TGroupBox Choices;
    TRadioButton StandardChoice, ClassicChoice;
    TButton OkButton;
};
