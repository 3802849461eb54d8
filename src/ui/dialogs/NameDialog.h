// The name dialog: the name of a favourite being added. Created once at
// start-up and reused; OK takes the typed name, anything else the default.
#pragma once
#include <optional>
#include <string>

#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class NameDialog : public Form {
public:
    NameDialog();
    // The name for a new entry: the one typed if the user chose OK, else
    // `defaultName`. One of many (files dropped together) may be answered
    // with Escape, which stops the rest: no name then.
    std::optional<std::string> Ask(const std::string& defaultName, bool oneOfMany = false);

protected:
    void OnOk() override;
    void OnShow() override;
    void Command(UINT id, UINT code) override;

private:
    Button OkButton;
    Edit NameEdit;
    Button UseDefaultButton;  // "Default"
    std::string Typed;
    bool Stoppable = false;
    bool Stopped = false;
};
