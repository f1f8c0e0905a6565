#include "color/Contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "color/HtmlCode.h"
#include "support/NumberText.h"

namespace tonik {
namespace {

double Luminance(double red, double green, double blue)
{
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue;
}

double RatioOfLuminances(double first, double second)
{
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool InSrgb(const OkLab& lab)
{
    return InSrgbGamut(OkLabToSrgb(lab));
}

// The colour of lightness l, hue (cosHue, sinHue) and the highest chroma up to
// chroma that lies within sRGB, in 8 bits per channel.
uint32_t MapIntoSrgb(double l, double chroma, double cosHue, double sinHue)
{
    OkLab lab{l, chroma * cosHue, chroma * sinHue};
    if (!InSrgb(lab)) {
        double inside = 0, outside = chroma;
        while (outside - inside > 1e-7) {
            const double middle = (inside + outside) / 2;
            (InSrgb({l, middle * cosHue, middle * sinHue}) ? inside : outside) = middle;
        }
        lab = {l, inside * cosHue, inside * sinHue};
    }
    return SrgbToColorRef(OkLabToSrgb(lab));
}

std::string Filled(std::string text, const std::string& value)
{
    if (const size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

// The four criteria in the strip's order, named in the words' language.
std::array<std::pair<double, std::string>, 4> Criteria(const ContrastWords& words)
{
    return {{{AA_RATIO, "AA"},
             {AA_LARGE_RATIO, Filled(words.large, "AA")},
             {AAA_RATIO, "AAA"},
             {AAA_LARGE_RATIO, Filled(words.large, "AAA")}}};
}

}  // namespace

double RelativeLuminance(uint32_t color)
{
    const Srgb srgb = ColorRefToSrgb(color);
    return Luminance(SrgbToLinear(srgb.red), SrgbToLinear(srgb.green), SrgbToLinear(srgb.blue));
}

double ContrastRatio(uint32_t first, uint32_t second)
{
    return RatioOfLuminances(RelativeLuminance(first), RelativeLuminance(second));
}

std::string FormatContrastRatio(double ratio)
{
    // The shown value never exceeds the ratio, so that it never reaches a
    // threshold the pair fails (4.4999999999921 shows 4.49, not 4.50); the
    // product's own rounding is corrected both ways.
    auto hundredths = static_cast<unsigned>(std::floor(std::max(ratio, 0.0) * 100));
    if ((hundredths + 1) / 100.0 <= ratio)
        ++hundredths;
    else if (hundredths > 0 && hundredths / 100.0 > ratio)
        --hundredths;
    return FormatText("%u.%02u", hundredths / 100, hundredths % 100);
}

std::string FormatContrastRatio(double ratio, const ContrastWords& words)
{
    std::string text = FormatContrastRatio(ratio);
    return text.replace(text.find('.'), 1, words.decimalPoint);
}

std::string ContrastText(double ratio, const ContrastWords& words)
{
    std::string text = Filled(words.shown, FormatContrastRatio(ratio, words));
    for (const auto& [threshold, name] : Criteria(words))
        text += (ratio >= threshold ? "   \u2713 " : "   \u2717 ") + name;
    return text;
}

std::string ContrastSpokenText(double ratio, const ContrastWords& words)
{
    std::string passes, fails;
    for (const auto& [threshold, name] : Criteria(words)) {
        std::string& list = ratio >= threshold ? passes : fails;
        list += (list.empty() ? "" : ", ") + name;
    }
    std::string text = Filled(words.spoken, FormatContrastRatio(ratio, words));
    if (!passes.empty())
        text += " " + Filled(words.passes, passes);
    if (!fails.empty())
        text += " " + Filled(words.fails, fails);
    return text;
}

std::string ContrastCss(uint32_t foreColor, uint32_t backColor)
{
    return "color: " + FormatHtmlCode(foreColor) + ";\nbackground-color: " + FormatHtmlCode(backColor) +
           ";\n/* contrast " + FormatContrastRatio(ContrastRatio(foreColor, backColor)) + ":1 */";
}

std::optional<uint32_t> FixContrast(uint32_t edited, uint32_t other)
{
    const double otherLuminance = RelativeLuminance(other);
    const double ratio = RatioOfLuminances(RelativeLuminance(edited), otherLuminance);
    if (!FixContrastWanted(ratio))
        return std::nullopt;
    const double target = ratio < AA_RATIO ? AA_RATIO : AAA_RATIO;
    const OkLab lab = SrgbToOkLab(ColorRefToSrgb(edited));
    const double chroma = std::hypot(lab.a, lab.b);
    const double cosHue = chroma > 0 ? lab.a / chroma : 1;
    const double sinHue = chroma > 0 ? lab.b / chroma : 0;
    auto reaches = [&](double l, uint32_t& color) {
        color = MapIntoSrgb(l, chroma, cosHue, sinHue);
        return RatioOfLuminances(RelativeLuminance(color), otherLuminance) >= target;
    };
    for (int k = 1;; ++k) {
        const double darker = lab.l - 0.001 * k;
        const double lighter = lab.l + 0.001 * k;
        if (darker < 0 && lighter > 1)
            return std::nullopt;
        uint32_t color = 0;
        if (darker >= 0 && reaches(darker, color))
            return color;
        if (lighter <= 1 && reaches(lighter, color))
            return color;
    }
}

}  // namespace tonik
