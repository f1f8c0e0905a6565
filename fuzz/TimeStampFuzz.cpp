// Arbitrary texts and orders through CNTimeStamp::Parse, and arbitrary formats
// through Format.
#include <cstdint>
#include <string>

#include "support/TimeStamp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\n');
    const std::string text = input.substr(0, split);
    const std::string order = split == std::string::npos ? "bdYHMS" : input.substr(split + 1, 64);
    tonik::CNTimeStamp stamp;
    stamp.Parse(text.c_str(), order.c_str());
    stamp.Format(text.substr(0, 256));
    tonik::CNTimeStamp raw(size >= 8 ? *reinterpret_cast<const uint64_t*>(data) : 0);
    raw.Format(text.substr(0, 256));
    return 0;
}
