#include <gtest/gtest.h>

#include "color/Contrast.h"
#include "color/HtmlCode.h"

namespace tonik {
namespace {

TEST(Contrast, LuminanceOnTheEdgesOfItsCurve)
{
    EXPECT_EQ(RelativeLuminance(0x000000), 0.0);
    EXPECT_NEAR(RelativeLuminance(0xFFFFFF), 1.0, 1e-12);
    // 10 is the last byte on the straight part of the curve, 11 the first on the power part.
    EXPECT_NEAR(RelativeLuminance(0x0A0A0A), 10 / 255.0 / 12.92, 1e-12);
    EXPECT_NEAR(RelativeLuminance(0x0B0B0B), 0.0033465, 1e-7);
    // Red, green and blue weigh 0.2126, 0.7152 and 0.0722; the tag byte weighs nothing.
    EXPECT_NEAR(RelativeLuminance(0xFF0000FF), 0.2126, 1e-12);
    EXPECT_NEAR(RelativeLuminance(0x0000FF00), 0.7152, 1e-12);
    EXPECT_NEAR(RelativeLuminance(0x00FF0000), 0.0722, 1e-12);
}

TEST(Contrast, RatioTextIsCutOffNeverRoundedUp)
{
    EXPECT_EQ(FormatContrastRatio(ContrastRatio(0x000000, 0xFFFFFF)), "21.00");
    EXPECT_EQ(FormatContrastRatio(ContrastRatio(0xFFFFFF, 0x000000)), "21.00");  // order does not count
    EXPECT_EQ(FormatContrastRatio(ContrastRatio(0x123456, 0x123456)), "1.00");
    EXPECT_EQ(FormatContrastRatio(ContrastRatio(0x777777, 0xFFFFFF)), "4.47");
    EXPECT_EQ(FormatContrastRatio(ContrastRatio(0x767676, 0xFFFFFF)), "4.54");
    EXPECT_EQ(FormatContrastRatio(4.4999), "4.49");
    // A ratio a hair below a threshold shows below it, as its verdict says.
    const double nearly = ContrastRatio(0x00E57126, 0x00010206);  // #2671E5 on #060201
    EXPECT_LT(nearly, AA_RATIO);
    EXPECT_EQ(ContrastText(nearly).substr(0, 24), "Contrast 4.49:1   \u2717 AA");
    EXPECT_EQ(ContrastText(4.4999), "Contrast 4.49:1   \u2717 AA   \u2713 AA large   \u2717 AAA   \u2717 AAA large");
    EXPECT_EQ(ContrastText(4.5), "Contrast 4.50:1   \u2713 AA   \u2713 AA large   \u2717 AAA   \u2713 AAA large");
    EXPECT_EQ(ContrastText(2.9999), "Contrast 2.99:1   \u2717 AA   \u2717 AA large   \u2717 AAA   \u2717 AAA large");
    EXPECT_EQ(ContrastSpokenText(7), "Contrast 7.00 to 1. Passes AA, AA large, AAA, AAA large.");
    EXPECT_EQ(ContrastSpokenText(1), "Contrast 1.00 to 1. Fails AA, AA large, AAA, AAA large.");

    // In the words of a translation, with its decimal separator.
    ContrastWords german;
    german.shown = "Kontrast %1:1";
    german.large = "%1 gro\u00DF";
    german.spoken = "Kontrast %1 zu 1.";
    german.passes = "Erf\u00FCllt %1.";
    german.fails = "Verfehlt %1.";
    german.decimalPoint = ",";
    EXPECT_EQ(ContrastText(4.4999, german),
              "Kontrast 4,49:1   \u2717 AA   \u2713 AA gro\u00DF   \u2717 AAA   \u2717 AAA gro\u00DF");
    EXPECT_EQ(ContrastSpokenText(4.5, german),
              "Kontrast 4,50 zu 1. Erf\u00FCllt AA, AA gro\u00DF, AAA gro\u00DF. Verfehlt AAA.");
}

TEST(Contrast, OkLabRoundTripsAndMatchesItsReference)
{
    // White is L 1 without chroma; the published primaries.
    const OkLab white = LinearSrgbToOkLab(1, 1, 1);
    EXPECT_NEAR(white.l, 1.0, 1e-4);
    EXPECT_NEAR(white.a, 0.0, 1e-4);
    const OkLab red = LinearSrgbToOkLab(1, 0, 0);
    EXPECT_NEAR(red.l, 0.62796, 1e-4);
    EXPECT_NEAR(red.a, 0.22486, 1e-4);
    EXPECT_NEAR(red.b, 0.12585, 1e-4);
    double r = 0, g = 0, b = 0;
    OkLabToLinearSrgb(LinearSrgbToOkLab(0.2, 0.5, 0.8), r, g, b);
    EXPECT_NEAR(r, 0.2, 1e-6);
    EXPECT_NEAR(g, 0.5, 1e-6);
    EXPECT_NEAR(b, 0.8, 1e-6);
}

struct FixCase {
    const char* name;
    uint32_t edited, other;
    std::optional<uint32_t> fixed;
};

TEST(Contrast, FixMovesOnlyTheLightnessToTheNearestReadableColour)
{
    const FixCase cases[] = {
        {"greys stay grey", 0x777777, 0xFFFFFF, 0x767676},
        {"white on white: darker", 0xFFFFFF, 0xFFFFFF, 0x767676},
        {"green on white keeps its hue", 0x00FF00, 0xFFFFFF, 0x008A00},
        // Lighter blue leaves sRGB at once; its chroma is given up to stay inside.
        {"saturated blue on black", 0xFF0000, 0x000000, 0xFF682D},
        {"tie: darker wins", 0x6F6F6F, 0x757575, 0x020202},
        {"4.5 reached: aims at 7", 0x646464, 0xFFFFFF, 0x595959},
        {"7 cannot be reached", 0xD2D2D2, 0x5A5A5A, std::nullopt},
        {"7 already: nothing to fix", 0x000000, 0xFFFFFF, std::nullopt},
        {"the tag byte plays no part", 0x23777777, 0x01FFFFFF, 0x767676},
    };
    for (const FixCase& c : cases) {
        const std::optional<uint32_t> fixed = FixContrast(c.edited, c.other);
        ASSERT_EQ(fixed.has_value(), c.fixed.has_value()) << c.name;
        if (!fixed)
            continue;
        EXPECT_EQ(FormatHtmlCode(*fixed), FormatHtmlCode(*c.fixed)) << c.name;
        EXPECT_EQ(*fixed >> 24, 0u) << c.name;
        const double before = ContrastRatio(c.edited, c.other);
        EXPECT_GE(ContrastRatio(*fixed, c.other), before < AA_RATIO ? AA_RATIO : AAA_RATIO) << c.name;
    }
}

TEST(Contrast, CssGivesThePairAndItsRatio)
{
    EXPECT_EQ(ContrastCss(0x01ABCDEF, 0x00FFFFFF),
              "color: #EFCDAB;\nbackground-color: #FFFFFF;\n/* contrast 1.50:1 */");
}

}  // namespace
}  // namespace tonik
