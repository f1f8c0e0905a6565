#include "version/VersionInfo.h"

#include <gtest/gtest.h>

#include "platform/File.h"
#include "platform/LastError.h"
#include "tests/version/RcFiles.h"

namespace tonik {
namespace {

using namespace test;

const std::string FIXED = " FILEVERSION 1,2,3,4\n PRODUCTVERSION 2,0,6,0\n FILEFLAGSMASK 0x3f\n FILEFLAGS 0x0\n";

std::string Load(VersionInfo& info, const std::string& name, const std::vector<uint8_t>& bytes)
{
    const std::string path = WriteFile(name, bytes);
    EXPECT_TRUE(info.LoadFromFile(path.c_str())) << name;
    return path;
}

TEST(VersionInfo, ReadsToniksOwnExecutable)
{
    VersionInfo info;
    ASSERT_TRUE(info.LoadFromFile(TONIK_EXECUTABLE));
    EXPECT_EQ(info.GetProductName(), "Tonik HTML Color Picker");
    EXPECT_EQ(info.GetInternalName(), "Tonik");
    EXPECT_EQ(info.GetFileDescription(), "Tonik MFC Application");
    EXPECT_EQ(info.GetFileVersion(), "2, 0, 6, 0");
    EXPECT_EQ(info.GetComments(), "");
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_EQ(info.FormatVersion("%g V%a.%b.%c.%d"), "Release V2.0.6.0");
    EXPECT_EQ(info.FormatVersion(nullptr), "2.00.06");
    ASSERT_NE(info.SelectedTable(), nullptr);
}

TEST(VersionInfo, SeveralLanguagesAndTheSelectedTable)
{
    const std::string tables = " BLOCK \"StringFileInfo\"\n BEGIN\n"
                               "  BLOCK \"040904b0\"\n  BEGIN\n" + Value("ProductName", "English") + "  END\n"
                               "  BLOCK \"040704B0\"\n  BEGIN\n" + Value("ProductName", "Deutsch") +
                               Value("Comments", "nur hier") + "  END\n END\n";
    const std::string rc = VersionRc(FIXED, tables + Translation("0x409, 1200, 0x407, 1200"));
    VersionInfo info;
    Load(info, "languages.res", CompileRc("languages", rc));
    EXPECT_EQ(info.GetProductName(), "English");
    EXPECT_EQ(info.GetComments(), "");  // the selected table answers alone
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(info.SelectLanguage(0x040704B0));
    EXPECT_EQ(info.GetProductName(), "Deutsch");
    EXPECT_EQ(info.GetComments(), "nur hier");
    EXPECT_FALSE(info.SelectLanguage(0x040C04B0));  // no French table: the whole tree answers
    EXPECT_EQ(info.GetProductName(), "English");
    EXPECT_EQ(info.GetString(u"productname"), "English");  // keys ignore case
}

TEST(VersionInfo, GermanOnlyTableAnswersThroughTheWholeTree)
{
    const std::string rc = VersionRc(FIXED, StringTable("040704b0", Value("ProductName", "Größe") + Value("Comments", "")) +
                                                Translation("0x407, 1200"));
    VersionInfo info;
    Load(info, "german.res", CompileRc("german", rc));
    EXPECT_EQ(info.SelectedTable(), nullptr);
    EXPECT_EQ(info.GetProductName(), "Größe");
    EXPECT_EQ(info.GetComments(), "");
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_EQ(info.GetCompanyName(), "");
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(info.GetString(u"Translation"), "");  // binary
    EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA);
}

TEST(VersionInfo, DebugFlagAndLargestVersionParts)
{
    const std::string rc = VersionRc(" PRODUCTVERSION 65535,65535,65535,65535\n FILEFLAGS 0x1\n",
                                     StringTable("040904b0", Value("ProductName", "X")));
    VersionInfo info;
    Load(info, "debug.res", CompileRc("debug", rc));
    EXPECT_EQ(info.FormatVersion("%g"), "Debug");
    EXPECT_EQ(info.FormatVersion("%a.%b.%c.%d"), "65535.65535.65535.65535");
    EXPECT_EQ(info.FormatVersion("%1.1a|%.3d"), "65535|65535");
}

TEST(VersionInfo, ScanFindsTheFirstBlockAnywhereInTheFile)
{
    const std::vector<uint8_t> first = CompileRc("first", VersionRc(FIXED, StringTable("040904b0", Value("ProductName", "First"))));
    const std::vector<uint8_t> second = CompileRc("second", VersionRc(FIXED, StringTable("040904b0", Value("ProductName", "Second"))));
    const std::vector<uint8_t> block = BlockOf(first);

    // Straddling the boundary of the first two 65,536-byte chunks, then of later ones.
    for (size_t at : {size_t{65536 - 100}, size_t{65536 - 4}, size_t{3 * 65536 - 60}, size_t{0}, size_t{65536}}) {
        std::vector<uint8_t> file(at, 0xCC);
        file.insert(file.end(), block.begin(), block.end());
        file.resize(file.size() + 1000, 0xCC);
        VersionInfo info;
        Load(info, "straddle.bin", file);
        EXPECT_EQ(info.GetProductName(), "First") << at;
    }

    // Two blocks: the lower offset wins.
    std::vector<uint8_t> two = second;
    two.insert(two.end(), first.begin(), first.end());
    VersionInfo info;
    Load(info, "two.res", two);
    EXPECT_EQ(info.GetProductName(), "Second");

    // An unaligned block is not found; the same block aligned is.
    std::vector<uint8_t> unaligned(2, 0);
    unaligned.insert(unaligned.end(), block.begin(), block.end());
    const std::string path = WriteFile("unaligned.bin", unaligned);
    EXPECT_FALSE(info.LoadFromFile(path.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA);
}

TEST(VersionInfo, MalformedFilesLeaveTheObjectEmpty)
{
    const std::vector<uint8_t> res = CompileRc("plain", VersionRc(FIXED, StringTable("040904b0", Value("ProductName", "P"))));
    std::vector<uint8_t> lower = res;
    for (size_t i = 0; i + 30 < lower.size(); ++i) {
        if (lower[i] == 'V' && lower[i + 2] == 'S' && lower[i + 4] == '_')
            for (size_t k = 0; k < 30; k += 2)
                lower[i + k] = uint8_t(std::tolower(lower[i + k]));
    }
    std::vector<uint8_t> truncated(res.begin(), res.end() - 10);

    VersionInfo info;
    for (const auto& [name, bytes] : {std::pair{"lower.res", lower}, std::pair{"truncated.res", truncated},
                                      std::pair{"empty.bin", std::vector<uint8_t>{}}}) {
        const std::string path = WriteFile(name, bytes);
        EXPECT_FALSE(info.LoadFromFile(path.c_str())) << name;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA) << name;
        EXPECT_EQ(info.Root(), nullptr);
        EXPECT_EQ(info.GetProductName(), "");
        EXPECT_EQ(GetLastError(), ERROR_INVALID_DATA);
        EXPECT_EQ(info.FormatVersion(nullptr), "<n/a>");
        EXPECT_EQ(info.FormatVersion("%p"), "<n/a>");
    }
    EXPECT_FALSE(info.LoadFromFile("/nonexistent/tonik.res"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(info.LoadFromFile(nullptr));
    EXPECT_FALSE(info.LoadFromModule(reinterpret_cast<const void*>(1)));
}

TEST(VersionInfo, ReadFailuresEndTheLoad)
{
    const std::string path = WriteFile("reads.res", CompileRc("reads", VersionRc(FIXED, "")));
    VersionInfo info;
    SetReadHookForTesting([](void*, size_t, size_t&) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    });
    EXPECT_FALSE(info.LoadFromFile(path.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    SetReadHookForTesting([](void*, size_t count, size_t& got) {
        got = count / 2;
        return true;
    });
    EXPECT_FALSE(info.LoadFromFile(path.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_READ_FAULT);
    SetReadHookForTesting(nullptr);
    EXPECT_TRUE(info.LoadFromFile(path.c_str()));
    EXPECT_EQ(info.GetProductName(), "");  // no strings at all
}

// A root with one keyed child and no value, hand-built: 40 bytes of root
// header and key, then a 10-byte child.
std::vector<uint8_t> TinyRoot(uint16_t rootLength, size_t extra)
{
    std::vector<uint8_t> bytes = {uint8_t(rootLength), uint8_t(rootLength >> 8), 0, 0, 1, 0};
    for (char c : std::string("VS_VERSION_INFO"))
        bytes.insert(bytes.end(), {uint8_t(c), 0});
    bytes.insert(bytes.end(), {0, 0, 0, 0});                   // terminator, padding
    bytes.insert(bytes.end(), {10, 0, 0, 0, 1, 0, 'A', 0, 0, 0});  // child "A"
    bytes.resize(bytes.size() + extra, 0);
    return bytes;
}

TEST(VersionBlock, ParentsMayCountTheAlignmentPaddingAfterTheirLastChild)
{
    for (auto [length, accepted] : {std::pair{50, true}, std::pair{52, true}, std::pair{56, false}}) {
        const std::vector<uint8_t> bytes = TinyRoot(uint16_t(length), 8);
        const uint8_t* position = bytes.data();
        size_t available = bytes.size();
        const auto block = VersionBlock::Parse(position, available, u"VS_VERSION_INFO");
        EXPECT_EQ(block != nullptr, accepted) << length;
        if (block) {
            EXPECT_EQ(position, bytes.data() + length);
            EXPECT_EQ(available, bytes.size() - size_t(length));
            ASSERT_NE(block->FindChild("a", false), nullptr);
            EXPECT_EQ(block->FindChild(u"A", false)->wLength, 10u);
        }
    }
}

TEST(VersionBlock, HeaderChecks)
{
    const std::vector<uint8_t> bytes = TinyRoot(50, 0);
    const uint8_t* position = bytes.data();
    size_t available = 49;  // wLength beyond what is available
    EXPECT_EQ(VersionBlock::Parse(position, available, nullptr), nullptr);
    EXPECT_EQ(position, bytes.data());
    const std::vector<std::vector<uint8_t>> bad = {
        {},  {2, 0, 0, 0},  {7, 0, 0, 0, 0, 0, 0, 0},  {8, 0, 0, 0, 2, 0, 0, 0},  // wType 2
        {8, 0, 0, 0, 0, 0, 'A', 0},  // the key's terminator lies beyond wLength
        {8, 0, 1, 0, 0, 0, 0, 0},    // a value in a block that ends after its key
        {12, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // value longer than the block
    };
    for (const auto& b : bad) {
        const uint8_t* p = b.data();
        size_t n = b.size();
        EXPECT_EQ(VersionBlock::Parse(p, n, nullptr), nullptr) << b.size();
    }
    const std::vector<uint8_t> empty = {8, 0, 0, 0, 1, 0, 0, 0};
    const uint8_t* p = empty.data();
    size_t n = empty.size();
    const auto block = VersionBlock::Parse(p, n, nullptr);
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(block->key.empty());
    EXPECT_EQ(block->FindChild(u"", true), nullptr);
}

TEST(VersionText, Conversions)
{
    EXPECT_EQ(AnsiToWide(nullptr), nullptr);
    EXPECT_EQ(WideToAnsi(nullptr), nullptr);
    EXPECT_EQ(std::u16string(AnsiToWide("").get()), u"");
    EXPECT_EQ(std::u16string(AnsiToWide("Grüße €").get()), u"Grüße €");
    EXPECT_EQ(std::string(WideToAnsi(u"Grüße €").get()), "Grüße €");
    EXPECT_EQ(std::u16string(AnsiToWide("a\xff" "b").get()), u"a\xfffd" "b");
    const char16_t lone[] = {u'x', 0xD800, u'y', 0};
    EXPECT_EQ(std::string(WideToAnsi(lone).get()), "x\xef\xbf\xbdy");
}

}  // namespace
}  // namespace tonik
