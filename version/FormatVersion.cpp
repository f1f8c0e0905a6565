// The version text format of VersionInfo.
#include <algorithm>
#include <cstring>

#include "support/NumberText.h"
#include "version/VersionInfo.h"

namespace tonik {
namespace {

const char DEFAULT_FORMAT[] = "%a.%2.2b.%2.2c";
// Widths and precisions beyond this would only build huge texts of blanks.
constexpr unsigned MAX_FIELD = 65535;

uint32_t Read32(const uint8_t* at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}

}  // namespace

void VersionInfo::SetDefaultFormat(const char* format)
{
    defaultFormat = format != nullptr ? format : DEFAULT_FORMAT;
}

std::string VersionInfo::FormatVersion(const char* format)
{
    return FormatVersion(format, true);
}

// expandDefault is false while the default format itself is expanded: a V
// there would expand without end, so it gives an empty text.
std::string VersionInfo::FormatVersion(const char* format, bool expandDefault)
{
    if (fixedInfo == nullptr)
        return "<n/a>";
    const std::string defaultCopy = defaultFormat;
    if (format == nullptr) {
        format = defaultCopy.c_str();
        expandDefault = false;
    }
    const uint32_t productMS = Read32(fixedInfo + 16);
    const uint32_t productLS = Read32(fixedInfo + 20);
    const unsigned parts[4] = {productMS >> 16, productMS & 0xFFFF, productLS >> 16, productLS & 0xFFFF};
    const char* buildKind = (Read32(fixedInfo + 28) & VS_FF_DEBUG) ? "Debug" : "Release";

    std::string output;
    bool open = false;
    std::string directive;
    bool minus = false, dot = false;
    unsigned width = 0, precision = 0;
    for (const char* p = format; *p != '\0'; ++p) {
        const char c = *p;
        if (!open) {
            if (c == '%') {
                open = true;
                directive.assign(1, '%');
                minus = dot = false;
                width = precision = 0;
            } else {
                output.push_back(c);
            }
            continue;
        }
        if (c == '-' || c == '.') {
            (c == '-' ? minus : dot) = true;
            directive.push_back(c);
            continue;
        }
        if (c >= '0' && c <= '9') {
            unsigned& field = dot ? precision : width;
            field = std::min(MAX_FIELD, field * 10 + unsigned(c - '0'));
            directive.push_back(c);
            continue;
        }
        open = false;
        if (c >= 'a' && c <= 'd') {
            output += FormatText(minus ? "%-*.*u" : "%*.*u", int(std::max(width, 1u)), int(std::max(precision, 1u)),
                                 parts[c - 'a']);
            continue;
        }
        std::string text;
        switch (c) {
        case 'p': text = GetProductName(); break;
        case 'f': text = GetFileDescription(); break;
        case 'v': text = GetFileVersion(); break;
        case 'i':
        case 'r': text = GetInternalName(); break;
        case 'l': text = GetLegalCopyright(); break;
        case 'm': text = GetComments(); break;
        case 'o': text = GetCompanyName(); break;
        case 'g': text = buildKind; break;
        case 'V':
            if (expandDefault)
                text = FormatVersion(defaultCopy.c_str(), false);
            break;
        default:
            output += directive;
            output.push_back(c);
            continue;
        }
        output += PadText(text, minus ? -int(width) : int(width), ' ');
    }
    return output;
}

}  // namespace tonik
