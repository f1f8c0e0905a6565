// Arbitrary pasted texts through the CSS colour reader: a colour it reads is
// one Tonik can show, and its Copy As forms read back as that colour.
#include <cstdint>
#include <string>

#include "color/CssColor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<tonik::CssPaste> paste = tonik::ParseCssPaste(text);
    if (!paste)
        return 0;
    for (const auto& color : {paste->edited, paste->text, paste->background}) {
        if (!color)
            continue;
        const uint32_t seen = tonik::SeenColor(*color, 0x00996633);
        for (auto format : {tonik::CssFormat::Hex, tonik::CssFormat::Rgb, tonik::CssFormat::Hsl, tonik::CssFormat::OkLch}) {
            const std::optional<tonik::CssColor> back = tonik::ParseCssColor(tonik::FormatCssColor(seen, format));
            if (!back || tonik::SeenColor(*back, 0) != seen)
                __builtin_trap();
        }
    }
    return 0;
}
