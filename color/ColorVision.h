// The pair as readers with a colour-vision deficiency see it: Machado,
// Oliveira and Fernandes (2009), "A Physiologically-based Model for
// Simulation of Color Vision Deficiency", severity 1.0, applied to linear
// sRGB; achromatopsia as the colour's relative luminance in grey. A
// simulation is an approximation of what one reader sees.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tonik {

enum class Vision { AsItIs, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

inline constexpr std::array<Vision, 5> VISIONS = {Vision::AsItIs, Vision::Protanopia, Vision::Deuteranopia,
                                                  Vision::Tritanopia, Vision::Achromatopsia};

// "As it is", "Protanopia", ...
const char* VisionName(Vision vision);

// The colour (0x00BBGGRR) as seen with the vision: the model's matrix on the
// linear channels, clamped to [0, 1], encoded back to sRGB and rounded.
uint32_t SimulateVision(uint32_t color, Vision vision);

// One vision's view of a pair: the two simulated colours and their contrast.
struct VisionPair {
    Vision vision;
    uint32_t text;
    uint32_t background;
    double ratio;
};
VisionPair SeePair(uint32_t text, uint32_t background, Vision vision);

}  // namespace tonik
