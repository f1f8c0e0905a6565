// Arbitrary texts through the number parsers, with every radix selector.
#include <cstdint>
#include <string>

#include "support/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const unsigned selector = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    uint32_t u = 0;
    int32_t s = 0;
    if (tonik::ParseUInt(text.c_str(), u, selector) && selector >= 2 && selector <= 36) {
        // What parses in a radix prints back to the same value.
        uint32_t again = 0;
        const std::string printed = tonik::UIntToText(u, selector, 0, ' ');
        if (selector != 1 && (selector == 2 || selector == 8 || selector == 10 || selector == 16) &&
            !(tonik::ParseUInt(printed.c_str(), again, selector) && again == u))
            __builtin_trap();
    }
    tonik::ParseInt(text.c_str(), s, selector);
    return 0;
}
