// The name dialog: the name of a favourite being added. Created once at
// start-up and reused; OK takes the typed name, anything else the default.
#pragma once
#include <string>

#include "../toolkit/Controls.h"
#include "../toolkit/Form.h"

class TNameForm : public TForm {
public:
    TNameForm();
    TButton Button1;  // "OK"
    TEdit Edit1;
    TButton Button2;  // "Default"

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void FormShow() override;

private:
    void Button1Click();
};

extern TNameForm* NameForm;
extern std::string EnteredName;

// The name for a new entry: the one typed if the user chose OK, else
// `defaultName`.
std::string AskName(const std::string& defaultName);
