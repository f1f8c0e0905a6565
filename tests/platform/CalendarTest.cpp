#include "platform/Calendar.h"

#include <gtest/gtest.h>

namespace tonik {
namespace {

SystemTime Fields(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    SystemTime f;
    f.year = uint16_t(y);
    f.month = uint16_t(mo);
    f.day = uint16_t(d);
    f.hour = uint16_t(h);
    f.minute = uint16_t(mi);
    f.second = uint16_t(s);
    f.milliseconds = uint16_t(ms);
    return f;
}

TEST(Calendar, KnownDatesBothWays)
{
    struct Case {
        SystemTime fields;
        uint64_t ticks;
        int dayOfWeek;
    };
    const Case cases[] = {
        {Fields(1601, 1, 1), 0, 1},
        {Fields(1601, 1, 2), 864000000000ull, 2},
        {Fields(1970, 1, 1), 116444736000000000ull, 4},
        {Fields(2000, 2, 29, 12, 0, 0), 0, 2},
        {Fields(2006, 10, 18, 14, 38, 56, 123), 0, 3},
        {Fields(30827, 12, 31, 23, 59, 59, 999), 0, -1},
    };
    for (const Case& c : cases) {
        uint64_t ticks = 0;
        ASSERT_TRUE(SystemTimeToFileTime(c.fields, ticks)) << c.fields.year;
        if (c.ticks != 0 || c.fields.year == 1601) {
            EXPECT_EQ(ticks, c.ticks) << c.fields.year;
        }
        SystemTime back;
        ASSERT_TRUE(FileTimeToSystemTime(ticks, back));
        EXPECT_EQ(back.year, c.fields.year);
        EXPECT_EQ(back.month, c.fields.month);
        EXPECT_EQ(back.day, c.fields.day);
        EXPECT_EQ(back.hour, c.fields.hour);
        EXPECT_EQ(back.minute, c.fields.minute);
        EXPECT_EQ(back.second, c.fields.second);
        EXPECT_EQ(back.milliseconds, c.fields.milliseconds);
        if (c.dayOfWeek >= 0) {
            EXPECT_EQ(back.dayOfWeek, c.dayOfWeek) << c.fields.year;
        }
    }
}

TEST(Calendar, EveryDayRoundTripsAcrossCenturyAndLeapRules)
{
    // Walk day by day across 1699..1701 and 1999..2001, where the leap rules differ.
    for (int startYear : {1699, 1999, 2099}) {
        uint64_t ticks = 0;
        ASSERT_TRUE(SystemTimeToFileTime(Fields(startYear, 1, 1), ticks));
        int previousDay = 0;
        for (int i = 0; i < 3 * 366; ++i, ticks += 864000000000ull) {
            SystemTime f;
            ASSERT_TRUE(FileTimeToSystemTime(ticks, f));
            uint64_t again = 0;
            ASSERT_TRUE(SystemTimeToFileTime(f, again));
            ASSERT_EQ(again, ticks) << f.year << "-" << f.month << "-" << f.day;
            EXPECT_TRUE(f.day == previousDay + 1 || f.day == 1);
            previousDay = f.day;
        }
    }
}

TEST(Calendar, RefusesFieldsOutOfRange)
{
    uint64_t ticks = 42;
    const SystemTime bad[] = {
        Fields(1600, 12, 31), Fields(30828, 1, 1), Fields(2000, 0, 1), Fields(2000, 13, 1),
        Fields(2000, 1, 0), Fields(2001, 2, 29), Fields(1900, 2, 29), Fields(2000, 4, 31),
        Fields(2000, 1, 1, 24), Fields(2000, 1, 1, 0, 60), Fields(2000, 1, 1, 0, 0, 60),
        Fields(2000, 1, 1, 0, 0, 0, 1000), Fields(100, 1, 1),
    };
    for (const SystemTime& f : bad)
        EXPECT_FALSE(SystemTimeToFileTime(f, ticks)) << f.year << "-" << f.month << "-" << f.day;
    EXPECT_EQ(ticks, 42u);
    EXPECT_TRUE(SystemTimeToFileTime(Fields(2000, 2, 29), ticks));
}

TEST(Calendar, TicksOfTwoToTheSixtyThirdAreIllegal)
{
    SystemTime f;
    EXPECT_TRUE(FileTimeToSystemTime((1ull << 63) - 1, f));
    EXPECT_EQ(f.year, 30828);
    EXPECT_FALSE(FileTimeToSystemTime(1ull << 63, f));
    EXPECT_FALSE(FileTimeToSystemTime(~0ull, f));
}

}  // namespace
}  // namespace tonik
