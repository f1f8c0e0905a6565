#include <gtest/gtest.h>

#include "version/VersionInfo.h"

namespace tonik {
namespace {

class FormatVersionTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(info.LoadFromFile(TONIK_EXECUTABLE)); }
    VersionInfo info;
};

TEST_F(FormatVersionTest, CodesFlagsWidthsAndPrecisions)
{
    const struct {
        const char* format;
        const char* expected;
    } cases[] = {
        {"%a.%2.2b.%2.2c", "2.00.06"},
        {"%V", "2.00.06"},
        {"%p\r\n%g V%a.%b.%c.%d\r\n", "Tonik HTML Color Picker\r\nRelease V2.0.6.0\r\n"},
        {"%5a", "    2"},
        {"%-5a", "2    "},
        {"%.3d", "000"},
        {"%02a", " 2"},  // the 0 is a width digit, not a zero fill
        {"%9g", "  Release"},
        {"%-9g", "Release  "},
        {"%.2p", "Tonik HTML Color Picker"},  // no precision for texts
        {"%25p", "  Tonik HTML Color Picker"},
        {"%i|%r|%v|%f", "Tonik|Tonik|2, 0, 6, 0|Tonik MFC Application"},
        {"[%l]", "[Copyright (C) 2026 Kavon]"},
        {"[%m][%o][%3m]", "[][][   ]"},
        {"%x", "%x"},
        {"%-3x", "%-3x"},
        {"%%", "%%"},
        {"%P %A", "%P %A"},  // upper case is no code, but V
        {"v%", "v"},
        {"v%5", "v"},
        {"no codes", "no codes"},
        {"", ""},
        {"%--5a|", "2    |"},
        {"%5.2.3a", "00000000000000000000002"},  // digits after the first '.' all count
        {"%99999999999a", nullptr},              // a huge width is bounded
    };
    for (const auto& c : cases) {
        const std::string result = info.FormatVersion(c.format);
        if (c.expected != nullptr)
            EXPECT_EQ(result, c.expected) << c.format;
        else
            EXPECT_EQ(result.size(), 65535u) << c.format;
    }
}

TEST_F(FormatVersionTest, DefaultFormatAndItsGuard)
{
    EXPECT_EQ(info.GetDefaultFormat(), "%a.%2.2b.%2.2c");
    info.SetDefaultFormat("%a-%d");
    EXPECT_EQ(info.FormatVersion(nullptr), "2-0");
    EXPECT_EQ(info.FormatVersion("[%V]"), "[2-0]");
    // A default that names itself expands once; the inner V gives nothing.
    info.SetDefaultFormat("x%Vy%a");
    EXPECT_EQ(info.FormatVersion("%V"), "xy2");
    EXPECT_EQ(info.FormatVersion(nullptr), "xy2");
    info.SetDefaultFormat(nullptr);
    EXPECT_EQ(info.GetDefaultFormat(), "%a.%2.2b.%2.2c");
    info.Reset();
    EXPECT_EQ(info.GetDefaultFormat(), "%a.%2.2b.%2.2c");  // survives Reset
    EXPECT_EQ(info.FormatVersion("%g"), "<n/a>");
}

}  // namespace
}  // namespace tonik
