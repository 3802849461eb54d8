// The shutdown timer: a small dialog that shuts Windows down after a
// chosen number of minutes. Created hidden at start-up; the panel's timer
// button shows and hides it, and it keeps counting while hidden.
#pragma once
#include <functional>

#include "../../model/Countdown.h"
#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"
#include "ShutdownWarning.h"

class ShutdownTimerDialog : public Form {
public:
    // `shutDown` runs when the count reaches its end (or the user asks for it
    // in the last minute); `counted` after every change of the count, with
    // its hint for the timer button.
    ShutdownTimerDialog(std::function<void()> shutDown, std::function<void(const std::string& hint)> counted);

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
    // Tells the owner, and warns in the last minute.
    void CountChanged();

    std::function<void()> ShutDown;
    std::function<void(const std::string&)> Counted;
    ShutdownWarning Warning;
    Countdown State;
    Label Prompt;
    SpinEdit Minutes;
    Button StartStopButton, HideButton;
};
