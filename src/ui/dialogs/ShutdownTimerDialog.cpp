#include "ShutdownTimerDialog.h"

#include <algorithm>
#include <string>

#include "../../toolkit/Layout.h"

namespace {
enum : UINT { IdMinutes = 100, IdStartStop, IdHide };
const UINT_PTR MinuteTimer = 1;
const UINT Minute = 60000;
const char* const StartStopCaption[2] = {"Start", "Stop"};
} // namespace

ShutdownTimerDialog::ShutdownTimerDialog(std::function<void()> shutDown,
                                         std::function<void(const std::string& hint)> counted)
    : Form("TTimerForm"), ShutDown(std::move(shutDown)), Counted(std::move(counted)),
      Warning([this] { ShutDown(); },
              [this] {
                  if (State.Running)
                      ToggleCountdown();
              })
{
    DialogFrame("Timer", 214, 64);
    ActivateOnShow = true;
}

LRESULT ShutdownTimerDialog::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER) {
        if (wParam == MinuteTimer)
            MinutePassed();
        return 0;
    }
    return Form::WndProc(msg, wParam, lParam);
}

void ShutdownTimerDialog::Command(UINT id, UINT code)
{
    switch (id) {
    case IdStartStop: ToggleCountdown(); break;
    // "Hide": the count goes on.
    case IdHide: Hide(); break;
    case IdMinutes:
        if (code == EN_CHANGE)
            MinutesChanged();
        else if (code == EN_KILLFOCUS)
            MinutesLeft();
        break;
    }
}

void ShutdownTimerDialog::OnCreate()
{
    SetMinuteTimer(false);
}

// The controls come with the first showing: the arrows need the common
// controls, which Quorvel does not load before they are wanted.
void ShutdownTimerDialog::OnShow()
{
    if (Prompt.Handle)
        return;
    Prompt.Create(Handle, "Power off a computer through (In minutes)", 0, 0, 0, 0);
    const SIZE prompt = OneLine(Prompt);
    const int promptHeight = std::max(13, int(prompt.cy)), rowTop = 8 + promptHeight + 7;
    Prompt.SetBounds(8, 8, std::max(200, int(prompt.cx)), promptHeight);
    // The field holds the largest number beside its arrows, centred on the
    // buttons' line.
    const int rowHeight = ButtonHeight(Prompt, 25), fieldHeight = FieldHeight(Prompt, 22);
    const int largest = TextWidth(Prompt, std::to_string(SpinMax).c_str());
    const int fieldWidth = std::max(57, largest + GetSystemMetrics(SM_CXVSCROLL) + 8);
    Minutes.Create(Handle, 8, rowTop + (rowHeight - fieldHeight + 1) / 2, fieldWidth, fieldHeight, IdMinutes,
                   SpinMin, SpinMax);
    StartStopButton.Create(Handle, StartStopCaption[0], 0, 0, 0, 0, IdStartStop);  // wider than "Stop"
    HideButton.Create(Handle, "Hide", 0, 0, 0, 0, IdHide);
    const int startWidth = ButtonSize(StartStopButton, 65, 25).cx, hideWidth = ButtonSize(HideButton, 65, 25).cx;
    const int startLeft = 8 + fieldWidth + 7, hideLeft = startLeft + startWidth + 5;
    StartStopButton.SetBounds(startLeft, rowTop, startWidth, rowHeight);
    HideButton.SetBounds(hideLeft, rowTop, hideWidth, rowHeight);
    GrowClient(*this, std::max(hideLeft + hideWidth + 7, 8 + int(prompt.cx) + 6), rowTop + rowHeight + 11, true);
    Minutes.SetText(State.Field);
}

void ShutdownTimerDialog::SetMinuteTimer(bool enabled)
{
    // Stopping first makes a fresh start wait a whole minute.
    KillTimer(Handle, MinuteTimer);
    if (enabled)
        SetTimer(Handle, MinuteTimer, Minute, nullptr);
}

// "Start" / "Stop". What Start counts down from is what the field shows:
// pulled into the range first, and nothing at all for text that is no number.
void ShutdownTimerDialog::ToggleCountdown()
{
    if (!State.Running)
        MinutesLeft();
    if (!State.Toggle()) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    StartStopButton.SetText(StartStopCaption[State.Running]);
    SetMinuteTimer(State.Running);
    CountChanged();
}

// The warning comes whichever way the count reaches its last minute (a
// tick, typing, a start at 1), at once: the next tick shuts down.
void ShutdownTimerDialog::CountChanged()
{
    Counted(TimerHint(State));
    if (!State.InLastMinute()) {
        Warning.Hide();
        return;
    }
    if (!Warning.Handle)
        Warning.Create();
    if (IsWindowVisible(Warning.Handle))
        return;
    MessageBeep(MB_ICONEXCLAMATION);
    Warning.Show();
}

void ShutdownTimerDialog::MinutesChanged()
{
    State.FieldChanged(Minutes.Text());
    if (State.Running)
        CountChanged();
}

// The field lost the keyboard.
void ShutdownTimerDialog::MinutesLeft()
{
    const std::string text = Minutes.Text();
    const std::string clamped = SpinLeave(text);
    if (clamped != text)
        Minutes.SetText(clamped);
}

void ShutdownTimerDialog::MinutePassed()
{
    const bool due = State.Tick();
    if (Minutes.Text() != State.Field)
        Minutes.SetText(State.Field);
    if (due)
        ShutDown();
    else
        CountChanged();
}
