// The WCAG 2 contrast of a text colour and a background colour, and the
// nearest colour that makes a pair readable. Colours are 0x00BBGGRR values;
// only their low 24 bits count.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "color/ColorSpaces.h"

namespace tonik {

// Relative luminance (WCAG 2.2) of a colour, 0 for black to 1 for white.
double RelativeLuminance(uint32_t color);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 to 21.
double ContrastRatio(uint32_t first, uint32_t second);

// The four WCAG 2 criteria, each met when the exact ratio reaches its threshold.
inline constexpr double AA_RATIO = 4.5;
inline constexpr double AA_LARGE_RATIO = 3.0;
inline constexpr double AAA_RATIO = 7.0;
inline constexpr double AAA_LARGE_RATIO = 4.5;

// The ratio with two decimals, cut off and never rounded up: "4.49" for 4.4999.
std::string FormatContrastRatio(double ratio);

// The words of the contrast texts, English unless a translation is given;
// %1 stands for the ratio or the list of criteria.
struct ContrastWords {
    std::string shown = "Contrast %1:1";
    std::string large = "%1 large";  // a criterion for large text: "AA large"
    std::string spoken = "Contrast %1 to 1.";
    std::string passes = "Passes %1.";
    std::string fails = "Fails %1.";
    std::string decimalPoint = ".";
};

// What the contrast strip shows: "Contrast 4.47:1", then a check or a cross
// before each criterion. The spoken form says the same in words.
std::string ContrastText(double ratio, const ContrastWords& words = {});
std::string ContrastSpokenText(double ratio, const ContrastWords& words = {});
// The ratio as FormatContrastRatio writes it, with the words' decimal point.
std::string FormatContrastRatio(double ratio, const ContrastWords& words);

// The pair as CSS: the two codes and the ratio, three lines.
std::string ContrastCss(uint32_t foreColor, uint32_t backColor);

// Whether Fix has a colour to offer: below 7:1, the highest criterion.
inline bool FixContrastWanted(double ratio)
{
    return ratio < AAA_RATIO;
}

// The nearest readable colour for edited against other: the target is 4.5
// when the ratio is below 4.5, else 7. Only the OKLab lightness moves, in
// steps of 0.001, darker first; hue and chroma stay but for the chroma given
// up to stay within sRGB. Nothing when the ratio is 7 or more already, or
// when no lightness reaches the target.
std::optional<uint32_t> FixContrast(uint32_t edited, uint32_t other);

}  // namespace tonik
