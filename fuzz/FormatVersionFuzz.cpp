// Arbitrary formats and default formats through FormatVersion, with Tonik's
// own version block loaded.
#include <cstdint>
#include <string>

#include "version/VersionInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static tonik::VersionInfo info;
    static const bool loaded = info.LoadFromFile(TONIK_VERSION_BLOCK);
    (void)loaded;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t split = text.find('\n');
    if (split != std::string::npos) {
        info.SetDefaultFormat(text.substr(split + 1).c_str());
        info.FormatVersion(text.substr(0, split).c_str());
    } else {
        info.SetDefaultFormat(nullptr);
        info.FormatVersion(text.c_str());
    }
    info.FormatVersion(nullptr);
    return 0;
}
