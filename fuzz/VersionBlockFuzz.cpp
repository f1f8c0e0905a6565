// Arbitrary bytes through the version block parser and the file scan.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "version/VersionInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint8_t* position = data;
    size_t available = size;
    auto block = tonik::VersionBlock::Parse(position, available, nullptr);
    if (block) {
        block->FindChild(u"StringFileInfo", true);
        block->FindChild("productname", true);
    }

    static const std::string path = [] {
        std::string name = "/tmp/tonik-fuzz-XXXXXX";
        close(mkstemp(name.data()));
        return name;
    }();
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    tonik::VersionInfo info;
    if (info.LoadFromFile(path.c_str())) {
        info.SelectLanguage(0x040704B0);
        info.GetProductName();
        info.GetString(u"Translation");
        info.FormatVersion("%p %g V%a.%b.%c.%d %V %l");
    }
    return 0;
}
