#include "platform/SysColor.h"

namespace tonik {

uint32_t GetSysColor(SysColorIndex index)
{
    switch (index) {
    case COLOR_WINDOW: return 0x00FFFFFF;
    case COLOR_WINDOWTEXT: return 0x00000000;
    }
    return 0;
}

}  // namespace tonik
