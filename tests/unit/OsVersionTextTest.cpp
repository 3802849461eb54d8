#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

// The system version in words lives beside the countdown for now.
#include "model/Countdown.h"

TEST(OsVersionText, EachPlatformAndAFailedQuery)
{
    EXPECT_EQ("Windows NT Version 5.1\r\n (Build 2600: Service Pack 3)",
              OsVersionText(true, 2, 5, 1, 2600, "Service Pack 3"));
    // The 95 family reports the version in the build number's high word: it is
    // written as it comes.
    EXPECT_EQ("Windows 95 Version 4.10\r\n (Build 67766446:  A )",
              OsVersionText(true, 1, 4, 10, 67766446, " A "));
    EXPECT_EQ("Win32s Version 1.30\r\n (Build 0: )", OsVersionText(true, 0, 1, 30, 0, ""));
    EXPECT_EQ(" Version 6.0\r\n (Build 1: )", OsVersionText(true, 3, 6, 0, 1, ""));
    EXPECT_EQ("", OsVersionText(false, 2, 5, 1, 2600, "x"));
    char unterminated[128];
    std::fill(std::begin(unterminated), std::end(unterminated), 'x');
    EXPECT_EQ(128u + 39, OsVersionText(true, 2, 5, 1, 2600, unterminated).size());
}
