// The HTML colour code: "#" and six upper-case hexadecimal digits, red first.
#pragma once

#include <cstdint>
#include <string>

namespace tonik {

// "#RRGGBB" of the low 24 bits of a colour value 0x00BBGGRR.
std::string FormatHtmlCode(uint32_t color);

// Reads typed text as one hexadecimal number after dropping every character
// that is not a hexadecimal digit. False when no digit is left or the number
// exceeds 32 bits. The value is right-aligned: "#F" is blue 0x0F.
bool ParseHtmlCode(const std::string& text, uint32_t& value);

// color with its red, green and blue bytes taken from a parsed code value
// 0xRRGGBB (bits above 24 ignored); the top byte of color stays.
uint32_t ApplyHtmlValue(uint32_t color, uint32_t value);

// Each channel rounded to the nearest multiple of 51; the top byte stays.
uint32_t SnapToWebSafe(uint32_t color);

}  // namespace tonik
