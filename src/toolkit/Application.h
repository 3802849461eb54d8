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
// A full-screen program came to the front of a taskbar's monitor, or left.
const UINT WM_APP_FULLSCREEN = WM_APP + 2;
// A second monitor's taskbar may have come or gone.
const UINT WM_APP_TASKBARS = WM_APP + 3;

class Application {
public:
    void Initialize();
    // Creates the form; the first one created is the main window.
    void CreateForm(Form& form);
    // Shows the main window and runs until it has closed.
    void Run();
    void ProcessMessages();
    // Handles messages until `done()` holds, or the program is ending.
    template <typename Done>
    void RunUntil(Done done)
    {
        while (!done() && HandleNextMessage()) {
        }
    }
    // Waits for a message and handles it; false when the program is ending.
    bool HandleNextMessage();
    void Terminate();
    void ShowException(const std::exception& e);
    void ShowError(const std::string& text);
    // Every message box of the program: its buttons are controls too.
    static int Box(HWND owner, const char* text, const char* caption, UINT flags);
    // A form made obsolete while one of its handlers may still be running
    // beneath (a dialog's loop, a pressed look): the message loop deletes it
    // as soon as none is.
    void Retire(std::unique_ptr<Form> form);
    ~Application();

    HWND Handle = nullptr;
    Form* MainForm = nullptr;
    bool Terminated = false;
    std::string Title = "Quorvel";

private:
    void Deliver(MSG& msg);
    std::vector<std::unique_ptr<Form>> Retired;
};

// The program's one global: the toolkit's application object.
extern Application TheApplication;
