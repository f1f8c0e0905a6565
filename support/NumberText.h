// Number text: integers to and from text, and printf-style formatting.
// Every function is pure and may be called from any thread.
#pragma once

#include <cstdint>
#include <string>

namespace tonik {

// Radix selectors of ParseUInt and ParseInt besides a plain radix.
constexpr unsigned RADIX_AUTO = 1;

// True for backspace, tab, line feed, vertical tab, carriage return and space.
bool IsBlank(char ch);

// Index of ch in set; -1 when ch is NUL, set is null or ch is not in it.
int FindCharIndex(char ch, const char* set);

// Characters before the terminator, at most limit; 0 for a null string.
unsigned BoundedLength(const char* text, unsigned limit);

// Reads an unsigned 32-bit number, surrounded by blanks at most. Selector 1 picks
// the radix from the prefix (0x, 0b, 0, none); 2, 8, 10 and 16 are those radixes
// (16 without a prefix); any other value is the radix itself. Returns false and
// leaves out alone on any bad input.
bool ParseUInt(const char* text, uint32_t& out, unsigned radixSelector);

// As ParseUInt, with one optional '+' or '-' before the number.
bool ParseInt(const char* text, int32_t& out, unsigned radixSelector);

std::string RepeatChar(unsigned count, char fill);

// Pads text with fill to |width|: in front when width > 0, behind when width < 0.
std::string PadText(const std::string& text, int width, char fill);

// Digits of value in radix 2..36, upper case, then PadText. An invalid radix
// gives no digits.
std::string UIntToText(uint32_t value, unsigned radix, int width, char fill);

// vsnprintf into a new string; the result is always complete.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tonik
