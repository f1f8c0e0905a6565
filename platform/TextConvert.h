// UTF-16 to and from the narrow encoding of the locale (UTF-8).
#pragma once

#include <string>

namespace tonik {

// Invalid input becomes U+FFFD; the conversions never fail.
std::u16string Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const std::u16string& text);

}  // namespace tonik
