#include "color/HtmlCode.h"

#include <gtest/gtest.h>

#include <optional>

#include "color/ColorState.h"

namespace tonik {
namespace {

TEST(HtmlCode, FormatsRedFirstWithoutTheTopByte)
{
    EXPECT_EQ(FormatHtmlCode(0x00FF8000), "#0080FF");
    EXPECT_EQ(FormatHtmlCode(0x2BCCCCCC), "#CCCCCC");
    EXPECT_EQ(FormatHtmlCode(0xFF000000), "#000000");
    EXPECT_EQ(FormatHtmlCode(0x000000FF), "#FF0000");
    EXPECT_EQ(FormatHtmlCode(0xFFFFFFFF), "#FFFFFF");
}

TEST(HtmlCode, ReadsTypedTextAsOneRightAlignedNumber)
{
    struct Case {
        const char* text;
        std::optional<uint32_t> rgb;  // red, green, blue as the colour value's bytes
    };
    const Case cases[] = {
        {"#ff8000", 0x000080FF},
        {"FF8000", 0x000080FF},
        {"ff 80 00", 0x000080FF},
        {"#F", 0x000F0000},
        {"#F80", 0x00800F00},          // not expanded to #FF8800
        {"#AB12CD34", 0x0034CD12},     // the top byte of the number is ignored
        {"#000000000FF", 0x00FF0000},  // leading zeros are fine
        {"#", std::nullopt},
        {"", std::nullopt},
        {"#GHIJKL", std::nullopt},
        {"#123456789", std::nullopt},  // beyond 32 bits
        {"x-y+z!1", 0x00010000},
    };
    for (const Case& c : cases) {
        uint32_t value = 0;
        const bool ok = ParseHtmlCode(c.text, value);
        ASSERT_EQ(ok, c.rgb.has_value()) << c.text;
        if (ok) {
            EXPECT_EQ(ApplyHtmlValue(0x00000000, value), *c.rgb) << c.text;
            // The top byte of the edited colour stays.
            EXPECT_EQ(ApplyHtmlValue(0x2B000000, value), *c.rgb | 0x2B000000) << c.text;
        }
    }
}

TEST(HtmlCode, SnapsEachChannelToTheNearestMultipleOf51)
{
    const int boundaries[][2] = {{0, 0},     {25, 0},    {26, 51},   {76, 51},   {77, 102},  {127, 102},
                                 {128, 153}, {178, 153}, {179, 204}, {229, 204}, {230, 255}, {255, 255}};
    for (const auto& [before, after] : boundaries) {
        for (Channel channel : {Channel::Red, Channel::Green, Channel::Blue}) {
            const uint32_t color = ColorState::WithChannel(0x7F000000, channel, uint8_t(before));
            const uint32_t snapped = SnapToWebSafe(color);
            EXPECT_EQ(ColorState::GetChannel(snapped, channel), after) << before;
            EXPECT_EQ(snapped >> 24, 0x7Fu);
        }
    }
    EXPECT_EQ(SnapToWebSafe(0x00E61A19), 0x00FF3300u);  // (25, 26, 230) -> (0, 51, 255)
}

TEST(ColorState, ChannelWritesKeepTheOtherBytes)
{
    ColorState state;
    EXPECT_EQ(state.foreColor, 0x00000000u);
    EXPECT_EQ(state.backColor, 0x00FFFFFFu);
    EXPECT_EQ(state.current, state.backColor);
    EXPECT_EQ(state.foreground, 0);
    for (uint32_t custom : state.customColors)
        EXPECT_EQ(custom, 0u);

    state.current = 0xAB332211;
    state.SetChannel(Channel::Red, 0xEE);
    EXPECT_EQ(state.current, 0xAB3322EEu);
    state.SetChannel(Channel::Green, 0x00);
    EXPECT_EQ(state.current, 0xAB3300EEu);
    state.SetChannel(Channel::Blue, 0xFF);
    EXPECT_EQ(state.current, 0xABFF00EEu);
    EXPECT_EQ(state.GetChannel(Channel::Blue), 0xFF);

    state.foreground = 5;
    EXPECT_EQ(&state.EditedColor(), &state.foreColor);
    state.foreground = 0;
    EXPECT_EQ(&state.EditedColor(), &state.backColor);
}

}  // namespace
}  // namespace tonik
