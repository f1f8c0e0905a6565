#include "support/NumberText.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tonik {
namespace {

const char DECIMAL_DIGITS[] = "0123456789";
const char OCTAL_DIGITS[] = "01234567";
const char HEX_DIGITS[] = "0123456789ABCDEFabcdef";
const char RADIX_ALPHABET[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr uint32_t MAX_U32 = 4294967295u;

enum class ParseState { Start, LeadingZero, Decimal, Octal, Hex, Base2, Radix, Trailing };

int HexDigitValue(char ch)
{
    const int index = FindCharIndex(ch, HEX_DIGITS);
    return index < 16 ? index : index - 6;
}

char ToUpperAscii(char ch)
{
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

ParseState StateForSelector(unsigned selector)
{
    switch (selector) {
    case 2: return ParseState::Base2;
    case 8: return ParseState::Octal;
    case 10: return ParseState::Decimal;
    case 16: return ParseState::Hex;
    default: return ParseState::Radix;
    }
}

}  // namespace

bool IsBlank(char ch)
{
    return ch == '\b' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\r' || ch == ' ';
}

int FindCharIndex(char ch, const char* set)
{
    if (ch == '\0' || set == nullptr)
        return -1;
    const char* hit = std::strchr(set, ch);
    return hit ? static_cast<int>(hit - set) : -1;
}

unsigned BoundedLength(const char* text, unsigned limit)
{
    if (text == nullptr)
        return 0;
    unsigned n = 0;
    while (n < limit && text[n] != '\0')
        ++n;
    return n;
}

bool ParseUInt(const char* text, uint32_t& out, unsigned radixSelector)
{
    if (text == nullptr)
        return false;
    ParseState state = ParseState::Start;
    uint32_t v = 0;
    for (const char* p = text;; ++p) {
        const char ch = *p;
        const bool end = ch == '\0';
        const bool blank = IsBlank(ch);
        if (state == ParseState::Start) {
            if (end)
                return false;
            if (blank)
                continue;
            if (radixSelector == RADIX_AUTO) {
                if (ch == '0') {
                    state = ParseState::LeadingZero;
                    continue;
                }
                if (FindCharIndex(ch, DECIMAL_DIGITS) < 0)
                    return false;
                state = ParseState::Decimal;
            } else {
                state = StateForSelector(radixSelector);
            }
            // The character is treated again in the state just entered.
        } else if (state == ParseState::LeadingZero) {
            if (end)
                break;
            if (blank) {
                state = ParseState::Trailing;
                continue;
            }
            const char upper = ToUpperAscii(ch);
            if (upper == 'X') {
                state = ParseState::Hex;
                continue;
            }
            if (upper == 'B') {
                state = ParseState::Base2;
                continue;
            }
            state = ParseState::Octal;
        }
        if (state == ParseState::Trailing) {
            if (end)
                break;
            if (!blank)
                return false;
            continue;
        }
        if (end)
            break;
        if (blank) {
            state = ParseState::Trailing;
            continue;
        }
        switch (state) {
        case ParseState::Decimal: {
            const int d = FindCharIndex(ch, DECIMAL_DIGITS);
            if (d < 0)
                return false;
            const uint64_t next = uint64_t{v} * 10 + static_cast<unsigned>(d);
            if (next > MAX_U32)
                return false;
            v = static_cast<uint32_t>(next);
            break;
        }
        case ParseState::Octal: {
            const int d = FindCharIndex(ch, OCTAL_DIGITS);
            if (d < 0 || v >= (1u << 29))
                return false;
            v = v * 8 + static_cast<unsigned>(d);
            break;
        }
        case ParseState::Hex: {
            if (FindCharIndex(ch, HEX_DIGITS) < 0 || v >= (1u << 28))
                return false;
            v = v * 16 + static_cast<unsigned>(HexDigitValue(ch));
            break;
        }
        case ParseState::Base2:
            if (v >= (1u << 31) || (ch != '0' && ch != '1'))
                return false;
            v = v * 2 + (ch == '1' ? 1 : 0);
            break;
        case ParseState::Radix: {
            // The checks run in this order so that a radix of 0 never divides.
            const uint32_t r = radixSelector;
            const int d = FindCharIndex(ToUpperAscii(ch), RADIX_ALPHABET);
            if (d < 0 || static_cast<uint32_t>(d) >= r || v > MAX_U32 / r || MAX_U32 - v * r < r)
                return false;
            v = v * r + static_cast<uint32_t>(d);
            break;
        }
        default:
            return false;
        }
    }
    out = v;
    return true;
}

bool ParseInt(const char* text, int32_t& out, unsigned radixSelector)
{
    if (text == nullptr)
        return false;
    const char* p = text;
    while (IsBlank(*p))
        ++p;
    if (*p == '\0')
        return false;
    bool negative = false;
    if (*p == '+') {
        ++p;
    } else if (*p == '-') {
        negative = true;
        ++p;
    }
    uint32_t v = 0;
    if (!ParseUInt(p, v, radixSelector))
        return false;
    out = static_cast<int32_t>(negative ? 0u - v : v);
    return true;
}

std::string RepeatChar(unsigned count, char fill)
{
    return std::string(count, fill);
}

std::string PadText(const std::string& text, int width, char fill)
{
    const uint64_t target = width < 0 ? uint64_t(-int64_t{width}) : uint64_t(width);
    if (text.size() >= target)
        return text;
    const std::string padding = RepeatChar(static_cast<unsigned>(target - text.size()), fill);
    return width > 0 ? padding + text : text + padding;
}

std::string UIntToText(uint32_t value, unsigned radix, int width, char fill)
{
    std::string digits;
    if (radix >= 2 && radix <= 36) {
        do {
            digits.insert(digits.begin(), RADIX_ALPHABET[value % radix]);
            value /= radix;
        } while (value != 0);
    }
    return PadText(digits, width, fill);
}

std::string FormatText(const char* format, ...)
{
    if (format == nullptr)
        return {};
    size_t size = 2048;
    for (;;) {
        char* buffer = static_cast<char*>(std::malloc(size));
        if (buffer == nullptr)
            return {};
        va_list args;
        va_start(args, format);
        const int written = std::vsnprintf(buffer, size, format, args);
        va_end(args);
        if (written < 0) {
            // An encoding error never gets better with a larger buffer.
            std::free(buffer);
            return {};
        }
        if (static_cast<size_t>(written) < size) {
            std::string result(buffer, static_cast<size_t>(written));
            std::free(buffer);
            return result;
        }
        std::free(buffer);
        size *= 2;
    }
}

}  // namespace tonik
