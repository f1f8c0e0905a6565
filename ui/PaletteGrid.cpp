#include "ui/PaletteGrid.h"

#include <QPainter>

#include "platform/Brush.h"
#include "platform/qt/Window.h"
#include "ui/PaletteTable.h"

namespace tonik {

PaletteGrid::PaletteGrid(QWidget* parent) : QWidget(parent)
{
    // Mouse presses and moves over the grid belong to the dialog.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

int32_t PaletteGrid::HitTest(int x, int y) const
{
    return PaletteHitTest(x, y, width(), height());
}

void PaletteGrid::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    for (int row = 0; row < PALETTE_SIZE; ++row) {
        for (int column = 0; column < PALETTE_SIZE; ++column) {
            const CellRect cell = PaletteCellRect(row, column, w, h);
            // One brush per cell, deleted right after its fill.
            const Brush brush = Brush::CreateSolid(PALETTE_CELLS[size_t(row * PALETTE_SIZE + column)]);
            if (!brush)
                continue;
            painter.fillRect(QRect(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top),
                             ColorRefToQColor(brush.Handle()->color));
        }
    }
}

}  // namespace tonik
