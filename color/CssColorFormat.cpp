// Copy As: a colour written in CSS Color 4's modern syntax, each number with
// the fewest decimals that read back as the same colour.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

#include "color/CssColor.h"
#include "color/HtmlCode.h"

namespace tonik {

namespace {

// How far inside its byte's rounding interval each channel of a Copy As text
// must read back. hsl()'s arithmetic is exact in every reader, so only a tie
// (hsl(0 0% 50%) is 127.5) is refused; oklch()'s matrices are printed with
// other digits by other readers, which moves a channel by up to about 1e-5.
constexpr double HSL_MARGIN = 1e-6;
constexpr double OKLCH_MARGIN = 0.01;

// A non-negative number with the given decimals, rounded half up as written
// in decimal (as CSS tools write it), never "-0".
std::string Fixed(double value, int decimals)
{
    value = std::max(value, 0.0) + 0.0;
    char exact[400];
    const auto written = std::to_chars(exact, exact + sizeof exact, value, std::chars_format::fixed, 80);
    std::string digits(exact, written.ptr);
    const size_t point = digits.find('.');
    // Cut at the decimals, then carry the first digit cut away.
    std::string kept = digits.substr(0, point);
    std::string fraction = digits.substr(point + 1, size_t(decimals));
    const bool up = digits[point + 1 + size_t(decimals)] >= '5';
    std::string number = kept + fraction;
    if (up) {
        size_t i = number.size();
        while (i > 0 && number[i - 1] == '9')
            number[--i] = '0';
        if (i == 0)
            number.insert(number.begin(), '1');
        else
            ++number[i - 1];
    }
    if (decimals == 0)
        return number;
    return number.substr(0, number.size() - size_t(decimals)) + '.' + number.substr(number.size() - size_t(decimals));
}

// Whether text reads back as color with room to spare: each channel, times
// 255 and before any gamut mapping, at least margin inside the rounding
// interval of its byte (k - 0.5 to k + 0.5). A reader whose matrices have
// other digits, or that rounds a tie down, then still gets color.
bool ReadsBack(const std::string& text, uint32_t color, double margin)
{
    const std::optional<CssColor> back = ParseCssColor(text);
    if (!back)
        return false;
    const double channels[] = {back->srgb.red, back->srgb.green, back->srgb.blue};
    for (unsigned i = 0; i < 3; ++i) {
        const double target = color >> (8 * i) & 0xFF;
        if (!(std::abs(channels[i] * 255 - target) <= 0.5 - margin))  // NaN fails too
            return false;
    }
    return true;
}

// The text of write with the fewest decimals per number with which it reads
// back as color with the margin: fewest in all first, then fewest in the
// first number. Three decimals are enough for most colours, but an oklch
// chroma can need four or five (0.001 of chroma is more than one step of 8
// bits for many colours): a text that reads back as another colour would be
// wrong.
template <typename Write>
std::string Fewest(uint32_t color, const std::array<double, 3>& numbers, double margin, Write write)
{
    auto readsBack = [color, margin](const std::string& text) { return ReadsBack(text, color, margin); };
    constexpr int MOST = 5;  // decimals of one number
    using Combinations = std::array<std::array<int, 3>, (MOST + 1) * (MOST + 1) * (MOST + 1)>;
    static const Combinations combinations = [] {
        Combinations all{};
        for (size_t i = 0; i < all.size(); ++i) {
            const int n = int(i);
            all[i] = {n / ((MOST + 1) * (MOST + 1)), n / (MOST + 1) % (MOST + 1), n % (MOST + 1)};
        }
        std::stable_sort(all.begin(), all.end(),
                         [](const auto& x, const auto& y) { return x[0] + x[1] + x[2] < y[0] + y[1] + y[2]; });
        return all;
    }();
    for (const auto& d : combinations) {
        const std::string text = write(Fixed(numbers[0], d[0]), Fixed(numbers[1], d[1]), Fixed(numbers[2], d[2]));
        if (readsBack(text))
            return text;
    }
    for (int decimals = MOST + 1;; ++decimals) {
        const std::string text =
            write(Fixed(numbers[0], decimals), Fixed(numbers[1], decimals), Fixed(numbers[2], decimals));
        if (decimals == 9 || readsBack(text))
            return text;
    }
}

}  // namespace

std::string FormatCssColor(uint32_t color, CssFormat format)
{
    const Srgb srgb = ColorRefToSrgb(color);
    const bool grey = (color & 0xFF) == (color >> 8 & 0xFF) && (color & 0xFF) == (color >> 16 & 0xFF);
    switch (format) {
    case CssFormat::Hex: return FormatHtmlCode(color);
    case CssFormat::Rgb:
        return "rgb(" + std::to_string(color & 0xFF) + ' ' + std::to_string(color >> 8 & 0xFF) + ' ' +
               std::to_string(color >> 16 & 0xFF) + ')';
    case CssFormat::Hsl: {
        double hue = 0;
        double saturation = 0;
        double lightness = 0;
        SrgbToHsl(srgb, hue, saturation, lightness);
        return Fewest(color, {grey ? 0 : hue, grey ? 0 : saturation * 100, lightness * 100}, HSL_MARGIN,
                      [](const std::string& h, const std::string& s, const std::string& l) {
                          return "hsl(" + h + ' ' + s + "% " + l + "%)";
                      });
    }
    case CssFormat::OkLch: {
        const OkLab lab = SrgbToOkLab(srgb);
        const double hue = std::fmod(std::atan2(lab.b, lab.a) * 180 / std::numbers::pi + 360, 360);
        return Fewest(color, {lab.l * 100, grey ? 0 : std::hypot(lab.a, lab.b), grey ? 0 : hue}, OKLCH_MARGIN,
                      [](const std::string& l, const std::string& c, const std::string& h) {
                          return "oklch(" + l + "% " + c + ' ' + h + ')';
                      });
    }
    }
    return FormatHtmlCode(color);
}

}  // namespace tonik
