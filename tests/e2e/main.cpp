#include <windows.h>

#include <gtest/gtest.h>

namespace {
// A scenario that failed half-way may leave a mouse button or a modifier
// held in the session, and every click of the scenarios after it would go
// astray: each starts with all of them up.
class ReleaseHeldInput : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        std::vector<INPUT> up;
        for (WORD key : {VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU, VK_LSHIFT, VK_RSHIFT, VK_LWIN, VK_RWIN})
            if (GetAsyncKeyState(key) < 0) {
                INPUT in = {};
                in.type = INPUT_KEYBOARD;
                in.ki.wVk = key;
                in.ki.dwFlags = KEYEVENTF_KEYUP;
                up.push_back(in);
            }
        const struct {
            int Key;
            DWORD Release;
        } buttons[] = {{VK_LBUTTON, MOUSEEVENTF_LEFTUP}, {VK_RBUTTON, MOUSEEVENTF_RIGHTUP}, {VK_MBUTTON, MOUSEEVENTF_MIDDLEUP}};
        for (const auto& b : buttons)
            if (GetAsyncKeyState(b.Key) < 0) {
                INPUT in = {};
                in.type = INPUT_MOUSE;
                in.mi.dwFlags = b.Release;
                up.push_back(in);
            }
        if (!up.empty()) {
            printf("released %u keys or buttons left held\n", unsigned(up.size()));
            SendInput(UINT(up.size()), up.data(), sizeof(INPUT));
            Sleep(100);
        }
    }
};
} // namespace

int main(int argc, char** argv)
{
    // A console program does not bring up Wine's desktop (and with it the
    // shell's taskbar) until it asks for the desktop window.
    GetDesktopWindow();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ReleaseHeldInput);
    return RUN_ALL_TESTS();
}
