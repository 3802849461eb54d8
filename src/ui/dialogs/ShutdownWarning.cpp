#include "ShutdownWarning.h"

#include <algorithm>

#include "../../toolkit/Layout.h"

namespace {
enum : UINT { IdShutDownNow = 100, IdCancel };
}

ShutdownWarning::ShutdownWarning(std::function<void()> shutDownNow, std::function<void()> cancel)
    : Form("TWarnForm"), ShutDownNow(std::move(shutDownNow)), Cancel(std::move(cancel))
{
    // Above the middle, where the timer dialog stands: both stay in sight.
    DialogFrame("Timer", 300, 92, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2, GetSystemMetrics(SM_CYSCREEN) / 6);
    ExStyle |= WS_EX_TOPMOST;
    // A dialog opened meanwhile (About, a file dialog) must not leave the
    // shutdown unstoppable.
    AnswersDuringModal = true;
    OkId = IdShutDownNow;
    DefaultButton = CancelId = IdCancel;
}

// Laid out for 96 dots per inch, and grown where larger fonts need room.
void ShutdownWarning::OnCreate()
{
    Text.Create(Handle,
                "Windows will shut down in one minute. Programs still open will be closed without asking: "
                "work not saved in them will be lost.",
                8, 8, 284, 42);
    ShutDownButton.Create(Handle, "Shut down now", 60, 60, 112, 25, IdShutDownNow);
    CancelButton.Create(Handle, "Cancel", 180, 60, 112, 25, IdCancel, true);
    const int textHeight = std::max(42, int(Text.TextSize(284).cy));
    Text.SetBounds(8, 8, 284, textHeight);
    const SIZE cancel = ButtonSize(CancelButton, 112, 25), shutDown = ButtonSize(ShutDownButton, 112, 25);
    const int top = 8 + textHeight + 10, height = std::max(cancel.cy, shutDown.cy);
    CancelButton.SetBounds(292 - cancel.cx, top, cancel.cx, height);
    ShutDownButton.SetBounds(292 - cancel.cx - 8 - shutDown.cx, top, shutDown.cx, height);
    GrowClient(*this, 300, top + height + 7, false);
}

void ShutdownWarning::OnOk()
{
    Hide();
    ShutDownNow();
}

void ShutdownWarning::OnCancel()
{
    Hide();
    Cancel();
}

bool ShutdownWarning::OnClose()
{
    OnCancel();
    return false;
}
