#include "ShutdownWarning.h"

namespace {
enum : UINT { IdShutDownNow = 100, IdCancel };
}

ShutdownWarning::ShutdownWarning(std::function<void()> shutDownNow, std::function<void()> cancel)
    : Form("TWarnForm"), ShutDownNow(std::move(shutDownNow)), Cancel(std::move(cancel))
{
    // Above the middle, where the timer dialog stands: both stay in sight.
    DialogFrame("Timer", 300, 92, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2, GetSystemMetrics(SM_CYSCREEN) / 6);
    ExStyle |= WS_EX_TOPMOST;
    OkId = IdShutDownNow;
    DefaultButton = CancelId = IdCancel;
}

void ShutdownWarning::OnCreate()
{
    Text.Create(Handle,
                "Windows will shut down in one minute. Programs still open will be closed without asking: "
                "work not saved in them will be lost.",
                8, 8, 284, 42);
    ShutDownButton.Create(Handle, "Shut down now", 60, 60, 112, 25, IdShutDownNow);
    CancelButton.Create(Handle, "Cancel", 180, 60, 112, 25, IdCancel, true);
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
