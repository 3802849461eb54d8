#include "NameDialog.h"

#include <algorithm>

#include "../../toolkit/Layout.h"

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
        OkButton.Create(Handle, "OK", 0, 0, 0, 0, IdOk, true);
        NameEdit.Create(Handle, 0, 0, 0, 0, IdName);
        UseDefaultButton.Create(Handle, "Default", 0, 0, 0, 0, IdDefault);
        // One line: the field, then the buttons, each as its font needs.
        const SIZE ok = ButtonSize(OkButton, 65, 25), useDefault = ButtonSize(UseDefaultButton, 65, 25);
        const int height = std::max(ok.cy, useDefault.cy), okLeft = 8 + 153 + 7;
        NameEdit.SetBounds(8, 8, 153, FieldHeight(NameEdit, 21));
        OkButton.SetBounds(okLeft, 8, ok.cx, height);
        UseDefaultButton.SetBounds(okLeft + ok.cx + 7, 8, useDefault.cx, height);
        GrowClient(*this, okLeft + ok.cx + 7 + useDefault.cx + 5, 8 + height + 7, false);
    }
    NameEdit.SetText("");
    // The same keys must do the same every time: where the last use left the
    // focus, Tab would pass the name field by and the name typed be lost.
    ResetKeyboard();
}

// Escape (IDCANCEL) does nothing for a single entry: the dialog cannot be
// escaped. "Default" and the close box both mean the default name.
void NameDialog::OnOk()
{
    Typed = NameEdit.Text();
    EndModal(DialogResult::Ok);
}

std::optional<std::string> NameDialog::Ask(const std::string& defaultName, bool oneOfMany)
{
    Stoppable = oneOfMany;
    Stopped = false;
    const DialogResult result = ShowModal();
    if (Stopped)
        return std::nullopt;
    return result == DialogResult::Ok ? Typed : defaultName;
}

// Escape: only a run of names can be stopped.
void NameDialog::Command(UINT id, UINT)
{
    if (id == IDCANCEL && Stoppable) {
        Stopped = true;
        EndModal(DialogResult::Cancel);
    }
}
