// Prints what VersionInfo reads from a file: whether it loaded, the last error,
// the fixed-info version and flags, and the strings, one key=value per line.
// Usage: tonik_versiondump FILE
#include <cstdio>

#include "platform/LastError.h"
#include "version/VersionInfo.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tonik_versiondump FILE\n");
        return 2;
    }
    tonik::VersionInfo info;
    const bool loaded = info.LoadFromFile(argv[1]);
    std::printf("loaded=%s\nlastError=%u\n", loaded ? "yes" : "no", tonik::GetLastError());
    if (const uint8_t* fixed = info.FixedInfo()) {
        auto read32 = [fixed](int at) {
            return unsigned(fixed[at]) | unsigned(fixed[at + 1]) << 8 | unsigned(fixed[at + 2]) << 16 |
                   unsigned(fixed[at + 3]) << 24;
        };
        std::printf("fileVersion=%u.%u.%u.%u\nproductVersion=%u.%u.%u.%u\nfileFlags=0x%X\n", read32(8) >> 16,
                    read32(8) & 0xFFFF, read32(12) >> 16, read32(12) & 0xFFFF, read32(16) >> 16, read32(16) & 0xFFFF,
                    read32(20) >> 16, read32(20) & 0xFFFF, read32(28));
    }
    const struct {
        const char* name;
        std::string value;
    } strings[] = {
        {"ProductName", info.GetProductName()},       {"FileDescription", info.GetFileDescription()},
        {"FileVersion", info.GetFileVersion()},       {"InternalName", info.GetInternalName()},
        {"LegalCopyright", info.GetLegalCopyright()}, {"Comments", info.GetComments()},
        {"CompanyName", info.GetCompanyName()},
    };
    for (const auto& s : strings)
        std::printf("%s=%s\n", s.name, s.value.c_str());
    return loaded ? 0 : 1;
}
