#include "color/HtmlCode.h"

#include "color/ColorState.h"
#include "support/NumberText.h"

namespace tonik {

std::string FormatHtmlCode(uint32_t color)
{
    const unsigned red = ColorState::GetChannel(color, Channel::Red);
    const unsigned green = ColorState::GetChannel(color, Channel::Green);
    const unsigned blue = ColorState::GetChannel(color, Channel::Blue);
    return FormatText("#%6.6X", red << 16 | green << 8 | blue);
}

bool ParseHtmlCode(const std::string& text, uint32_t& value)
{
    std::string digits;
    for (char ch : text) {
        if (FindCharIndex(ch, "0123456789ABCDEFabcdef") >= 0)
            digits.push_back(ch);
    }
    return ParseUInt(digits.c_str(), value, 16);
}

uint32_t ApplyHtmlValue(uint32_t color, uint32_t value)
{
    color = ColorState::WithChannel(color, Channel::Red, static_cast<uint8_t>(value >> 16));
    color = ColorState::WithChannel(color, Channel::Green, static_cast<uint8_t>(value >> 8));
    return ColorState::WithChannel(color, Channel::Blue, static_cast<uint8_t>(value));
}

uint32_t SnapToWebSafe(uint32_t color)
{
    for (Channel channel : {Channel::Red, Channel::Green, Channel::Blue}) {
        const int v = ColorState::GetChannel(color, channel);
        color = ColorState::WithChannel(color, channel, static_cast<uint8_t>((v + 25) / 51 * 51));
    }
    return color;
}

}  // namespace tonik
