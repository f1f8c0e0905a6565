#include "support/NumberText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tonik {
namespace {

struct UIntCase {
    const char* text;
    unsigned selector;
    std::optional<uint32_t> expected;  // nullopt: the parse fails
};

std::string Describe(const char* text, unsigned selector)
{
    return std::string("'") + (text ? text : "(null)") + "' selector " + std::to_string(selector);
}

TEST(ParseUInt, ReadsEveryRadixAndRejectsBadText)
{
    const std::string ones32(32, '1');
    const std::string ones33(33, '1');
    const std::vector<UIntCase> cases = {
        // automatic radix
        {"", 1, std::nullopt},
        {" \t\r\n\v\b", 1, std::nullopt},
        {" 42 ", 1, 42},
        {"0", 1, 0},
        {"017", 1, 15},
        {"08", 1, std::nullopt},
        {"09", 1, std::nullopt},
        {"0x1F", 1, 31},
        {"0X1f", 1, 31},
        {"0b101", 1, 5},
        {"0B11", 1, 3},
        {"0x", 1, 0},
        {"0b", 1, 0},
        {"0 ", 1, 0},
        {"0x 1F", 1, std::nullopt},
        {"1 2", 1, std::nullopt},
        {"12abc", 1, std::nullopt},
        {"-1", 1, std::nullopt},
        {"\f1", 1, std::nullopt},  // form feed is not blank
        {"4294967295", 1, 4294967295u},
        {"4294967296", 1, std::nullopt},
        {"10000000000", 1, std::nullopt},
        {"037777777777", 1, 4294967295u},
        {"040000000000", 1, std::nullopt},
        {"0x00000000FFFFFFFF", 1, 4294967295u},  // leading zeros never count
        {"0x100000000", 1, std::nullopt},
        // fixed radixes
        {"FFFFFFFF", 16, 4294967295u},
        {"0FFFFFFFF", 16, 4294967295u},
        {"ffffffff", 16, 4294967295u},
        {"100000000", 16, std::nullopt},
        {"0x10", 16, std::nullopt},
        {"", 16, std::nullopt},
        {"G", 16, std::nullopt},
        {ones32.c_str(), 2, 4294967295u},
        {ones33.c_str(), 2, std::nullopt},
        {"102", 2, std::nullopt},
        {"0b1", 2, std::nullopt},
        {"777", 8, 511},
        {"8", 8, std::nullopt},
        {"37777777777", 8, 4294967295u},
        {"0x1", 10, std::nullopt},
        {"007", 10, 7},
        {"4294967295", 10, 4294967295u},
        {"4294967296", 10, std::nullopt},
        // general radix path
        {"zz", 36, 1295},
        {"ZZ", 36, 1295},
        {"12", 3, 5},
        {"3", 3, std::nullopt},
        {"1", 0, std::nullopt},  // radix 0 never divides by zero
        {"0", 0, std::nullopt},
        {"1z", 37, 72},
        {" 11 ", 3, 4},
        {"1 1", 3, std::nullopt},
    };
    for (const UIntCase& c : cases) {
        uint32_t value = 0xDEADBEEF;
        const bool ok = ParseUInt(c.text, value, c.selector);
        EXPECT_EQ(ok, c.expected.has_value()) << Describe(c.text, c.selector);
        EXPECT_EQ(value, c.expected.value_or(0xDEADBEEF)) << Describe(c.text, c.selector);
    }
    uint32_t untouched = 7;
    EXPECT_FALSE(ParseUInt(nullptr, untouched, 1));
    EXPECT_EQ(untouched, 7u);
}

TEST(ParseUInt, GeneralRadixStopsOneStepBeforeTheLimit)
{
    // The general path refuses a digit once a whole further step of the radix
    // could overflow, so its largest values are a little below 2^32 - 1.
    uint32_t value = 0;
    EXPECT_TRUE(ParseUInt("102002022201221111200", value, 3));
    EXPECT_EQ(value, 4294967292u);
    EXPECT_FALSE(ParseUInt("102002022201221111210", value, 3));  // 2^32 - 1
    EXPECT_TRUE(ParseUInt("1Z141YZ", value, 36));
    EXPECT_EQ(value, 4294967291u);
    EXPECT_FALSE(ParseUInt("1Z141Z0", value, 36));
}

TEST(ParseInt, TakesOneSignAndWrapsToThirtyTwoBits)
{
    struct Case {
        const char* text;
        std::optional<int32_t> expected;
    };
    const std::vector<Case> cases = {
        {"-1", -1},     {"- 1", -1},         {"+7", 7},          {"+-1", std::nullopt},
        {"-", std::nullopt}, {"", std::nullopt}, {"   ", std::nullopt}, {"300", 300},
        {"4294967295", -1},  {"-0x10", -16}, {" -010 ", -8},     {"--1", std::nullopt},
        {"2147483648", INT32_MIN}, {"-2147483648", INT32_MIN},
    };
    for (const Case& c : cases) {
        int32_t value = 12345;
        EXPECT_EQ(ParseInt(c.text, value, 1), c.expected.has_value()) << c.text;
        EXPECT_EQ(value, c.expected.value_or(12345)) << c.text;
    }
    int32_t value = 0;
    EXPECT_FALSE(ParseInt(nullptr, value, 1));
    // Callers keeping the low 8 bits of a channel.
    ASSERT_TRUE(ParseInt("-1", value, 1));
    EXPECT_EQ(value & 0xFF, 255);
    ASSERT_TRUE(ParseInt("300", value, 1));
    EXPECT_EQ(value & 0xFF, 44);
}

TEST(NumberText, CharacterTests)
{
    for (char ch : {'\b', '\t', '\n', '\v', '\r', ' '})
        EXPECT_TRUE(IsBlank(ch)) << int(ch);
    for (char ch : {'\f', '\0', 'a', '0', '\x7f'})
        EXPECT_FALSE(IsBlank(ch)) << int(ch);

    EXPECT_EQ(FindCharIndex('c', "abc"), 2);
    EXPECT_EQ(FindCharIndex('a', "abca"), 0);
    EXPECT_EQ(FindCharIndex('\0', "abc"), -1);
    EXPECT_EQ(FindCharIndex('z', "abc"), -1);
    EXPECT_EQ(FindCharIndex('a', nullptr), -1);

    EXPECT_EQ(BoundedLength(nullptr, 10), 0u);
    EXPECT_EQ(BoundedLength("abcdef", 3), 3u);
    EXPECT_EQ(BoundedLength("abc", 0xFFFFFFFFu), 3u);
    EXPECT_EQ(BoundedLength("", 5), 0u);
}

TEST(NumberText, TextFromNumbersAndPadding)
{
    EXPECT_EQ(UIntToText(255, 10, 0, ' '), "255");
    EXPECT_EQ(UIntToText(255, 16, 4, '0'), "00FF");
    EXPECT_EQ(UIntToText(5, 10, -3, '*'), "5**");
    EXPECT_EQ(UIntToText(0, 2, 0, ' '), "0");
    EXPECT_EQ(UIntToText(4294967295u, 36, 0, ' '), "1Z141Z3");
    EXPECT_EQ(UIntToText(4294967295u, 2, 0, ' '), std::string(32, '1'));
    EXPECT_EQ(UIntToText(7, 1, 0, ' '), "");
    EXPECT_EQ(UIntToText(7, 37, 2, '-'), "--");

    EXPECT_EQ(PadText("abc", 2, '*'), "abc");
    EXPECT_EQ(PadText("abc", 0, '*'), "abc");
    EXPECT_EQ(PadText("abc", 5, '*'), "**abc");
    EXPECT_EQ(PadText("abc", -5, '*'), "abc**");

    EXPECT_EQ(RepeatChar(0, 'x'), "");
    EXPECT_EQ(RepeatChar(3, 'x'), "xxx");
}

TEST(NumberText, FormatTextIsAlwaysWhole)
{
    EXPECT_EQ(FormatText("#%6.6X", 255), "#0000FF");
    EXPECT_EQ(FormatText("CustColor%2.2u", 3u), "CustColor03");
    EXPECT_EQ(FormatText("%s", ""), "");
    for (size_t length : {2047u, 2048u, 2049u, 4095u, 4096u, 100000u}) {
        const std::string long_text(length, 'q');
        const std::string result = FormatText("<%s>", long_text.c_str());
        ASSERT_EQ(result.size(), length + 2) << length;
        EXPECT_EQ(result.front(), '<');
        EXPECT_EQ(result.back(), '>');
    }
}

}  // namespace
}  // namespace tonik
