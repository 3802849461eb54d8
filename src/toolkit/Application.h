// The application object: the hidden window that owns every top-level window
// of the program, the message loop and the standard error box.
#pragma once
#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

class Form;

// Posted to the application window when the main window has been destroyed
// by another program (its taskbar going away), not by us.
const UINT WM_APP_MAINLOST = WM_APP + 1;
// The first of the messages the program posts to the application window for
// itself (ProgramEvents::Posted).
const UINT WM_APP_PROGRAM = WM_APP + 16;

// What reaches the program through the hidden window: the shell, the
// session, the hot key and its own posted news. An error a handler raises is
// shown in the error box.
class ProgramEvents {
public:
    // The taskbar has come up anew, or the main window went down with the old
    // one (its Handle is then nullptr).
    virtual void ShellRestarted() = 0;
    // The user is logging off or shutting down; the process ends after it.
    virtual void SessionEnding() = 0;
    // The program's hot key was pressed, wherever the keyboard was.
    virtual void HotKeyPressed() = 0;
    // The screen's size changed, or a monitor came or went.
    virtual void DisplayChanged() = 0;
    // A message from WM_APP_PROGRAM on, posted to the hidden window.
    virtual void Posted(UINT msg) = 0;

protected:
    ~ProgramEvents() = default;
};

class Application {
public:
    void Initialize(ProgramEvents& events);
    // Creates the form's window; the first one created is the main window.
    void CreateWindowOf(Form& form);
    // Shows the main window and runs until it has closed.
    void Run();
    // Handles messages until `done()` holds, or the program is ending.
    template <typename Done>
    void RunUntil(Done done)
    {
        while (!done() && HandleNextMessage()) {
        }
    }
    // Waits for a message and handles it; false when the program is ending.
    bool HandleNextMessage();
    void End();
    void ShowException(const std::exception& e);
    void ShowError(const std::string& text);
    // Every message box of the program: its buttons are controls too.
    static int Box(HWND owner, const char* text, const char* caption, UINT flags);
    // A form made obsolete while one of its handlers may still be running
    // beneath (the loop of a dialog, box or menu it opened): the message loop
    // deletes it as soon as none is.
    void Retire(std::unique_ptr<Form> form);
    ~Application();

    HWND Handle = nullptr;
    Form* MainWindow = nullptr;
    ProgramEvents* Events = nullptr;
    bool Ending = false;
    std::string Title = "Quorvel";

private:
    void Deliver(MSG& msg);
    std::vector<std::unique_ptr<Form>> Retired;
};

// The program's one global: the toolkit's application object.
extern Application TheApplication;
