#include "version/TextList.h"

#include <gtest/gtest.h>

#include <string>

namespace tonik {
namespace {

int Pieces(const TextList& list)
{
    int n = 0;
    for (TextPiece* p = list.first; p != nullptr; p = p->next)
        ++n;
    return n;
}

TEST(TextList, AppendsNothingForNothing)
{
    TextList list;
    list.Append(nullptr);
    list.Append("");
    list.Append("abc", 0);
    EXPECT_EQ(list.first, nullptr);
    EXPECT_EQ(list.total, 0u);
    EXPECT_STREQ(list.Join(), "");
    EXPECT_EQ(list.first, nullptr);  // nothing allocated
}

TEST(TextList, PiecesGrowInStepsOf65536)
{
    for (auto [length, capacity] : {std::pair{1u, 65536u}, {65536u, 65536u}, {65537u, 131072u}}) {
        TextList list;
        const std::string text(length, 'x');
        list.Append(text.c_str());
        ASSERT_NE(list.first, nullptr);
        EXPECT_EQ(list.first->capacity, capacity) << length;
        EXPECT_EQ(list.first->used, length);
        EXPECT_EQ(list.Join(), list.first->data);  // one piece: no copy
    }
}

TEST(TextList, JoinMergesPiecesOnce)
{
    TextList list;
    const std::string big(65536, 'a');
    list.Append(big.c_str());
    list.Append("bc");
    EXPECT_EQ(Pieces(list), 2);
    EXPECT_EQ(list.first->used, list.first->capacity);
    const char* joined = list.Join();
    EXPECT_EQ(Pieces(list), 1);
    EXPECT_EQ(list.first->capacity, 131072u);
    EXPECT_EQ(list.total, 65538u);
    EXPECT_EQ(std::string(joined), big + "bc");
    EXPECT_EQ(list.Join(), joined);  // free the second time
}

TEST(TextList, BoundsAndSet)
{
    TextList list;
    list.Append("abcdef", 3);
    list.Append("gh\0ij", TextList::UNBOUNDED);
    EXPECT_STREQ(list.Join(), "abcgh");
    list.Set("new");
    EXPECT_STREQ(list.Join(), "new");
    EXPECT_EQ(list.total, 3u);
    list.Set(nullptr);
    EXPECT_EQ(list.total, 0u);
}

TEST(TextList, TotalsNearFourGigabytesNeverWrap)
{
    TextList list;
    list.Append("x");
    // Pretend the list already holds nearly all it can.
    list.first->used = list.first->capacity;
    list.total = TextList::MAX_TOTAL - 2;
    list.Append("abcdef");
    EXPECT_EQ(list.total, TextList::MAX_TOTAL);
    EXPECT_EQ(list.last->used, 2u);
    EXPECT_EQ(list.last->capacity, 65536u);
    list.Append("z");
    EXPECT_EQ(list.total, TextList::MAX_TOTAL);
    EXPECT_EQ(Pieces(list), 2);
    list.Clear();
    EXPECT_EQ(list.total, 0u);
}

}  // namespace
}  // namespace tonik
