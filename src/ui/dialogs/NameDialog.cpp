#include "NameDialog.h"

namespace {
enum : UINT { IdOk = 100, IdName, IdDefault };
// A modal result of its own: the dialog's close box and "Default" give
// others, and both mean the default name.
const int mrTyped = mrYes;
} // namespace

NameDialog::NameDialog() : TForm("TNameForm")
{
    DialogFrame("Enter a name", 310, 40, 281, 245);
    DefaultButton = IdOk;
}

// The controls come with the first showing: made at start, they would load
// the common controls (which the visual styles need first) into every start.
void NameDialog::FormShow()
{
    if (!OkButton.Handle) {
        // Tab order: OK first, so Enter at once gives an empty name.
        OkButton.Create(Handle, "OK", 168, 8, 65, 25, IdOk, true);
        NameEdit.Create(Handle, 8, 8, 153, 21, IdName);
        UseDefaultButton.Create(Handle, "Default", 240, 8, 65, 25, IdDefault);
    }
    NameEdit.SetText("");
    // The same keys must do the same every time: where the last use left the
    // focus, Tab would pass the name field by and the name typed be lost.
    ResetKeyboard();
}

// Escape (IDCANCEL) is not among these: the dialog cannot be escaped.
void NameDialog::Command(UINT id, UINT)
{
    switch (id) {
    case IdOk:
        Typed = NameEdit.Text();
        ModalResult = mrTyped;
        break;
    case IdDefault: ModalResult = mrCancel; break;
    }
}

std::string NameDialog::Ask(const std::string& defaultName)
{
    return ShowModal() == mrTyped ? Typed : defaultName;
}
