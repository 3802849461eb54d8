#include <gtest/gtest.h>

#include "model/WindowRules.h"

TEST(WindowRules, OnlyOtherProgramsVisibleUnownedTitledWindows)
{
    const WindowFacts plain{false, false, false, true, false, 7};
    EXPECT_TRUE(WindowQualifies(plain));
    WindowFacts w = plain;
    w.OwnProcess = true;
    EXPECT_FALSE(WindowQualifies(w));
    w = plain;
    w.ProgramManager = true;
    EXPECT_FALSE(WindowQualifies(w));
    w = plain;
    w.Taskbar = true;
    EXPECT_FALSE(WindowQualifies(w));
    w = plain;
    w.Visible = false;
    EXPECT_FALSE(WindowQualifies(w));
    w = plain;
    w.Owned = true;
    EXPECT_FALSE(WindowQualifies(w));
    w = plain;
    w.TitleLength = 0;
    EXPECT_FALSE(WindowQualifies(w));
}
