#include "color/CssColor.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>


namespace tonik {
namespace {

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\n\f");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n\f") - first + 1);
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return lower;
}

// One component of a colour function: a number, a percentage, an angle (in
// degrees) or the keyword none.
struct Component {
    enum Kind { Number, Percent, Angle, None } kind = Number;
    double value = 0;
};

bool IsDigit(std::string_view text, size_t at)
{
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

size_t SkipDigits(std::string_view text, size_t at)
{
    while (IsDigit(text, at))
        ++at;
    return at;
}

// The length of the CSS number at the start of text, 0 when none is there:
// [+-]? (digits | digits? "." digits) ([eE] [+-]? digits)?
size_t NumberLength(std::string_view text)
{
    const size_t start = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    size_t at = SkipDigits(text, start);
    if (at < text.size() && text[at] == '.' && IsDigit(text, at + 1))
        at = SkipDigits(text, at + 1);
    if (at == start)
        return 0;  // no digit at all
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        const size_t sign = at + 1 < text.size() && (text[at + 1] == '+' || text[at + 1] == '-') ? 1 : 0;
        if (IsDigit(text, at + 1 + sign))
            at = SkipDigits(text, at + 1 + sign);
    }
    return at;
}

bool ParseComponent(std::string_view token, Component& component)
{
    if (token == "none") {
        component = {Component::None, 0};
        return true;
    }
    // CSS's number: a sign, digits with a point only before more digits, and
    // an exponent; from_chars alone would take "1.", "+-5", "inf" and "nan".
    const size_t length = NumberLength(token);
    if (length == 0)
        return false;
    const std::string_view digits = token.substr(token.front() == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), token.data() + length, value);
    if (error != std::errc() || end != token.data() + length || !std::isfinite(value))
        return false;
    const std::string_view unit = token.substr(length);
    constexpr std::pair<std::string_view, double> ANGLES[] = {
        {"deg", 1}, {"grad", 0.9}, {"rad", 180 / std::numbers::pi}, {"turn", 360}};
    if (unit.empty()) {
        component = {Component::Number, value};
        return true;
    }
    if (unit == "%") {
        component = {Component::Percent, value};
        return true;
    }
    for (const auto& [name, degrees] : ANGLES) {
        if (unit == name) {
            component = {Component::Angle, value * degrees};
            return std::isfinite(component.value);
        }
    }
    return false;
}

// The arguments of a colour function: components, whether commas separated
// them (the legacy syntax) and the alpha after "/" or a fourth comma.
struct Arguments {
    std::vector<std::string_view> tokens;
    bool commas = false;
    std::optional<std::string_view> alpha;
};

bool SplitArguments(std::string_view inside, Arguments& arguments)
{
    std::vector<std::string_view> tokens;
    size_t commas = 0;
    size_t slashAt = std::string_view::npos;  // the number of tokens before "/"
    size_t start = std::string_view::npos;
    bool separated = true;  // no token since the last comma or slash
    for (size_t i = 0; i <= inside.size(); ++i) {
        const char c = i < inside.size() ? inside[i] : ' ';
        const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
        if (space || c == ',' || c == '/') {
            if (start != std::string_view::npos) {
                tokens.push_back(inside.substr(start, i - start));
                start = std::string_view::npos;
                separated = false;
            }
            if (c == ',' || c == '/') {
                if (separated || (c == '/' && slashAt != std::string_view::npos))
                    return false;  // an empty argument, or two slashes
                separated = true;
                if (c == ',')
                    ++commas;
                else
                    slashAt = tokens.size();
            }
        } else if (start == std::string_view::npos) {
            start = i;
        }
    }
    if (separated && (commas > 0 || slashAt != std::string_view::npos))
        return false;  // a trailing separator
    arguments.commas = commas > 0;
    if (arguments.commas) {
        if (slashAt != std::string_view::npos || commas + 1 != tokens.size() || tokens.size() < 3 || tokens.size() > 4)
            return false;
        // The legacy syntax has no none, for any channel, hue or alpha.
        if (std::find(tokens.begin(), tokens.end(), "none") != tokens.end())
            return false;
    } else if (slashAt != std::string_view::npos) {
        if (slashAt + 1 != tokens.size())
            return false;
    }
    if ((arguments.commas && tokens.size() == 4) || slashAt != std::string_view::npos) {
        arguments.alpha = tokens.back();
        tokens.pop_back();
    }
    arguments.tokens = std::move(tokens);
    return true;
}

bool ReadAlpha(const std::optional<std::string_view>& token, double& alpha)
{
    alpha = 1;
    if (!token)
        return true;
    Component c;
    if (!ParseComponent(*token, c) || c.kind == Component::Angle)
        return false;
    alpha = std::clamp(c.kind == Component::Percent ? c.value / 100 : c.value, 0.0, 1.0);
    return true;
}

// A component as a number, a percentage of reference counting as the number
// it stands for; none is 0. Angles are not numbers.
bool Scaled(std::string_view token, double reference, double& value)
{
    Component c;
    if (!ParseComponent(token, c) || c.kind == Component::Angle)
        return false;
    value = c.kind == Component::Percent ? c.value * reference / 100 : c.value;
    return true;
}

bool Hue(std::string_view token, double& degrees)
{
    Component c;
    if (!ParseComponent(token, c) || c.kind == Component::Percent)
        return false;
    degrees = c.value;
    return true;
}

bool Rgb(const Arguments& args, Srgb& color)
{
    std::array<Component, 3> c{};
    for (size_t i = 0; i < 3; ++i) {
        if (!ParseComponent(args.tokens[i], c[i]) || c[i].kind == Component::Angle)
            return false;
    }
    // The legacy syntax takes three numbers or three percentages.
    if (args.commas && (c[0].kind != c[1].kind || c[1].kind != c[2].kind))
        return false;
    std::array<double, 3> v{};
    for (size_t i = 0; i < 3; ++i)
        v[i] = std::clamp(c[i].kind == Component::Percent ? c[i].value / 100 : c[i].value / 255, 0.0, 1.0);
    color = {v[0], v[1], v[2]};
    return true;
}

// hsl() and hwb(): a hue and two percentages (numbers, too, in the modern syntax).
bool HueAndPercentages(const Arguments& args, double& hue, double& first, double& second)
{
    Component c1;
    Component c2;
    if (!Hue(args.tokens[0], hue) || !ParseComponent(args.tokens[1], c1) || !ParseComponent(args.tokens[2], c2))
        return false;
    for (const Component* c : {&c1, &c2}) {
        if (c->kind == Component::Angle || (args.commas && c->kind != Component::Percent))
            return false;
    }
    first = std::clamp(c1.value / 100, 0.0, 1.0);
    second = std::clamp(c2.value / 100, 0.0, 1.0);
    return true;
}

std::optional<RgbSpace> PredefinedSpace(std::string_view name)
{
    constexpr std::pair<std::string_view, RgbSpace> SPACES[] = {
        {"srgb", RgbSpace::Srgb},        {"srgb-linear", RgbSpace::SrgbLinear},
        {"display-p3", RgbSpace::DisplayP3}, {"a98-rgb", RgbSpace::A98Rgb},
        {"prophoto-rgb", RgbSpace::ProphotoRgb}, {"rec2020", RgbSpace::Rec2020},
        {"xyz", RgbSpace::XyzD65},       {"xyz-d65", RgbSpace::XyzD65},
        {"xyz-d50", RgbSpace::XyzD50},
    };
    for (const auto& [spaceName, space] : SPACES) {
        if (name == spaceName)
            return space;
    }
    return std::nullopt;
}

bool ColorFunction(const std::string& name, Arguments& args, CssColor& color)
{
    const bool legacyAllowed = name == "rgb" || name == "rgba" || name == "hsl" || name == "hsla";
    if (args.commas && !legacyAllowed)
        return false;
    std::optional<RgbSpace> space;
    if (name == "color") {
        if (args.tokens.empty() || !(space = PredefinedSpace(args.tokens.front())))
            return false;
        args.tokens.erase(args.tokens.begin());
    }
    if (args.tokens.size() != 3 || !ReadAlpha(args.alpha, color.alpha))
        return false;
    const auto& t = args.tokens;
    double a = 0;
    double b = 0;
    double c = 0;
    if (name == "rgb" || name == "rgba")
        return Rgb(args, color.srgb);
    if (name == "hsl" || name == "hsla" || name == "hwb") {
        if (!HueAndPercentages(args, a, b, c))
            return false;
        color.srgb = name == "hwb" ? HwbToSrgb(a, b, c) : HslToSrgb(a, b, c);
        return true;
    }
    if (name == "lab" || name == "oklab" || name == "lch" || name == "oklch") {
        const bool ok = name.front() == 'o';
        const bool polar = name.back() == 'h';
        const double lightnessMax = ok ? 1 : 100;
        const double axis = ok ? 0.4 : polar ? 150 : 125;
        if (!Scaled(t[0], lightnessMax, a) || !Scaled(t[1], axis, b) || !(polar ? Hue(t[2], c) : Scaled(t[2], axis, c)))
            return false;
        a = std::clamp(a, 0.0, lightnessMax);
        if (polar)
            b = std::max(b, 0.0);
        color.srgb = ok ? (polar ? OkLchToSrgb(a, b, c) : OkLabToSrgb({a, b, c}))
                        : (polar ? LchToSrgb(a, b, c) : LabToSrgb(a, b, c));
        return true;
    }
    if (space) {
        if (!Scaled(t[0], 1, a) || !Scaled(t[1], 1, b) || !Scaled(t[2], 1, c))
            return false;
        color.srgb = PredefinedToSrgb(*space, a, b, c);
        return true;
    }
    return false;
}

bool HexColor(std::string_view digits, CssColor& color)
{
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8)
        return false;
    std::array<double, 4> channels{0, 0, 0, 255};
    const size_t width = digits.size() <= 4 ? 1 : 2;
    for (size_t i = 0; i * width < digits.size(); ++i) {
        unsigned value = 0;
        const char* first = digits.data() + i * width;
        const auto [end, error] = std::from_chars(first, first + width, value, 16);
        if (error != std::errc() || end != first + width)
            return false;
        channels[i] = width == 1 ? value * 17 : value;
    }
    color = {{channels[0] / 255, channels[1] / 255, channels[2] / 255}, channels[3] / 255};
    return true;
}

}  // namespace

std::optional<CssColor> ParseCssColor(std::string_view text)
{
    std::string_view value = Trim(text);
    if (!value.empty() && value.back() == ';')
        value = Trim(value.substr(0, value.size() - 1));
    const std::string lower = Lower(value);
    CssColor color;
    if (!lower.empty() && lower.front() == '#')
        return HexColor(std::string_view(lower).substr(1), color) ? std::optional(color) : std::nullopt;
    if (const size_t open = lower.find('('); open != std::string::npos) {
        Arguments args;
        // Numbers so large that the conversion overflows name no colour.
        if (lower.back() != ')' ||
            !SplitArguments(std::string_view(lower).substr(open + 1, lower.size() - open - 2), args) ||
            !ColorFunction(lower.substr(0, open), args, color) || !std::isfinite(color.srgb.red) ||
            !std::isfinite(color.srgb.green) || !std::isfinite(color.srgb.blue))
            return std::nullopt;
        return color;
    }
    if (lower == "transparent")
        return CssColor{{0, 0, 0}, 0};
    if (const std::optional<uint32_t> rgb = NamedColor(lower))
        return CssColor{{(*rgb >> 16) / 255.0, (*rgb >> 8 & 0xFF) / 255.0, (*rgb & 0xFF) / 255.0}, 1};
    return std::nullopt;
}

std::optional<CssPaste> ParseCssPaste(std::string_view text)
{
    // Comments go, as CSS reads them; what is left is declarations or one colour.
    std::string plain;
    for (size_t i = 0; i < text.size();) {
        if (text.substr(i, 2) == "/*") {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string_view::npos ? text.size() : end + 2;
            plain += ' ';
        } else {
            plain += text[i++];
        }
    }
    std::vector<std::string_view> pieces;
    for (size_t start = 0; start <= plain.size();) {
        const size_t end = std::min(plain.find(';', start), plain.size());
        if (const std::string_view piece = Trim(std::string_view(plain).substr(start, end - start)); !piece.empty())
            pieces.push_back(piece);
        start = end + 1;
    }
    CssPaste paste;
    if (pieces.size() == 1 && pieces.front().find(':') == std::string_view::npos) {
        paste.edited = ParseCssColor(pieces.front());
        return paste.edited ? std::optional(paste) : std::nullopt;
    }
    for (const std::string_view piece : pieces) {
        const size_t colon = piece.find(':');
        if (colon == std::string_view::npos)
            return std::nullopt;
        const std::string property = Lower(Trim(piece.substr(0, colon)));
        std::optional<CssColor>& slot = property == "color" ? paste.text
                                        : property == "background-color" || property == "background" ? paste.background
                                                                                                       : paste.edited;
        if (&slot == &paste.edited || slot)
            return std::nullopt;  // another property, or one named twice
        if (!(slot = ParseCssColor(piece.substr(colon + 1))))
            return std::nullopt;
    }
    if (paste.text.has_value() != paste.background.has_value()) {
        paste.edited = paste.text ? paste.text : paste.background;
        paste.property = Lower(Trim(pieces.front().substr(0, pieces.front().find(':'))));
        paste.text = paste.background = std::nullopt;
    }
    return paste.edited || paste.text ? std::optional(paste) : std::nullopt;
}

uint32_t SeenColor(const CssColor& color, uint32_t beneath)
{
    const Srgb mapped = MapIntoSrgbGamut(color.srgb);
    if (color.alpha >= 1)
        return SrgbToColorRef(mapped);
    const Srgb under = ColorRefToSrgb(beneath);
    const double a = std::clamp(color.alpha, 0.0, 1.0);
    return SrgbToColorRef({mapped.red * a + under.red * (1 - a), mapped.green * a + under.green * (1 - a),
                           mapped.blue * a + under.blue * (1 - a)});
}

SeenPair SeenColors(const CssColor& text, const CssColor& background)
{
    const uint32_t seenBackground = SeenColor(background, PAGE_WHITE);
    return {SeenColor(text, seenBackground), seenBackground};
}

}  // namespace tonik
