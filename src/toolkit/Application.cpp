#include "Application.h"

#include "../base/Errors.h"
#include "../platform/Platform.h"
#include "Form.h"

Application TheApplication;

namespace {
// Explorer broadcasts it to every top-level window when its taskbar comes up
// anew, for example after a crash.
const UINT TaskbarCreated = RegisterWindowMessageA("TaskbarCreated");

// The hidden window is the program's one top-level window that the shell and
// the session always reach: the main window may be a child of the taskbar.
LRESULT CALLBACK AppProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Form* main = TheApplication.MainForm;
    if (main && (msg == TaskbarCreated || msg == WM_APP_MAINLOST)) {
        if (!TheApplication.Terminated)
            main->Dispatch(&Form::ShellRestarted);
        return 0;
    }
    if (main && msg == WM_HOTKEY) {
        main->Dispatch(&Form::HotKeyPressed);
        return 0;
    }
    if (main && msg == WM_APP_FULLSCREEN) {
        main->Dispatch(&Form::FullScreenChanged);
        return 0;
    }
    if (main && msg == WM_APP_TASKBARS) {
        main->Dispatch(&Form::TaskbarsChanged);
        return 0;
    }
    if (main && msg == WM_DISPLAYCHANGE) {
        main->Dispatch(&Form::DisplayChanged);
        return 0;
    }
    if (main && msg == WM_ENDSESSION && wParam) {
        main->Dispatch(&Form::SessionEnding);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}
} // namespace

void Application::Initialize()
{
    const HINSTANCE instance = ProgramModule();
    AcceptFromAnyProcess(TaskbarCreated);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = AppProc;
    wc.hInstance = instance;
    // No icon: the window is never shown.
    wc.lpszClassName = "TApplication";
    RegisterClassA(&wc);
    // Never shown; it owns the program's top-level windows and so keeps them
    // together above or below other programs' windows.
    Handle = CreateWindowExA(0, "TApplication", Title.c_str(),
                             WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                             nullptr, nullptr, instance, nullptr);
}

void Application::CreateForm(Form& form)
{
    if (!MainForm)
        MainForm = &form;
    form.Create();
}

namespace {
// Tab, Enter and Escape, for the active form if it is a dialog.
bool DialogMessage(MSG& msg)
{
    const HWND active = GetActiveWindow();
    const Form* form = active ? Form::Of(active) : nullptr;
    return form && form->DialogKeys && IsDialogMessageA(active, &msg);
}
} // namespace

Application::~Application() = default;

void Application::Deliver(MSG& msg)
{
    if (!DialogMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    for (auto f = Retired.begin(); f != Retired.end();)
        f = (*f)->InHandler() ? f + 1 : Retired.erase(f);
}

void Application::Retire(std::unique_ptr<Form> form)
{
    form->Hide();
    Retired.push_back(std::move(form));
    // Something for the loop to deliver, so that it looks again soon.
    PostMessageA(Handle, WM_NULL, 0, 0);
}

void Application::Run()
{
    if (MainForm)
        MainForm->Show();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        Deliver(msg);
    }
}

bool Application::HandleNextMessage()
{
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
        if (got == 0)
            PostQuitMessage(int(msg.wParam));  // for the main loop
        return false;
    }
    Deliver(msg);
    return true;
}

void Application::ProcessMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        Deliver(msg);
    }
}

void Application::Terminate()
{
    Terminated = true;
    PostQuitMessage(0);
}

void Application::ShowException(const std::exception& e)
{
    ShowError(ErrorText(e));
}

void Application::ShowError(const std::string& text)
{
    HWND owner = GetActiveWindow();
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    if (!owner || pid != GetCurrentProcessId())
        owner = Handle;
    Box(owner, text.c_str(), Title.c_str(), MB_OK | MB_ICONSTOP | MB_SETFOREGROUND);
}

int Application::Box(HWND owner, const char* text, const char* caption, UINT flags)
{
    NeedCommonControls();
    return MessageBoxA(owner, text, caption, flags);
}
