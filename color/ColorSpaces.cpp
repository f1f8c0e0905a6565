#include "color/ColorSpaces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tonik {
namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector Multiply(const Matrix& m, const Vector& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The matrices of CSS Color 4: each space's linear light to CIE XYZ of its
// white, D65 to linear sRGB, and Bradford's adaptation from D50 to D65.
constexpr Matrix XYZ_D65_TO_LINEAR_SRGB{{{3.2409699419045226, -1.537383177570094, -0.4986107602930034},
                                         {-0.9692436362808796, 1.8759675015077202, 0.04155505740717559},
                                         {0.05563007969699366, -0.20397695888897652, 1.0569715142428786}}};
constexpr Matrix D50_TO_D65{{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                             {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                             {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
constexpr Matrix LINEAR_SRGB_TO_XYZ_D65{{{0.41239079926595934, 0.357584339383878, 0.1804807884018343},
                                         {0.21263900587151027, 0.715168678767756, 0.07219231536073371},
                                         {0.01933081871559182, 0.11919477979462598, 0.9505321522496607}}};
constexpr Matrix P3_TO_XYZ_D65{{{0.4865709486482162, 0.26566769316909306, 0.1982172852343625},
                                {0.2289745640697488, 0.6917385218365064, 0.079286914093745},
                                {0.0, 0.04511338185890264, 1.043944368900976}}};
constexpr Matrix A98_TO_XYZ_D65{{{0.5766690429101305, 0.1855582379065463, 0.1882286462349947},
                                 {0.29734497525053605, 0.6273635662554661, 0.07529145849399788},
                                 {0.02703136138641234, 0.07068885253582723, 0.9913375368376388}}};
constexpr Matrix PROPHOTO_TO_XYZ_D50{{{0.7977666449006423, 0.13518129740053308, 0.0313477341283922},
                                      {0.2880748288194013, 0.711835234241873, 0.00008993693872564},
                                      {0.0, 0.0, 0.8251046025104602}}};
constexpr Matrix REC2020_TO_XYZ_D65{{{0.6369580483012914, 0.14461690358620832, 0.1688809751641721},
                                     {0.2627002120112671, 0.6779980715188708, 0.05930171646986196},
                                     {0.0, 0.028072693049087428, 1.060985057710791}}};

// A transfer function applied to each channel, keeping its sign.
template <typename Curve>
Vector PerChannel(const Vector& v, Curve curve)
{
    Vector result{};
    for (size_t i = 0; i < 3; ++i)
        result[i] = std::copysign(curve(std::abs(v[i])), v[i]);
    return result;
}

Srgb FromLinear(const Vector& linear)
{
    return {LinearToSrgb(linear[0]), LinearToSrgb(linear[1]), LinearToSrgb(linear[2])};
}

Srgb FromXyzD65(const Vector& xyz)
{
    return FromLinear(Multiply(XYZ_D65_TO_LINEAR_SRGB, xyz));
}

Vector LinearOf(const Srgb& color)
{
    return {SrgbToLinear(color.red), SrgbToLinear(color.green), SrgbToLinear(color.blue)};
}

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

// deltaE OK: the distance of two colours in OKLab.
double DeltaEOk(const OkLab& first, const OkLab& second)
{
    return std::hypot(first.l - second.l, first.a - second.a, first.b - second.b);
}

Srgb Clip(const Srgb& color)
{
    return {std::clamp(color.red, 0.0, 1.0), std::clamp(color.green, 0.0, 1.0), std::clamp(color.blue, 0.0, 1.0)};
}

}  // namespace

// OKLab as CSS Color 4 publishes it (and colorjs.io computes it): through CIE
// XYZ of D65, with the matrices recalculated for its reference white, so that
// Tonik reads and writes oklch() with the numbers CSS readers use.
constexpr Matrix XYZ_TO_LMS{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                             {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                             {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
constexpr Matrix LMS_TO_XYZ{{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                             {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                             {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
constexpr Matrix LMS_TO_OKLAB{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                               {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                               {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
constexpr Matrix OKLAB_TO_LMS{{{1.0, 0.3963377773761749, 0.2158037573099136},
                               {1.0, -0.1055613458156586, -0.0638541728258133},
                               {1.0, -0.0894841775298119, -1.2914855480194092}}};

OkLab LinearSrgbToOkLab(double red, double green, double blue)
{
    const Vector lms = Multiply(XYZ_TO_LMS, Multiply(LINEAR_SRGB_TO_XYZ_D65, {red, green, blue}));
    const Vector lab = Multiply(LMS_TO_OKLAB, {std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2])});
    return {lab[0], lab[1], lab[2]};
}

void OkLabToLinearSrgb(const OkLab& lab, double& red, double& green, double& blue)
{
    const Vector lms = Multiply(OKLAB_TO_LMS, {lab.l, lab.a, lab.b});
    const Vector linear = Multiply(XYZ_D65_TO_LINEAR_SRGB,
                                   Multiply(LMS_TO_XYZ, {lms[0] * lms[0] * lms[0], lms[1] * lms[1] * lms[1],
                                                         lms[2] * lms[2] * lms[2]}));
    red = linear[0];
    green = linear[1];
    blue = linear[2];
}

double SrgbToLinear(double encoded)
{
    const double c = std::abs(encoded);
    return std::copysign(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4), encoded);
}

double LinearToSrgb(double linear)
{
    const double c = std::abs(linear);
    return std::copysign(c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055, linear);
}

Srgb HslToSrgb(double hue, double saturation, double lightness)
{
    hue = std::fmod(std::fmod(hue, 360) + 360, 360);
    auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double a = saturation * std::min(lightness, 1 - lightness);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

Srgb HwbToSrgb(double hue, double whiteness, double blackness)
{
    if (whiteness + blackness >= 1) {
        const double grey = whiteness / (whiteness + blackness);
        return {grey, grey, grey};
    }
    const Srgb pure = HslToSrgb(hue, 1, 0.5);
    const double scale = 1 - whiteness - blackness;
    return {pure.red * scale + whiteness, pure.green * scale + whiteness, pure.blue * scale + whiteness};
}

Srgb LabToSrgb(double l, double a, double b)
{
    constexpr double KAPPA = 24389.0 / 27;
    constexpr double EPSILON = 216.0 / 24389;
    constexpr Vector D50{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
    const double f1 = (l + 16) / 116;
    const double f0 = a / 500 + f1;
    const double f2 = f1 - b / 200;
    const Vector xyz{(std::pow(f0, 3) > EPSILON ? std::pow(f0, 3) : (116 * f0 - 16) / KAPPA) * D50[0],
                     l > KAPPA * EPSILON ? std::pow(f1, 3) : l / KAPPA,
                     (std::pow(f2, 3) > EPSILON ? std::pow(f2, 3) : (116 * f2 - 16) / KAPPA) * D50[2]};
    return FromXyzD65(Multiply(D50_TO_D65, xyz));
}

Srgb LchToSrgb(double l, double chroma, double hue)
{
    return LabToSrgb(l, chroma * std::cos(Radians(hue)), chroma * std::sin(Radians(hue)));
}

Srgb OkLabToSrgb(const OkLab& lab)
{
    Vector linear{};
    OkLabToLinearSrgb(lab, linear[0], linear[1], linear[2]);
    return FromLinear(linear);
}

Srgb OkLchToSrgb(double l, double chroma, double hue)
{
    return OkLabToSrgb({l, chroma * std::cos(Radians(hue)), chroma * std::sin(Radians(hue))});
}

Srgb PredefinedToSrgb(RgbSpace space, double c1, double c2, double c3)
{
    const Vector v{c1, c2, c3};
    switch (space) {
    case RgbSpace::Srgb: return {c1, c2, c3};
    case RgbSpace::SrgbLinear: return FromLinear(v);
    case RgbSpace::DisplayP3: {
        const Srgb encoded{c1, c2, c3};
        return FromXyzD65(Multiply(P3_TO_XYZ_D65, LinearOf(encoded)));
    }
    case RgbSpace::A98Rgb:
        return FromXyzD65(Multiply(A98_TO_XYZ_D65, PerChannel(v, [](double c) { return std::pow(c, 563.0 / 256); })));
    case RgbSpace::ProphotoRgb: {
        const Vector linear = PerChannel(v, [](double c) { return c <= 16.0 / 512 ? c / 16 : std::pow(c, 1.8); });
        return FromXyzD65(Multiply(D50_TO_D65, Multiply(PROPHOTO_TO_XYZ_D50, linear)));
    }
    case RgbSpace::Rec2020:
        // The reference display's gamma of 2.4 (BT.1886), as CSS Color 4 has it now.
        return FromXyzD65(Multiply(REC2020_TO_XYZ_D65, PerChannel(v, [](double c) { return std::pow(c, 2.4); })));
    case RgbSpace::XyzD65: return FromXyzD65(v);
    case RgbSpace::XyzD50: return FromXyzD65(Multiply(D50_TO_D65, v));
    }
    return {c1, c2, c3};
}

void SrgbToHsl(const Srgb& color, double& hue, double& saturation, double& lightness)
{
    const double high = std::max({color.red, color.green, color.blue});
    const double low = std::min({color.red, color.green, color.blue});
    const double range = high - low;
    lightness = (high + low) / 2;
    hue = 0;
    saturation = 0;
    if (range <= 0)
        return;
    saturation = lightness == 0 || lightness == 1 ? 0 : (high - lightness) / std::min(lightness, 1 - lightness);
    if (high == color.red)
        hue = (color.green - color.blue) / range + (color.green < color.blue ? 6 : 0);
    else if (high == color.green)
        hue = (color.blue - color.red) / range + 2;
    else
        hue = (color.red - color.green) / range + 4;
    hue *= 60;
}

OkLab SrgbToOkLab(const Srgb& color)
{
    const Vector linear = LinearOf(color);
    return LinearSrgbToOkLab(linear[0], linear[1], linear[2]);
}

bool InSrgbGamut(const Srgb& color)
{
    // A hair's slack for the rounding of the conversions themselves.
    constexpr double SLACK = 1e-9;
    return std::min({color.red, color.green, color.blue}) >= -SLACK &&
           std::max({color.red, color.green, color.blue}) <= 1 + SLACK;
}

Srgb MapIntoSrgbGamut(const Srgb& color)
{
    // Lightness at its ends is white or black, whatever the chroma; the
    // allowance covers the round trip from OKLab through sRGB.
    constexpr double LIGHTNESS_SLACK = 1e-7;
    const OkLab origin = SrgbToOkLab(color);
    if (origin.l >= 1 - LIGHTNESS_SLACK)
        return {1, 1, 1};
    if (origin.l <= LIGHTNESS_SLACK)
        return {0, 0, 0};
    if (InSrgbGamut(color))
        return color;
    constexpr double JND = 0.02;
    constexpr double EPSILON = 0.0001;
    const double chroma = std::hypot(origin.a, origin.b);
    const double cosHue = chroma > 0 ? origin.a / chroma : 1;
    const double sinHue = chroma > 0 ? origin.b / chroma : 0;
    auto withChroma = [&](double c) { return OkLab{origin.l, c * cosHue, c * sinHue}; };
    Srgb clipped = Clip(color);
    if (DeltaEOk(SrgbToOkLab(clipped), origin) < JND)
        return clipped;
    double low = 0;
    double high = chroma;
    bool lowInGamut = true;
    while (high - low > EPSILON) {
        const double middle = (low + high) / 2;
        const OkLab current = withChroma(middle);
        const Srgb currentSrgb = OkLabToSrgb(current);
        if (lowInGamut && InSrgbGamut(currentSrgb)) {
            low = middle;
            continue;
        }
        clipped = Clip(currentSrgb);
        const double distance = DeltaEOk(SrgbToOkLab(clipped), current);
        if (distance < JND) {
            if (JND - distance < EPSILON)
                return clipped;
            lowInGamut = false;
            low = middle;
        } else {
            high = middle;
        }
    }
    return clipped;
}

uint32_t SrgbToColorRef(const Srgb& color)
{
    auto byte = [](double c) { return std::isnan(c) ? 0u : uint32_t(std::floor(std::clamp(c, 0.0, 1.0) * 255 + 0.5)); };
    return byte(color.red) | byte(color.green) << 8 | byte(color.blue) << 16;
}

Srgb ColorRefToSrgb(uint32_t color)
{
    return {(color & 0xFF) / 255.0, (color >> 8 & 0xFF) / 255.0, (color >> 16 & 0xFF) / 255.0};
}

}  // namespace tonik
