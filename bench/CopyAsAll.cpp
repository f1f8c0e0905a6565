// Writes Copy As's hsl() and oklch() texts of every 8-bit colour, or of a
// part of them, one colour a line ("#RRGGBB<TAB>hsl<TAB>oklch"), for a reader
// outside Tonik to check (bench/check_copy_as.mjs):
//   tonik_copy_as_all [FIRST [END]]    colours 0xRRGGBB from FIRST up to END
#include <cstdio>
#include <cstdlib>
#include <string>

#include "color/CssColor.h"
#include "color/HtmlCode.h"

int main(int argc, char* argv[])
{
    const unsigned long first = argc > 1 ? std::strtoul(argv[1], nullptr, 0) : 0;
    const unsigned long end = argc > 2 ? std::strtoul(argv[2], nullptr, 0) : 0x1000000;
    for (unsigned long rgb = first; rgb < end && rgb < 0x1000000; ++rgb) {
        // 0x00BBGGRR from 0xRRGGBB.
        const auto color = uint32_t((rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16);
        const std::string line = tonik::FormatHtmlCode(color) + '\t' +
                                 tonik::FormatCssColor(color, tonik::CssFormat::Hsl) + '\t' +
                                 tonik::FormatCssColor(color, tonik::CssFormat::OkLch) + '\n';
        std::fputs(line.c_str(), stdout);
    }
    return 0;
}
