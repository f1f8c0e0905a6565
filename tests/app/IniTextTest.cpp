#include <gtest/gtest.h>

#include "app/IniText.h"

namespace tonik {
namespace {

struct MergeCase {
    const char* name;
    std::string text;
    IniValues values;
    std::string expected;
};

TEST(IniText, SetsValuesAndKeepsEverythingElse)
{
    const MergeCase cases[] = {
        {"first run", "", {{"BackColor", "1"}, {"ForeColor", "2"}}, "[Settings]\nBackColor=1\nForeColor=2\n"},
        {"replaced in place", "[Settings]\nBackColor=9\nForeColor=8\n", {{"BackColor", "1"}},
         "[Settings]\nBackColor=1\nForeColor=8\n"},
        {"spaces and CRLF", "[Settings]\r\n  BackColor = 9 \r\nForeColor=8\r\n", {{"BackColor", "1"}},
         "[Settings]\r\nBackColor=1\r\nForeColor=8\r\n"},
        {"missing name after the last value", "[Settings]\nBackColor=9\n\n[Other]\nBackColor=7\n",
         {{"ForeColor", "1"}}, "[Settings]\nBackColor=9\nForeColor=1\n\n[Other]\nBackColor=7\n"},
        {"other sections untouched", "[Other]\nForeColor=7\n", {{"ForeColor", "1"}},
         "[Other]\nForeColor=7\n\n[Settings]\nForeColor=1\n"},
        {"no final line break", "[Settings]\nBackColor=9", {{"ForeColor", "1"}},
         "[Settings]\nBackColor=9\nForeColor=1\n"},
        {"comments and look-alikes stay", "[Settings]\n;ForeColor=3\nForeColorX=4\n", {{"ForeColor", "1"}},
         "[Settings]\n;ForeColor=3\nForeColorX=4\nForeColor=1\n"},
        {"every duplicate replaced", "[Settings]\nForeColor=3\nForeColor=4\n", {{"ForeColor", "1"}},
         "[Settings]\nForeColor=1\nForeColor=1\n"},
        {"empty section", "[Settings]\n", {{"ForeColor", "1"}}, "[Settings]\nForeColor=1\n"},
        {"byte-order mark", "\xEF\xBB\xBF[Settings]\nForeColor=3\n", {{"ForeColor", "1"}},
         "\xEF\xBB\xBF[Settings]\nForeColor=1\n"},
        {"garbage kept", "\x01\xff junk\n[", {{"ForeColor", "1"}}, "\x01\xff junk\n[\n\n[Settings]\nForeColor=1\n"},
    };
    for (const MergeCase& c : cases)
        EXPECT_EQ(SetIniValues(c.text, "Settings", c.values), c.expected) << c.name;
}

}  // namespace
}  // namespace tonik
