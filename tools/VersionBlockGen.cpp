// Turns the readable description of a version block (res/version.txt) into
//   --cpp NAME: a C++ source defining the block as 4-aligned read-only data
//               that the linker keeps, under the symbol NAME;
//   --bin:      the block's bytes;
//   --rc:       a resource script with the same values, for windres.
// Usage: VersionBlockGen --cpp NAME|--bin|--rc DESCRIPTION OUTPUT
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/TextConvert.h"

namespace {

struct Description {
    uint32_t fileVersion[4] = {};
    uint32_t productVersion[4] = {};
    uint32_t flagsMask = 0, flags = 0, os = 0, type = 0, subtype = 0;
    std::string table = "040904b0";
    std::vector<std::pair<std::string, std::string>> strings;
    uint32_t language = 0x0409, codePage = 0x04B0;
};

bool ParseVersion(const std::string& text, uint32_t (&parts)[4])
{
    return std::sscanf(text.c_str(), "%u,%u,%u,%u", &parts[0], &parts[1], &parts[2], &parts[3]) == 4;
}

bool Read(const char* path, Description& d)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const size_t equals = line.find('=');
        const size_t space = line.find(' ');
        if (equals != std::string::npos && (space == std::string::npos || equals < space)) {
            d.strings.emplace_back(line.substr(0, equals), line.substr(equals + 1));
            continue;
        }
        const std::string word = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        const unsigned long number = std::strtoul(rest.c_str(), nullptr, 0);
        if (word == "FILEVERSION" && !ParseVersion(rest, d.fileVersion))
            return false;
        if (word == "PRODUCTVERSION" && !ParseVersion(rest, d.productVersion))
            return false;
        if (word == "FILEFLAGSMASK") d.flagsMask = uint32_t(number);
        if (word == "FILEFLAGS") d.flags = uint32_t(number);
        if (word == "FILEOS") d.os = uint32_t(number);
        if (word == "FILETYPE") d.type = uint32_t(number);
        if (word == "FILESUBTYPE") d.subtype = uint32_t(number);
        if (word == "STRINGTABLE") d.table = rest;
        if (word == "TRANSLATION" &&
            std::sscanf(rest.c_str(), "%i %i", reinterpret_cast<int*>(&d.language), reinterpret_cast<int*>(&d.codePage)) != 2)
            return false;
    }
    return true;
}

// The bytes of one block: header, key, value, children, each child 4-aligned.
class BlockWriter {
public:
    std::vector<uint8_t> bytes;

    size_t Begin(const std::u16string& key, uint16_t valueLength, uint16_t type)
    {
        Align();
        const size_t start = bytes.size();
        Word(0);
        Word(valueLength);
        Word(type);
        for (char16_t c : key)
            Word(c);
        Word(0);
        Align();
        return start;
    }
    void End(size_t start)
    {
        const size_t length = bytes.size() - start;
        bytes[start] = uint8_t(length);
        bytes[start + 1] = uint8_t(length >> 8);
    }
    void Word(uint32_t w)
    {
        bytes.push_back(uint8_t(w));
        bytes.push_back(uint8_t(w >> 8));
    }
    void Dword(uint32_t d)
    {
        Word(d & 0xFFFF);
        Word(d >> 16);
    }
    void Align()
    {
        while (bytes.size() % 4 != 0)
            bytes.push_back(0);
    }
};

std::vector<uint8_t> Build(const Description& d)
{
    BlockWriter w;
    const size_t root = w.Begin(u"VS_VERSION_INFO", 52, 0);
    w.Dword(0xFEEF04BD);
    w.Dword(0x00010000);
    w.Dword(d.fileVersion[0] << 16 | d.fileVersion[1]);
    w.Dword(d.fileVersion[2] << 16 | d.fileVersion[3]);
    w.Dword(d.productVersion[0] << 16 | d.productVersion[1]);
    w.Dword(d.productVersion[2] << 16 | d.productVersion[3]);
    for (uint32_t v : {d.flagsMask, d.flags, d.os, d.type, d.subtype, 0u, 0u})
        w.Dword(v);

    const size_t stringFileInfo = w.Begin(u"StringFileInfo", 0, 1);
    const size_t table = w.Begin(tonik::Utf8ToUtf16(d.table), 0, 1);
    for (const auto& [key, text] : d.strings) {
        const std::u16string value = tonik::Utf8ToUtf16(text);
        const size_t string = w.Begin(tonik::Utf8ToUtf16(key), uint16_t(value.size() + 1), 1);
        for (char16_t c : value)
            w.Word(c);
        w.Word(0);
        w.End(string);
    }
    w.End(table);
    w.End(stringFileInfo);

    const size_t varFileInfo = w.Begin(u"VarFileInfo", 0, 1);
    const size_t translation = w.Begin(u"Translation", 4, 0);
    w.Word(d.language);
    w.Word(d.codePage);
    w.End(translation);
    w.End(varFileInfo);
    w.End(root);
    return w.bytes;
}

std::string RcString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Rc(const Description& d)
{
    std::ostringstream rc;
    auto version = [](const uint32_t (&p)[4]) {
        return std::to_string(p[0]) + "," + std::to_string(p[1]) + "," + std::to_string(p[2]) + "," + std::to_string(p[3]);
    };
    rc << "1 VERSIONINFO\n FILEVERSION " << version(d.fileVersion) << "\n PRODUCTVERSION " << version(d.productVersion)
       << "\n FILEFLAGSMASK " << d.flagsMask << "\n FILEFLAGS " << d.flags << "\n FILEOS " << d.os << "\n FILETYPE "
       << d.type << "\n FILESUBTYPE " << d.subtype << "\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \""
       << d.table << "\"\n  BEGIN\n";
    for (const auto& [key, text] : d.strings)
        rc << "   VALUE " << RcString(key) << ", " << RcString(text) << "\n";
    rc << "  END\n END\n BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Translation\", " << d.language << ", " << d.codePage
       << "\n END\nEND\n";
    return rc.str();
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool cpp = mode == "--cpp";
    if (argc != (cpp ? 5 : 4) || (!cpp && mode != "--bin" && mode != "--rc")) {
        std::cerr << "usage: VersionBlockGen --cpp NAME|--bin|--rc DESCRIPTION OUTPUT\n";
        return 2;
    }
    Description d;
    if (!Read(argv[cpp ? 3 : 2], d)) {
        std::cerr << "cannot read " << argv[cpp ? 3 : 2] << "\n";
        return 1;
    }
    std::ofstream out(argv[cpp ? 4 : 3], std::ios::binary);
    const std::vector<uint8_t> block = Build(d);
    if (mode == "--bin") {
        out.write(reinterpret_cast<const char*>(block.data()), std::streamsize(block.size()));
    } else if (mode == "--rc") {
        out << Rc(d);
    } else {
        out << "// Generated from the version block description; do not edit.\n"
            << "extern \"C\" __attribute__((used, aligned(4))) const unsigned char " << argv[2] << "["
            << block.size() << "] = {";
        for (size_t i = 0; i < block.size(); ++i)
            out << (i % 16 == 0 ? "\n    " : " ") << unsigned(block[i]) << ",";
        out << "\n};\n";
    }
    return out ? 0 : 1;
}
