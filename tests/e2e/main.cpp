#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // A console program does not bring up Wine's desktop (and with it the
    // shell's taskbar) until it asks for the desktop window.
    GetDesktopWindow();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
