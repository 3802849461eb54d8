#include "ShutdownTimerDialog.h"

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
    Prompt.Create(Handle, "Power off a computer through (In minutes)", 8, 8, 200, 13);
    Minutes.Create(Handle, 8, 30, 57, 22, IdMinutes, SpinMin, SpinMax);
    StartStopButton.Create(Handle, StartStopCaption[0], 72, 28, 65, 25, IdStartStop);
    HideButton.Create(Handle, "Hide", 142, 28, 65, 25, IdHide);
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

// The warning rides on the minute's tick: no timer of its own.
void ShutdownTimerDialog::CountChanged()
{
    Counted(TimerHint(State));
    if (!State.InLastMinute()) {
        Warning.Hide();
        return;
    }
    if (!Warning.Handle)
        Warning.Create();
    MessageBeep(MB_ICONEXCLAMATION);
    Warning.Show();
}

void ShutdownTimerDialog::MinutesChanged()
{
    State.FieldChanged(Minutes.Text());
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
