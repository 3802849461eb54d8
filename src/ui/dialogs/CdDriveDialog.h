// The CD drive chooser: "Apply" takes the chosen drive's letter and leaves
// the dialog open.
#pragma once
#include <optional>

#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class CdDriveDialog : public Form {
public:
    // `shown` is the letter chosen at first.
    explicit CdDriveDialog(char shown);
    // Runs the dialog; the letter last applied, if any was.
    std::optional<char> Choose();

protected:
    void Command(UINT id, UINT code) override;
    void OnCreate() override;

private:
    char Chosen;
    std::optional<char> Applied;
    Label Prompt;
    ComboBox DriveBox;
    Button ApplyButton;
};
