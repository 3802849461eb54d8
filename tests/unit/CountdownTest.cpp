#include <gtest/gtest.h>

#include "model/Countdown.h"

namespace {
// Ticks until a shutdown is due; -1 if none within `limit` ticks.
int TicksToShutdown(Countdown& c, int limit)
{
    for (int t = 1; t <= limit; ++t)
        if (c.Tick())
            return t;
    return -1;
}
} // namespace

TEST(Countdown, StartAtNShutsDownAtTheNthTickAndShowsWhatRemains)
{
    for (int n : {1, 3, 100}) {
        Countdown c;
        c.FieldChanged(std::to_string(n));
        c.Toggle();
        ASSERT_TRUE(c.Running);
        EXPECT_EQ(n, TicksToShutdown(c, 200)) << n;
        EXPECT_EQ("0", c.Field);
    }
    Countdown c;
    c.Toggle();  // the field's first value
    EXPECT_EQ(100, c.Remaining);
    c.Tick();
    EXPECT_EQ("99", c.Field);
}

TEST(Countdown, StartAtZeroNeverShutsDownAndTheCountFallsBelowZero)
{
    Countdown c;
    c.FieldChanged("0");
    c.Toggle();
    EXPECT_EQ(-1, TicksToShutdown(c, 5));
    EXPECT_EQ(-5, c.Remaining);
    EXPECT_EQ("0", c.Field) << "the field never shows less than its minimum";
    // However long it is left, the count never wraps round to a positive one.
    c.Remaining = INT32_MIN + 1;
    c.Tick();
    c.Tick();
    EXPECT_EQ(INT32_MIN, c.Remaining);
}

TEST(Countdown, EditingWhileRunningChangesWhatRemains)
{
    Countdown c;
    c.Toggle();
    c.FieldChanged("5");
    EXPECT_EQ(5, TicksToShutdown(c, 10));

    // Cleared to type anew: the count goes on from where it was, and the
    // tick shows it again.
    Countdown cleared;
    cleared.Toggle();
    cleared.FieldChanged("");
    EXPECT_EQ(100, cleared.Remaining);
    EXPECT_FALSE(cleared.Tick());
    EXPECT_EQ("99", cleared.Field);

    // Typed out of range, however long: the range's end.
    for (const char* typed : {"40000", "10099999999", "4294967296"}) {
        Countdown big;
        big.Toggle();
        big.FieldChanged(typed);
        EXPECT_EQ(30000, big.Remaining) << typed;
        big.Tick();
        EXPECT_EQ("29999", big.Field) << typed;
    }
}

TEST(Countdown, StartWithoutANumberStartsNothing)
{
    for (const char* text : {"", "30000abc", "abc", "-", "1 2"}) {
        Countdown c;
        c.FieldChanged(text);
        EXPECT_FALSE(c.Toggle()) << text;
        EXPECT_FALSE(c.Running) << text;
        EXPECT_EQ(-1, TicksToShutdown(c, 3)) << text;
    }
    Countdown c;
    c.FieldChanged("99999999999999999999");
    EXPECT_TRUE(c.Toggle());
    EXPECT_EQ(30000, c.Remaining) << "a long number is above the range, not nothing";
    c.FieldChanged("$A");
    c.Toggle();
    c.Toggle();
    EXPECT_EQ(10, c.Remaining) << "a number the range allows keeps its meaning";
}

TEST(Countdown, StopZeroesAndStartTakesTheFieldAgain)
{
    Countdown c;
    c.FieldChanged("10");
    c.Toggle();
    c.Tick();
    c.Tick();
    c.Toggle();
    EXPECT_FALSE(c.Running);
    EXPECT_EQ(0, c.Remaining);
    EXPECT_EQ("8", c.Field) << "the field keeps its number";
    c.Toggle();
    EXPECT_EQ(8, c.Remaining) << "from the number shown, not from 100";
}

TEST(Countdown, FieldTextRules)
{
    EXPECT_EQ("0", SpinText(-7));
    EXPECT_EQ("30000", SpinText(30001));
    EXPECT_EQ("250", SpinText(250));
    int32_t v = 7;
    EXPECT_FALSE(SpinRead("abc", v));
    EXPECT_FALSE(SpinRead("", v));
    EXPECT_EQ(7, v) << "no number leaves the value alone";
    EXPECT_TRUE(SpinRead("-7", v));
    EXPECT_EQ(0, v);
    EXPECT_TRUE(SpinRead("-99999999999", v));
    EXPECT_EQ(0, v);
    EXPECT_EQ("30000", SpinLeave("10099999999"));
    EXPECT_EQ("$10", SpinLeave("$10")) << "in range, as typed";
    EXPECT_EQ("30000abc", SpinLeave("30000abc")) << "no number: left for Start to refuse";
    EXPECT_EQ("30000", SpinLeave("123456"));
    EXPECT_EQ("0", SpinLeave("-3"));
    EXPECT_EQ("42", SpinLeave("42"));
    EXPECT_EQ("", SpinLeave(""));
}

// The last warning and the timer button's hint follow the count.
TEST(Countdown, TheLastMinuteAndTheHintFollowTheCount)
{
    Countdown c;
    c.FieldChanged("2");
    EXPECT_EQ("Timer", TimerHint(c));
    ASSERT_TRUE(c.Toggle());
    EXPECT_FALSE(c.InLastMinute());
    EXPECT_EQ("Timer: 2 minutes left", TimerHint(c));
    c.Tick();
    EXPECT_TRUE(c.InLastMinute());
    EXPECT_EQ("Timer: 1 minute left", TimerHint(c));
    EXPECT_TRUE(c.Tick());
    EXPECT_FALSE(c.InLastMinute());
    EXPECT_EQ("Timer", TimerHint(c)) << "at the end, or after a refused shutdown";
    c.Toggle();
    c.FieldChanged("1");
    ASSERT_TRUE(c.Toggle());
    EXPECT_TRUE(c.InLastMinute()) << "started at 1";
    c.Toggle();
    EXPECT_FALSE(c.InLastMinute());
}
