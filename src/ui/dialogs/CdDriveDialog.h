// The CD drive chooser: "Apply" stores the chosen drive's letter and leaves
// the dialog open.
#pragma once
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class CdDriveDialog : public Form {
public:
    // `setting` is the letter shown at first and the one "Apply" stores.
    explicit CdDriveDialog(char& setting);

protected:
    void Command(UINT id, UINT code) override;
    void OnCreate() override;

private:
    char& Setting;
    char Chosen;
    Label Prompt;
    ComboBox DriveBox;
    Button ApplyButton;
};
