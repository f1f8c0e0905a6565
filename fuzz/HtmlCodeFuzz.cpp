// Arbitrary texts through the HTML code parse.
#include <cstdint>
#include <string>

#include "color/HtmlCode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    uint32_t value = 0;
    if (tonik::ParseHtmlCode(text, value)) {
        const uint32_t color = tonik::ApplyHtmlValue(0x7F000000, value);
        // The code printed for a colour parses back to the same colour.
        uint32_t again = 0;
        if (!tonik::ParseHtmlCode(tonik::FormatHtmlCode(color), again) ||
            tonik::ApplyHtmlValue(0x7F000000, again) != color)
            __builtin_trap();
    }
    return 0;
}
