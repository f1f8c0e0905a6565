// Real version resources for the reader's tests: .rc texts compiled by windres.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tonik::test {

inline std::filesystem::path TempDir()
{
    static const std::filesystem::path dir = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tonik-rc-XXXXXX").string();
        return std::filesystem::path(mkdtemp(pattern.data()));
    }();
    return dir;
}

// A VERSIONINFO resource script: fixed info lines, then the blocks.
inline std::string VersionRc(const std::string& fixed, const std::string& blocks)
{
    return "1 VERSIONINFO\n" + fixed + "BEGIN\n" + blocks + "END\n";
}

inline std::string StringTable(const std::string& id, const std::string& values)
{
    return " BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"" + id + "\"\n  BEGIN\n" + values + "  END\n END\n";
}

inline std::string Value(const std::string& key, const std::string& text)
{
    return "   VALUE \"" + key + "\", \"" + text + "\"\n";
}

inline std::string Translation(const std::string& pairs)
{
    return " BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", " + pairs + "\n END\n";
}

// Compiles rc with windres into name.res and returns the file's bytes.
inline std::vector<uint8_t> CompileRc(const std::string& name, const std::string& rc)
{
    const std::filesystem::path rcPath = TempDir() / (name + ".rc");
    const std::filesystem::path resPath = TempDir() / (name + ".res");
    std::ofstream(rcPath) << rc;
    const std::string command = std::string(TONIK_WINDRES) + " --preprocessor=cat -c 65001 -O res '" +
                                rcPath.string() + "' '" + resPath.string() + "'";
    if (std::system(command.c_str()) != 0)
        return {};
    std::ifstream in(resPath, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes)
{
    const std::filesystem::path path = TempDir() / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path.string();
}

// The version block of a .res file: after the 32-byte empty entry and the
// resource's own header.
inline std::vector<uint8_t> BlockOf(const std::vector<uint8_t>& res)
{
    auto read32 = [&res](size_t at) {
        return uint32_t(res[at]) | uint32_t(res[at + 1]) << 8 | uint32_t(res[at + 2]) << 16 | uint32_t(res[at + 3]) << 24;
    };
    const uint32_t size = read32(32);
    const uint32_t header = read32(36);
    return std::vector<uint8_t>(res.begin() + 32 + header, res.begin() + 32 + header + size);
}

}  // namespace tonik::test
