#include "NameDialog.h"

namespace {
enum : UINT { IdOk = 100, IdName, IdDefault };
} // namespace

NameDialog::NameDialog() : Form("TNameForm")
{
    DialogFrame("Enter a name", 310, 40, 281, 245);
    DefaultButton = OkId = IdOk;
    CancelId = IdDefault;
}

// The controls come with the first showing: made at start, they would load
// the common controls (which the visual styles need first) into every start.
void NameDialog::OnShow()
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

// Escape (IDCANCEL) does nothing: the dialog cannot be escaped. "Default"
// and the close box both mean the default name.
void NameDialog::OnOk()
{
    Typed = NameEdit.Text();
    EndModal(DialogResult::Ok);
}

std::string NameDialog::Ask(const std::string& defaultName)
{
    return ShowModal() == DialogResult::Ok ? Typed : defaultName;
}
