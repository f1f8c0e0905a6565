#include "version/AboutText.h"

#include <gtest/gtest.h>

#include "platform/DlgTemplateReader.h"
#include "support/TimeStamp.h"
#include "tests/version/RcFiles.h"
#include "version/AboutTemplate.h"

namespace tonik {
namespace {

using namespace test;

std::string BuildLine()
{
    return CNTimeStamp::GetBuildTime().Format("Built on %Y-%b-%d %H:%M:%S");
}

AboutText AboutOf(const std::string& name, const std::string& fixed, const std::string& values)
{
    const std::string path = WriteFile(name + ".res", CompileRc(name, VersionRc(fixed, StringTable("040904b0", values))));
    VersionInfo info;
    EXPECT_TRUE(info.LoadFromFile(path.c_str()));
    return ComposeAboutText(info);
}

const std::string RELEASE = " PRODUCTVERSION 2,0,6,0\n FILEFLAGS 0x0\n";

TEST(AboutText, LinesFollowTheOptionalStrings)
{
    struct Case {
        const char* name;
        std::string fixed;
        std::string values;
        std::string expected;
    };
    const Case cases[] = {
        {"own", RELEASE,
         Value("InternalName", "Tonik") + Value("ProductName", "Tonik HTML Color Picker") + Value("CompanyName", "") +
             Value("LegalCopyright", "Copyright (C) 2026 Kavon") + Value("Comments", ""),
         "Tonik HTML Color Picker\r\nRelease V2.0.6.0\r\nCopyright (C) 2026 Kavon\r\n"},
        {"company", RELEASE,
         Value("ProductName", "P") + Value("CompanyName", "Kavon") + Value("Comments", "Note"),
         "P\r\nRelease V2.0.6.0\r\nKavon\r\nNote\r\n"},
        {"all", RELEASE,
         Value("ProductName", "P") + Value("CompanyName", "C") + Value("LegalCopyright", "L") + Value("Comments", "M"),
         "P\r\nRelease V2.0.6.0\r\nC\r\nL\r\nM\r\n"},
        {"none", RELEASE, Value("ProductName", "P"), "P\r\nRelease V2.0.6.0\r\n"},
        {"emptyname", RELEASE, Value("ProductName", ""), "\r\nRelease V2.0.6.0\r\n"},
        {"debug", " PRODUCTVERSION 1,22,333,4444\n FILEFLAGS 0x1\n", Value("ProductName", "P"),
         "P\r\nDebug V1.22.333.4444\r\n"},
    };
    for (const Case& c : cases) {
        const AboutText about = AboutOf(c.name, c.fixed, c.values);
        EXPECT_EQ(about.text, c.expected + BuildLine()) << c.name;
        EXPECT_NE(about.text.substr(about.text.size() - 2), "\r\n") << c.name;
    }
    EXPECT_EQ(AboutOf("caption", RELEASE, Value("InternalName", "Tonik")).caption, "About Tonik");
}

TEST(AboutText, WithoutAVersionBlock)
{
    VersionInfo info;
    EXPECT_FALSE(info.LoadFromFile("/nonexistent"));
    const AboutText about = ComposeAboutText(info);
    EXPECT_EQ(about.caption, "About ");
    EXPECT_EQ(about.text, "<n/a>" + BuildLine());
}

TEST(AboutText, OwnExecutable)
{
    VersionInfo info;
    ASSERT_TRUE(info.LoadFromFile(TONIK_EXECUTABLE));
    const AboutText about = ComposeAboutText(info);
    EXPECT_EQ(about.caption, "About Tonik");
    EXPECT_EQ(about.text, "Tonik HTML Color Picker\r\nRelease V2.0.6.0\r\nCopyright (C) 2026 Kavon\r\n" + BuildLine());
}

TEST(AboutTemplate, ReadsBackIntoItsHeaderAndItems)
{
    ASSERT_EQ(ABOUT_TEMPLATE.size(), 138u);
    DialogTemplate t;
    ASSERT_TRUE(ReadDlgTemplate(ABOUT_TEMPLATE.data(), ABOUT_TEMPLATE.size(), t));
    EXPECT_EQ(t.style, 0x80C800C0u);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.cx, 235);
    EXPECT_EQ(t.cy, 81);
    EXPECT_EQ(t.caption, "About");
    EXPECT_EQ(t.fontName, "Tahoma");
    EXPECT_EQ(t.pointSize, 8);
    ASSERT_EQ(t.items.size(), 3u);
    const struct {
        const char* className;
        int id, x, y, cx, cy;
        uint32_t style;
        const char* text;
        int resource;
    } expected[] = {
        {CLASS_BUTTON, 1, 195, 55, 35, 20, 0x50030001u, "OK", 0},
        {CLASS_STATIC, -1, 210, 5, 21, 20, 0x50000003u, "", 128},
        {CLASS_EDIT, 1007, 5, 5, 180, 70, 0x50810884u, "", 0},
    };
    for (size_t i = 0; i < 3; ++i) {
        const DialogItem& item = t.items[i];
        EXPECT_EQ(item.className, expected[i].className) << i;
        EXPECT_EQ(item.id, expected[i].id) << i;
        EXPECT_EQ(item.x, expected[i].x) << i;
        EXPECT_EQ(item.y, expected[i].y) << i;
        EXPECT_EQ(item.cx, expected[i].cx) << i;
        EXPECT_EQ(item.cy, expected[i].cy) << i;
        EXPECT_EQ(item.style, expected[i].style) << i;
        EXPECT_EQ(item.text, expected[i].text) << i;
        EXPECT_EQ(item.resourceId, expected[i].resource) << i;
    }
    // Cut anywhere, the template does not read.
    for (size_t size : {0u, 17u, 50u, 100u, 137u})
        EXPECT_FALSE(ReadDlgTemplate(ABOUT_TEMPLATE.data(), size, t)) << size;
}

}  // namespace
}  // namespace tonik
