#include <gtest/gtest.h>

#include "model/CommandLine.h"

TEST(CommandLine, RestoreAsShortcutsAndScriptsWriteIt)
{
    for (const char* line : {"/restore", " /RESTORE ", "-restore", "\"/restore\"", "/restore now", "\t-Restore\tx", "\"/restore"})
        EXPECT_TRUE(IsRestoreSwitch(line)) << line;
    for (const char* line : {"", " ", "restore", "/restored", "/re store", "x /restore", "//restore"})
        EXPECT_FALSE(IsRestoreSwitch(line)) << line;
}
