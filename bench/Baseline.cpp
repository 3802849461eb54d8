// The baseline of the benchmarks: the least a Win32 program with a window
// does, built with the compiler and flags of Quorvel.exe. A window of the
// start button's size appears at the bottom left, and a message loop runs
// until it is closed.
#include <windows.h>

namespace {
LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(wnd, msg, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = "QuorvelBaseline";
    RegisterClassA(&wc);
    const int sh = GetSystemMetrics(SM_CYSCREEN);
    HWND wnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "QuorvelBaseline", "", WS_POPUP, 0, sh - 31, 95,
                               31, nullptr, nullptr, instance, nullptr);
    ShowWindow(wnd, SW_SHOWNA);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
