// The 16 x 16 palette of web-safe colours: its cell values, the rectangles the
// grid paints and the cell under a point. Pure functions of the client size.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tonik {

constexpr int PALETTE_SIZE = 16;
constexpr int32_t NO_COLOR = -1;

// Cell values in row-major order: colour 0x00BBGGRR in the low 24 bits, the
// tag byte on top; every black cell is 0xFF000000.
extern const std::array<uint32_t, PALETTE_SIZE * PALETTE_SIZE> PALETTE_CELLS;

// The painted rectangle of a cell, right and bottom edges excluded.
struct CellRect {
    int left;
    int top;
    int right;
    int bottom;
};
CellRect PaletteCellRect(int row, int column, int width, int height);

// The cell value under (x, y) of a grid of width x height pixels, or NO_COLOR.
int32_t PaletteHitTest(int x, int y, int width, int height);

}  // namespace tonik
