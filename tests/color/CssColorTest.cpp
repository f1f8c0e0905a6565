#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "color/Contrast.h"
#include "color/CssColor.h"
#include "color/HtmlCode.h"
#include "tests/color/Fixtures.h"

namespace tonik {
namespace {

TEST(CssColor, EverySyntaxReadsAsTheReferenceReadsIt)
{
    const auto rows = Fixture("css_colors.tsv");
    ASSERT_GT(rows.size(), 70u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 7u);
        const std::optional<CssColor> color = ParseCssColor(row[0]);
        ASSERT_TRUE(color) << row[0];
        const Srgb reference{std::stod(row[1]), std::stod(row[2]), std::stod(row[3])};
        ExpectNear(SrgbToColorRef(MapIntoSrgbGamut(color->srgb)), SrgbToColorRef(reference), row[0]);
        EXPECT_NEAR(color->alpha, std::stod(row[4]), 1e-6) << row[0];
        ExpectNear(SeenColor(*color, Code("#336699")), Code(row[5]), row[0] + " over #336699");
        ExpectNear(SeenColor(*color, 0xFFFFFF), Code(row[6]), row[0] + " over white");
    }
}

// The numbers of a text, each with its count of decimals.
std::vector<std::pair<double, size_t>> Numbers(const std::string& text)
{
    std::vector<std::pair<double, size_t>> numbers;
    for (size_t i = 0; i < text.size();) {
        const size_t end = text.find_first_not_of("0123456789.", i);
        if (end != i && std::isdigit(static_cast<unsigned char>(text[i]))) {
            const std::string number = text.substr(i, end - i);
            const size_t point = number.find('.');
            numbers.emplace_back(std::stod(number), point == std::string::npos ? 0 : number.size() - point - 1);
            i = end;
        } else {
            ++i;
        }
    }
    return numbers;
}

// The reference's text, or one with the same decimals whose numbers differ
// by one in their last decimal at most: a number the reference computes a
// hair above a tie of the last digit may round the other way.
void ExpectSameText(const std::string& got, const std::string& expected)
{
    if (got == expected)
        return;
    const auto a = Numbers(got);
    const auto b = Numbers(expected);
    ASSERT_EQ(a.size(), b.size()) << got << " for " << expected;
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].second, b[i].second) << got << " for " << expected;
        EXPECT_LE(std::abs(a[i].first - b[i].first), std::pow(10.0, -double(a[i].second)) + 1e-9)
            << got << " for " << expected;
    }
}

TEST(CssColor, CopyAsWritesWhatTheReferenceReadsBack)
{
    const auto rows = Fixture("copy_as.tsv");
    ASSERT_GT(rows.size(), 1000u);
    for (const auto& row : rows) {
        const uint32_t color = Code(row[0]);
        EXPECT_EQ(FormatCssColor(color, CssFormat::Hex), row[0]);
        EXPECT_EQ(FormatCssColor(color, CssFormat::Rgb), row[1]);
        ExpectSameText(FormatCssColor(color, CssFormat::Hsl), row[2]);
        ExpectSameText(FormatCssColor(color, CssFormat::OkLch), row[3]);
    }
}

TEST(CssColor, AnythingElseIsNoColour)
{
    const std::string bad[] = {
        "", " ", "#", "#12", "#12345", "#1234567", "#ggg", "red blue", "notacolor", "currentcolor",
        "rgb(1, 2)", "rgb(1 2 3 4)", "rgb(1, 2 3)", "rgb(1, 2, 3,)", "rgb(10%, 2, 3)", "rgb(none, 2, 3)",
        "rgb(1 2 3 / )", "rgb(1 2 3 / 1 / 1)", "rgb(10deg 2 3)", "rgb(inf 0 0)", "rgb(nan 0 0)", "rgb(1 2 3",
        "rgb(1 2 3) x", "rgb(1px 2 3)", "lab(89 1" + std::string(120, '7') + "% -48%)", "rgb(--1 2 3)", "hsl(10, 20, 30)", "hsl(10% 20% 30%)", "lab(50, 20, 30)",
        "oklch(0.5 0.1)", "color(foo 1 2 3)", "color(srgb 1 2)", "color(1 2 3)", "hwb(10 20% 30%,)", "(1 2 3)",
        std::string(1 << 20, '('), "rgb(" + std::string(100000, '1') + " 0 0)", "#36c;;",
        // CSS's numbers and none: no double sign, no point without digits after it, no none in commas.
        "rgb(+-5 0 0)", "rgb(-+5 0 0)", "rgb(1. 2 3)", "rgb(. 2 3)", "rgb(1e 2 3)", "rgb(1.e2 2 3)", "rgb(+ 2 3)",
        "rgba(255, 0, 0, none)", "rgb(0, none, 0)", "hsl(none, 50%, 50%)", "hsla(0, 50%, 50%, none)",
    };
    for (const std::string& text : bad)
        EXPECT_FALSE(ParseCssColor(text)) << text.substr(0, 40);
}

TEST(CssColor, PastedTextNamesOneColourOrThePair)
{
    struct Case {
        const char* text;
        const char* edited;
        const char* foreground;
        const char* background;
    };
    const Case cases[] = {
        {"  #36c ;\n", "#3366CC", "", ""},
        {"color: rebeccapurple;", "#663399", "", ""},
        {"background-color:hsl(0 100% 50%)", "#FF0000", "", ""},
        {"color: #FFFFFF;\nbackground-color: #800000;\n/* contrast 10.94:1 */", "", "#FFFFFF", "#800000"},
        {"COLOR : red ; /* a; b */ background: blue", "", "#FF0000", "#0000FF"},
        {"font-size: 12px", nullptr, "", ""},
        {"color: red; color: blue", nullptr, "", ""},
        {"color: red; font-size: 12px", nullptr, "", ""},
        {"red; blue", nullptr, "", ""},
        {"/* only a comment */", nullptr, "", ""},
    };
    auto code = [](const std::optional<CssColor>& color) {
        return color ? FormatHtmlCode(SeenColor(*color, 0xFFFFFF)) : std::string();
    };
    for (const Case& c : cases) {
        const std::optional<CssPaste> paste = ParseCssPaste(c.text);
        ASSERT_EQ(paste.has_value(), c.edited != nullptr) << c.text;
        if (!paste)
            continue;
        EXPECT_EQ(code(paste->edited), c.edited) << c.text;
        EXPECT_EQ(code(paste->text), c.foreground) << c.text;
        EXPECT_EQ(code(paste->background), c.background) << c.text;
    }
}

}  // namespace
}  // namespace tonik
