// The colour state behind the main dialog: the colour being edited, the
// foreground and background colours, which of them is edited, and the custom
// colours of the colour chooser. Exactly one instance, program-wide.
#pragma once

#include <array>
#include <cstdint>

namespace tonik {

// Channels of a colour value 0x00BBGGRR.
enum class Channel { Red = 0, Green = 1, Blue = 2 };

// Bits of the skip mask of UpdateControls: a set bit leaves that control alone.
enum : uint8_t {
    SKIP_RED_EDIT = 0x01,
    SKIP_GREEN_EDIT = 0x02,
    SKIP_BLUE_EDIT = 0x04,
    SKIP_HTML_EDIT = 0x08,
    SKIP_RED_SLIDER = 0x10,
    SKIP_GREEN_SLIDER = 0x20,
    SKIP_BLUE_SLIDER = 0x40,
};

constexpr int CUSTOM_COLOR_COUNT = 16;

struct ColorState {
    ColorState();

    // The channel's byte of a colour value.
    static uint8_t GetChannel(uint32_t color, Channel channel);
    // The value with one byte replaced; the other bytes, the top one included, stay.
    static uint32_t WithChannel(uint32_t color, Channel channel, uint8_t value);

    uint8_t GetChannel(Channel channel) const { return GetChannel(current, channel); }
    void SetChannel(Channel channel, uint8_t value) { current = WithChannel(current, channel, value); }

    // The colour that foreground selects: foreColor when non-zero, else backColor.
    uint32_t& EditedColor() { return foreground != 0 ? foreColor : backColor; }
    // The colour that is not edited: the one the edited colour is read on, or against.
    uint32_t OtherColor() const { return foreground != 0 ? backColor : foreColor; }

    uint32_t current;
    uint32_t foreColor;
    uint32_t backColor;
    int32_t foreground = 0;
    std::array<uint32_t, CUSTOM_COLOR_COUNT> customColors{};
};

extern ColorState colorState;

}  // namespace tonik
