// The shutdown timer: a small dialog that powers the computer off after a
// chosen number of minutes. Created hidden at start-up; the panel's timer
// button shows and hides it, and it keeps counting while hidden.
#pragma once
#include "../../model/Countdown.h"
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class Program;

class ShutdownTimerDialog : public Form {
public:
    explicit ShutdownTimerDialog(Program& app);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Command(UINT id, UINT code) override;
    void OnCreate() override;
    void OnShow() override;

private:
    void ToggleCountdown();
    void MinutesChanged();
    void MinutesLeft();
    void MinutePassed();
    void SetMinuteTimer(bool enabled);

    Program& App;
    Countdown State;
    Label Prompt;
    SpinEdit Minutes;
    Button StartStopButton, HideButton;
};
