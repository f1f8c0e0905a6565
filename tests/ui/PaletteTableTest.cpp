#include "ui/PaletteTable.h"

#include <gtest/gtest.h>

#include <map>

namespace tonik {
namespace {

uint32_t ExpectedTag(uint32_t color)
{
    auto level = [](uint32_t v) { return (0xFF - v) / 0x33; };
    const uint32_t r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    return (36 * level(r) + 6 * level(g) + level(b)) | 1;
}

TEST(PaletteTable, EveryCellFollowsTheTagRule)
{
    std::map<uint32_t, int> seen;
    int black = 0;
    for (uint32_t cell : PALETTE_CELLS) {
        const uint32_t color = cell & 0xFFFFFF;
        if (color == 0) {
            EXPECT_EQ(cell, 0xFF000000u);
            ++black;
            continue;
        }
        for (int shift : {0, 8, 16})
            EXPECT_EQ(((color >> shift) & 0xFF) % 0x33, 0u) << std::hex << cell;
        EXPECT_EQ(cell >> 24, ExpectedTag(color)) << std::hex << cell;
        ++seen[color];
    }
    EXPECT_EQ(black, 41);
    EXPECT_EQ(seen.size(), 215u);  // every web-safe colour but black ...
    for (const auto& [color, times] : seen)
        EXPECT_EQ(times, 1) << std::hex << color;  // ... exactly once
    EXPECT_EQ(PALETTE_CELLS[0], 0x01FFFFFFu);
    EXPECT_EQ(PALETTE_CELLS[1], 0x2BCCCCCCu);
    EXPECT_EQ(PALETTE_CELLS[6], 0x0B00CCFFu);
    EXPECT_EQ(PALETTE_CELLS[16], 0x5300CC99u);
    EXPECT_EQ(PALETTE_CELLS[5], 0xFF000000u);
    EXPECT_EQ(PALETTE_CELLS[7 * 16 + 8], 0xFF000000u);
    EXPECT_EQ(PALETTE_CELLS[2 * 16 + 13] & 0xFFFFFF, 0x0000FFu);  // FF0000, pure red
}

TEST(PaletteTable, CellRectanglesOfA75By89Grid)
{
    const int paintedLeft[] = {0, 4, 9, 14};
    const int paintedRight[] = {3, 8, 13, 17};  // the unpainted line after each cell
    for (int c = 0; c < 4; ++c) {
        const CellRect cell = PaletteCellRect(0, c, 75, 89);
        EXPECT_EQ(cell.left, paintedLeft[c]) << c;
        EXPECT_EQ(cell.right, paintedRight[c]) << c;
    }
    const int paintedTop[] = {0, 5, 11};
    const int paintedBottom[] = {4, 10, 15};
    for (int r = 0; r < 3; ++r) {
        const CellRect cell = PaletteCellRect(r, 0, 75, 89);
        EXPECT_EQ(cell.top, paintedTop[r]) << r;
        EXPECT_EQ(cell.bottom, paintedBottom[r]) << r;
    }
    EXPECT_EQ(PaletteCellRect(15, 15, 75, 89).right, 74);
    EXPECT_EQ(PaletteCellRect(15, 15, 75, 89).bottom, 88);
}

TEST(PaletteTable, HitTestOnAndJustOffEveryEdge)
{
    // Columns 0..3 of a 75-pixel-wide grid begin at x = 0, 5, 10, 15.
    const int firstX[] = {0, 5, 10, 15, 19};
    for (int c = 0; c < 4; ++c) {
        for (int x = firstX[c]; x < firstX[c + 1]; ++x)
            EXPECT_EQ(PaletteHitTest(x, 0, 75, 89), int32_t(PALETTE_CELLS[size_t(c)])) << x;
    }
    const int firstY[] = {0, 6, 12, 17};
    for (int r = 0; r < 3; ++r) {
        for (int y = firstY[r]; y < firstY[r + 1]; ++y)
            EXPECT_EQ(PaletteHitTest(0, y, 75, 89), int32_t(PALETTE_CELLS[size_t(r * 16)])) << y;
    }
    EXPECT_EQ(PaletteHitTest(0, 0, 75, 89), 0x01FFFFFF);
    EXPECT_EQ(PaletteHitTest(74, 88, 75, 89), int32_t(0xFF000000));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {75, 0}, {0, 89}, {75, 89}, {-1, -1}, {INT32_MIN, 5}})
        EXPECT_EQ(PaletteHitTest(x, y, 75, 89), NO_COLOR) << x << "," << y;
    // An empty client area has no cells and never divides by zero.
    EXPECT_EQ(PaletteHitTest(0, 0, 0, 0), NO_COLOR);
    EXPECT_EQ(PaletteHitTest(0, 0, 10, 0), NO_COLOR);
    // Large sizes do not overflow the 16 * x product.
    EXPECT_EQ(PaletteHitTest(INT32_MAX - 1, 0, INT32_MAX, 1), int32_t(PALETTE_CELLS[15]));
}

}  // namespace
}  // namespace tonik
