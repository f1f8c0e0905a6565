// The system colours that Tonik's defaults come from, as colour values 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace tonik {

enum SysColorIndex { COLOR_WINDOW = 5, COLOR_WINDOWTEXT = 8 };

// The classic light scheme: window white, text black.
// Fixed, so that the colours a first run starts with do not depend on the
// desktop theme of the moment.
uint32_t GetSysColor(SysColorIndex index);

}  // namespace tonik
