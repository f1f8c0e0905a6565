#include "color/ColorState.h"

#include "platform/SysColor.h"

namespace tonik {

// Start values in this order: text colour, window colour, then current.
ColorState::ColorState()
    : current(0), foreColor(GetSysColor(COLOR_WINDOWTEXT)), backColor(GetSysColor(COLOR_WINDOW))
{
    current = backColor;
}

uint8_t ColorState::GetChannel(uint32_t color, Channel channel)
{
    return static_cast<uint8_t>(color >> (8 * static_cast<int>(channel)));
}

uint32_t ColorState::WithChannel(uint32_t color, Channel channel, uint8_t value)
{
    const int shift = 8 * static_cast<int>(channel);
    return (color & ~(0xFFu << shift)) | (uint32_t{value} << shift);
}

ColorState colorState;

}  // namespace tonik
