#include "color/ColorVision.h"

#include <algorithm>

#include "color/ColorSpaces.h"
#include "color/Contrast.h"

namespace tonik {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// The paper's published matrices for severity 1.0, on linear RGB.
constexpr Matrix PROTANOPIA = {{{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix DEUTERANOPIA = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix TRITANOPIA = {{{1.255528, -0.076749, -0.178779},
                                {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}}};

uint32_t FromLinear(double red, double green, double blue)
{
    auto encode = [](double linear) { return LinearToSrgb(std::clamp(linear, 0.0, 1.0)); };
    return SrgbToColorRef({encode(red), encode(green), encode(blue)});
}

}  // namespace

const char* VisionName(Vision vision)
{
    switch (vision) {
    case Vision::AsItIs: return "As it is";
    case Vision::Protanopia: return "Protanopia";
    case Vision::Deuteranopia: return "Deuteranopia";
    case Vision::Tritanopia: return "Tritanopia";
    case Vision::Achromatopsia: return "Achromatopsia";
    }
    return "";
}

uint32_t SimulateVision(uint32_t color, Vision vision)
{
    color &= 0x00FFFFFFu;
    const Srgb srgb = ColorRefToSrgb(color);
    const std::array<double, 3> linear = {SrgbToLinear(srgb.red), SrgbToLinear(srgb.green), SrgbToLinear(srgb.blue)};
    const Matrix* matrix = nullptr;
    switch (vision) {
    case Vision::AsItIs: return color;
    case Vision::Achromatopsia: {
        const double grey = RelativeLuminance(color);
        return FromLinear(grey, grey, grey);
    }
    case Vision::Protanopia: matrix = &PROTANOPIA; break;
    case Vision::Deuteranopia: matrix = &DEUTERANOPIA; break;
    case Vision::Tritanopia: matrix = &TRITANOPIA; break;
    }
    std::array<double, 3> seen{};
    for (size_t row = 0; row < 3; ++row) {
        for (size_t column = 0; column < 3; ++column)
            seen[row] += (*matrix)[row][column] * linear[column];
    }
    return FromLinear(seen[0], seen[1], seen[2]);
}

VisionPair SeePair(uint32_t text, uint32_t background, Vision vision)
{
    const uint32_t seenText = SimulateVision(text, vision);
    const uint32_t seenBackground = SimulateVision(background, vision);
    return {vision, seenText, seenBackground, ContrastRatio(seenText, seenBackground)};
}

}  // namespace tonik
