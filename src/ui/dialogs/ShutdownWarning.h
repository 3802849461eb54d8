// The last warning a minute before the timer shuts Windows down: the
// shutdown closes every program without asking, so that unsaved work in them
// is lost. Shown above everything but without taking the keyboard, so that
// keys typed elsewhere at that moment cannot answer it. Unanswered, the
// shutdown comes all the same.
#pragma once
#include <functional>

#include "../../toolkit/Controls.h"
#include "../../toolkit/Form.h"

class ShutdownWarning : public Form {
public:
    // `shutDownNow` and `cancel` answer its two buttons (the close box is
    // Cancel too).
    ShutdownWarning(std::function<void()> shutDownNow, std::function<void()> cancel);

protected:
    void OnCreate() override;
    void OnOk() override;
    void OnCancel() override;
    bool OnClose() override;

private:
    std::function<void()> ShutDownNow, Cancel;
    Label Text;
    Button ShutDownButton, CancelButton;
};
