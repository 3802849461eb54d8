// The name dialog: the name of a favourite being added. Created once at
// start-up and reused; OK takes the typed name, anything else the default.
#pragma once
#include <string>

#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class NameDialog : public Form {
public:
    NameDialog();
    // The name for a new entry: the one typed if the user chose OK, else
    // `defaultName`.
    std::string Ask(const std::string& defaultName);

protected:
    void OnOk() override;
    void OnShow() override;

private:
    Button OkButton;
    Edit NameEdit;
    Button UseDefaultButton;  // "Default"
    std::string Typed;
};
