// The colour spaces of CSS Color 4 and the roads between them and sRGB: one
// set of conversions for the contrast's Fix, Copy As, Paste Colour and the
// command line alike. Pure functions, no Qt.
#pragma once

#include <cstdint>

namespace tonik {

// sRGB coordinates, gamma-encoded, 0 to 1 inside the gamut; a colour of a
// wider space may lie outside until it is mapped in.
struct Srgb {
    double red, green, blue;
};

// OKLab (Björn Ottosson) of a colour's linear sRGB channels, and back.
struct OkLab {
    double l, a, b;
};
OkLab LinearSrgbToOkLab(double red, double green, double blue);
void OkLabToLinearSrgb(const OkLab& lab, double& red, double& green, double& blue);

// The sRGB transfer function, extended to negative values by symmetry.
double SrgbToLinear(double encoded);
double LinearToSrgb(double linear);

// Hue in degrees, other coordinates as CSS writes them with numbers:
// saturation, lightness, whiteness and blackness 0 to 1; Lab and LCH (D50)
// with L 0 to 100; OKLab and OKLCH with L 0 to 1.
Srgb HslToSrgb(double hue, double saturation, double lightness);
Srgb HwbToSrgb(double hue, double whiteness, double blackness);
Srgb LabToSrgb(double l, double a, double b);
Srgb LchToSrgb(double l, double chroma, double hue);
Srgb OkLabToSrgb(const OkLab& lab);
Srgb OkLchToSrgb(double l, double chroma, double hue);

// The predefined spaces of color().
enum class RgbSpace { Srgb, SrgbLinear, DisplayP3, A98Rgb, ProphotoRgb, Rec2020, XyzD65, XyzD50 };
Srgb PredefinedToSrgb(RgbSpace space, double c1, double c2, double c3);

// From sRGB, for Copy As: hue in degrees (0 for a grey), the rest as above.
void SrgbToHsl(const Srgb& color, double& hue, double& saturation, double& lightness);
OkLab SrgbToOkLab(const Srgb& color);

bool InSrgbGamut(const Srgb& color);
// CSS Color 4's gamut mapping: in OKLCH, the chroma is lowered until the
// clipped colour lies within a just-noticeable difference (deltaE OK 0.02).
Srgb MapIntoSrgbGamut(const Srgb& color);

// An sRGB colour in the gamut as 0x00BBGGRR, each channel rounded half up.
uint32_t SrgbToColorRef(const Srgb& color);
Srgb ColorRefToSrgb(uint32_t color);

}  // namespace tonik
