#include "support/TimeStamp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/TimeZone.h"

namespace tonik {
namespace {

// Sets LC_ALL for the month-name queries and restores it afterwards.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name)
    {
        const char* old = std::getenv("LC_ALL");
        hadOld = old != nullptr;
        if (hadOld)
            oldValue = old;
        setenv("LC_ALL", name, 1);
    }
    ~ScopedLocale()
    {
        if (hadOld)
            setenv("LC_ALL", oldValue.c_str(), 1);
        else
            unsetenv("LC_ALL");
    }

private:
    bool hadOld = false;
    std::string oldValue;
};

class ScopedTimeZoneQuery {
public:
    ScopedTimeZoneQuery(int state, int32_t bias, int32_t standardBias, int32_t daylightBias)
    {
        SetTimeZoneQueryForTesting([=](TimeZoneInformation& info) {
            info.bias = bias;
            info.standardBias = standardBias;
            info.daylightBias = daylightBias;
            return state;
        });
    }
    ~ScopedTimeZoneQuery() { SetTimeZoneQueryForTesting(nullptr); }
};

CNTimeStamp Parsed(const char* text, const char* order)
{
    CNTimeStamp t;
    EXPECT_TRUE(t.Parse(text, order)) << text << " / " << order;
    return t;
}

const char* FULL = "%Y-%m-%d %H:%M:%S.%N";

TEST(TimeStampParse, BuildTextInEnglishLocale)
{
    ScopedLocale english("C");
    EXPECT_EQ(Parsed("Oct 18 2006 14:38:56", "bdYHMS").Format(FULL), "2006-10-18 14:38:56.000");
    EXPECT_EQ(Parsed("Oct 18 2006 14:38:56", "bdYHMS").Format("Built on %Y-%b-%d %H:%M:%S"),
              "Built on 2006-Oct-18 14:38:56");
    EXPECT_EQ(Parsed("Oct  8 2006 09:05:01", "bdYHMS").Format(FULL), "2006-10-08 09:05:01.000");
    EXPECT_EQ(Parsed("october 8 2006", "BdY").Format(FULL), "2006-10-08 00:00:00.000");
}

TEST(TimeStampParse, FieldOrdersAndRanges)
{
    ScopedLocale english("C");
    EXPECT_EQ(Parsed("31.12.99", "dmy").Format(FULL), "1999-12-31 00:00:00.000");
    EXPECT_EQ(Parsed("01/02/35", "dmy").Format(FULL), "2035-02-01 00:00:00.000");
    EXPECT_EQ(Parsed("01/02/36", "dmy").Format(FULL), "1936-02-01 00:00:00.000");
    EXPECT_EQ(Parsed("5-99-3-2006", "dXmY").Format(FULL), "2006-03-05 00:00:00.000");
    EXPECT_EQ(Parsed("2006-03-05 1:2:3.456", "YmdHMSN").Format(FULL), "2006-03-05 01:02:03.456");
    EXPECT_EQ(Parsed("2006-03-05 7", "Ymdd").Format(FULL), "2006-03-07 00:00:00.000");
    EXPECT_EQ(Parsed("5 7", "Fu").Ticks(), 5000070u);
    EXPECT_EQ(Parsed("1234567", "F").Ticks(), 1234567u);
    EXPECT_EQ(Parsed("00000001", "F").Ticks(), 1u);
    EXPECT_EQ(Parsed("anything", "").Ticks(), 0u);

    CNTimeStamp t(777);
    EXPECT_FALSE(t.Parse("1.1.100", "dmy"));  // year 100 is refused by the conversion
    EXPECT_EQ(t, NullTimeStamp);
    t.SetTicks(777);
    EXPECT_FALSE(t.Parse("12:30:00", "HMS"));  // no date: month and day 0
    EXPECT_EQ(t, NullTimeStamp);

    const struct {
        const char* text;
        const char* order;
    } failing[] = {
        {"32.1.2000", "dmY"}, {"0.1.2000", "dmY"}, {"1.13.2000", "dmY"}, {"24", "H"},
        {"60", "M"}, {"60", "S"}, {"1000", "N"}, {"3000", "y"}, {"12345678", "F"},
        {"1000000", "u"}, {"Oct", "d"}, {"", "d"}, {"Okt 1 2000", "bdY"},
        {"4294967297", "d"},   // 32-bit wrap would read as day 1
        {"67137 1 1", "Ymd"},  // beyond 16 bits would wrap to the year 1601
        {"4294967296", "X"},
    };
    for (const auto& c : failing) {
        CNTimeStamp kept(999);
        EXPECT_FALSE(kept.Parse(c.text, c.order)) << c.text << " / " << c.order;
        EXPECT_EQ(kept.Ticks(), 999u) << c.text << " / " << c.order;
    }
    CNTimeStamp kept(5);
    EXPECT_FALSE(kept.Parse(nullptr, "d"));
    EXPECT_FALSE(kept.Parse("1", nullptr));
    EXPECT_EQ(kept.Ticks(), 5u);
}

TEST(TimeStampParse, MonthNamesFollowTheUserLocale)
{
    ScopedLocale german("de_DE.UTF-8");
    EXPECT_EQ(Parsed("18 Okt 2006", "dbY").Format(FULL), "2006-10-18 00:00:00.000");
    EXPECT_EQ(Parsed("18 März 2006", "dBY").Format(FULL), "2006-03-18 00:00:00.000");
    CNTimeStamp t;
    EXPECT_FALSE(t.Parse("Oct 18 2006 14:38:56", "bdYHMS"));
    ScopedLocale french("fr_FR.UTF-8");
    EXPECT_EQ(Parsed("1 janvier 2001", "dBY").Format(FULL), "2001-01-01 00:00:00.000");
}

TEST(TimeStampBuildTime, ReadsInEveryLocale)
{
    for (const char* locale : {"de_DE.UTF-8", "fr_FR.UTF-8", "C"}) {
        ScopedLocale scoped(locale);
        CNTimeStamp& build = CNTimeStamp::GetBuildTime();
        EXPECT_NE(build, NullTimeStamp) << locale;
        CNTimeStamp expected;
        ScopedLocale english("C");
        ASSERT_TRUE(expected.Parse(BuildDateText(), "bdYHMS"));
        EXPECT_EQ(build, expected) << locale;
        EXPECT_EQ(&build, &CNTimeStamp::GetBuildTime());
    }
}

TEST(TimeStampFormat, OwnCodes)
{
    ScopedLocale english("C");
    const CNTimeStamp t = Parsed("Oct 18 2006 14:38:56", "bdYHMS");
    EXPECT_EQ(t.Format("%O %o"), "3552 74dc");
    EXPECT_EQ(Parsed("2050-01-01", "Ymd").Format("%O"), "8c21");
    EXPECT_EQ(Parsed("1979-12-31", "Ymd").Format("%O"), "ff9f");  // year 1979 wraps modulo 128

    const CNTimeStamp day(864000000000ull);
    EXPECT_EQ(day.Format("%D|%h|%s|%F|%u|%N"), "1|24|86400|0000000|000000|000");
    EXPECT_EQ(CNTimeStamp(12345678).Format("%F %u %N"), "2345678 234567 234");
    EXPECT_EQ(NullTimeStamp.Format("Built on %Y-%b-%d %H:%M:%S"), "Built on 1601-Jan-01 00:00:00");
    EXPECT_EQ(NullTimeStamp.Format("%F"), "0000000");
    // "%%F" has its %F replaced before strftime sees the rest.
    EXPECT_EQ(CNTimeStamp(5).Format("%%F"), "%0000005");
    EXPECT_EQ(CNTimeStamp(5).Format("%F%F"), "00000050000005");
}

TEST(TimeStampFormat, IllegalEmptyAndOverlongResults)
{
    EXPECT_EQ(CNTimeStamp(1ull << 63).Format("%Y"), "*** Illegal CNTimeStamp ***");
    EXPECT_EQ(CNTimeStamp(1ull << 63).Format(""), "");
    EXPECT_EQ(CNTimeStamp((1ull << 63) - 1).Format("%Y"), "30828");
    // strftime gives nothing for an empty expansion: the format comes back.
    EXPECT_EQ(NullTimeStamp.Format("%Z"), "%Z");
    const std::string big(70000, 'x');
    EXPECT_EQ(NullTimeStamp.Format(big + "%F"), big + "0000000");
    const std::string fits(40000, 'y');
    EXPECT_EQ(NullTimeStamp.Format(fits + "%Y"), fits + "1601");
}

TEST(TimeStampFormat, DayOfYearCodesComeFromTheDate)
{
    ScopedLocale english("C");
    const CNTimeStamp t = Parsed("2006-10-18", "Ymd");
    EXPECT_EQ(t.Format("%j %a %A"), "291 Wed Wednesday");
    EXPECT_EQ(t.Format("%U %W"), "42 42");
    EXPECT_EQ(Parsed("2000-12-31", "Ymd").Format("%j"), "366");
    // The value carries no time zone.
    EXPECT_EQ(t.Format("[%z]"), "[]");
    EXPECT_EQ(t.Format("[%Z]"), "[]");
}

TEST(TimeStampFormat, TimeZoneOffsetText)
{
    {
        ScopedTimeZoneQuery q(TIME_ZONE_ID_STANDARD, -60, 0, -60);
        EXPECT_EQ(GetTimeZoneOffsetText(), "+0100");
        EXPECT_EQ(NullTimeStamp.Format("%G"), "+0100");
    }
    {
        ScopedTimeZoneQuery q(TIME_ZONE_ID_DAYLIGHT, 300, 0, -60);
        EXPECT_EQ(GetTimeZoneOffsetText(), "-0400");
    }
    {
        ScopedTimeZoneQuery q(TIME_ZONE_ID_UNKNOWN, -330, 15, -60);
        EXPECT_EQ(GetTimeZoneOffsetText(), "+0530");
    }
    {
        ScopedTimeZoneQuery q(TIME_ZONE_ID_STANDARD, 0, 0, 0);
        EXPECT_EQ(GetTimeZoneOffsetText(), "-0000");
    }
    {
        ScopedTimeZoneQuery q(TIME_ZONE_ID_INVALID, 0, 0, 0);
        EXPECT_EQ(GetTimeZoneOffsetText(), "*ERR*");
        EXPECT_EQ(NullTimeStamp.Format("%G"), "*ERR*");
    }
}

TEST(TimeStampFormat, TimeZoneFromTheCLibrary)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    struct Case {
        const char* tz;
        const char* expected;
    };
    for (const Case& c : {Case{"UTC0", "-0000"}, Case{"IST-5:30", "+0530"}, Case{"EST5", "-0500"},
                          Case{"XXX-10:45", "+1045"}}) {
        setenv("TZ", c.tz, 1);
        EXPECT_EQ(GetTimeZoneOffsetText(), c.expected) << c.tz;
    }
    // A zone with daylight saving reports both biases, whichever is in force.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    TimeZoneInformation info;
    const int state = GetTimeZoneInformation(info);
    EXPECT_TRUE(state == TIME_ZONE_ID_STANDARD || state == TIME_ZONE_ID_DAYLIGHT);
    EXPECT_EQ(info.bias, -60);
    EXPECT_EQ(info.daylightBias, -60);
    EXPECT_EQ(GetTimeZoneOffsetText(), state == TIME_ZONE_ID_DAYLIGHT ? "+0200" : "+0100");
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(TimeStampHelpers, CursorFunctions)
{
    const char* cursor = "--, 12ab";
    EXPECT_TRUE(SkipToAlnum(cursor));
    EXPECT_STREQ(cursor, "12ab");
    const char* none = nullptr;
    EXPECT_FALSE(SkipToAlnum(none));
    const char* empty = "...";
    EXPECT_TRUE(SkipToAlnum(empty));
    EXPECT_STREQ(empty, "");

    uint32_t value = 9;
    const char* digits = "0042x";
    EXPECT_EQ(ReadDecimalField(digits, value, 0, 100), 4);
    EXPECT_EQ(value, 42u);
    EXPECT_STREQ(digits, "x");
    EXPECT_EQ(ReadDecimalField(digits, value, 0, 100), 0);
    const char* big = "150";
    EXPECT_EQ(ReadDecimalField(big, value, 0, 100), -3);
    const char* any = "1";
    EXPECT_EQ(ReadDecimalField(any, value, 5, 4), -1);
    EXPECT_EQ(ReadDecimalField(none, value, 0, 4), -1);

    ScopedLocale english("C");
    uint32_t month = 0;
    const char* text = "DECEMBER 5";
    EXPECT_TRUE(MatchMonthName(text, month, false));
    EXPECT_EQ(month, 12u);
    EXPECT_STREQ(text, " 5");
    const char* shortText = "Ju";
    EXPECT_FALSE(MatchMonthName(shortText, month, true));
    EXPECT_STREQ(shortText, "Ju");
    const char* july = "jul";
    EXPECT_TRUE(MatchMonthName(july, month, true));
    EXPECT_EQ(month, 7u);
}

}  // namespace
}  // namespace tonik
