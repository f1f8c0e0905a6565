// Colours as CSS Color 4 writes them: read from any of its syntaxes (for
// Paste Colour and the command line) and written in its modern ones (for
// Copy As). Colours are 0x00BBGGRR values; no Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "color/ColorSpaces.h"

namespace tonik {

// A colour as read: its sRGB coordinates, outside the gamut for a colour of a
// wider space, and its alpha, 0 to 1.
struct CssColor {
    Srgb srgb;
    double alpha = 1;
};

// One CSS colour: hex of 3, 4, 6 or 8 digits, rgb(), rgba(), hsl(), hsla()
// (comma and space syntax), hwb(), lab(), lch(), oklab(), oklch(), color()
// with the predefined spaces, or a named colour; case-insensitive, with
// spaces around it and one trailing ";" allowed. Nothing for anything else.
std::optional<CssColor> ParseCssColor(std::string_view text);

// What pasted text names: one colour (alone or as one declaration such as
// "color: #336699;"), which becomes the edited colour, or a "color" and a
// "background-color" declaration, as Copy as CSS writes them, for both.
// Comments are skipped. Nothing when the text names no colour this way.
struct CssPaste {
    std::optional<CssColor> edited;
    // The property of the one declaration that named edited ("color",
    // "background-color" or "background"); empty for a colour alone.
    std::string property;
    std::optional<CssColor> text;
    std::optional<CssColor> background;
};
std::optional<CssPaste> ParseCssPaste(std::string_view text);

// The colour a reader sees: mapped into sRGB (CSS Color 4's gamut mapping),
// then, when not opaque, composited over the colour beneath, and rounded
// half up to 8 bits per channel.
uint32_t SeenColor(const CssColor& color, uint32_t beneath);

// A pair as a reader sees it: the background over white, the text over the
// background.
inline constexpr uint32_t PAGE_WHITE = 0x00FFFFFF;
struct SeenPair {
    uint32_t text, background;
};
SeenPair SeenColors(const CssColor& text, const CssColor& background);

// The forms of Copy As. Each number has the fewest decimals (0 to 3 mostly,
// up to 5 for an oklch chroma) with which the text reads back as the same
// 8-bit colour with a margin: every channel, times 255, at least 0.01 from a
// rounding boundary for oklch(), and off the boundary for hsl(). A grey's hue
// (and its oklch chroma) is 0.
enum class CssFormat { Hex, Rgb, Hsl, OkLch };
std::string FormatCssColor(uint32_t color, CssFormat format);

// The named colours of CSS, "transparent" aside: 0xRRGGBB, or nothing.
std::optional<uint32_t> NamedColor(std::string_view name);

}  // namespace tonik
