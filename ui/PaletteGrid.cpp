#include "ui/PaletteGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "color/HtmlCode.h"
#include "platform/Brush.h"
#include "platform/qt/DialogAccessibility.h"
#include "platform/qt/Window.h"
#include "ui/PaletteTable.h"

namespace tonik {
namespace {

QRect CellRectangle(int row, int column, int width, int height)
{
    const CellRect cell = PaletteCellRect(row, column, width, height);
    return QRect(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
}

class PaletteGridAccessible : public QAccessibleWidget {
public:
    explicit PaletteGridAccessible(PaletteGrid* grid) : QAccessibleWidget(grid, QAccessible::List) {}
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::fromStdString(FormatHtmlCode(static_cast<PaletteGrid*>(widget())->FocusValue()));
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* PaletteAccessibleFactory(const QString&, QObject* object)
{
    if (auto* grid = qobject_cast<PaletteGrid*>(object))
        return new PaletteGridAccessible(grid);
    return nullptr;
}

}  // namespace

void InstallPaletteAccessibility()
{
    InstallAccessibleFactoryOnce(PaletteAccessibleFactory);
}

PaletteGrid::PaletteGrid(QWidget* parent) : QWidget(parent)
{
    // Mouse presses and moves over the grid belong to the dialog.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Before the name, whose change event makes Qt resolve and keep the
    // grid's accessible interface.
    InstallPaletteAccessibility();
    setAccessibleName(QStringLiteral("Web-safe palette"));
}

int32_t PaletteGrid::HitTest(int x, int y) const
{
    return PaletteHitTest(x, y, width(), height());
}

int32_t PaletteGrid::FocusValue() const
{
    return static_cast<int32_t>(PALETTE_CELLS[size_t(focusRow * PALETTE_SIZE + focusColumn)]);
}

void PaletteGrid::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    for (int row = 0; row < PALETTE_SIZE; ++row) {
        for (int column = 0; column < PALETTE_SIZE; ++column) {
            // One brush per cell, deleted right after its fill.
            const Brush brush = Brush::CreateSolid(PALETTE_CELLS[size_t(row * PALETTE_SIZE + column)]);
            if (!brush)
                continue;
            painter.fillRect(CellRectangle(row, column, w, h), ColorRefToQColor(brush.Handle()->color));
        }
    }
    if (!hasFocus())
        return;
    // The focus cell: white inside black, seen on every colour of the palette.
    const QRect cell = CellRectangle(focusRow, focusColumn, w, h).adjusted(-1, -1, 0, 0);
    painter.setPen(Qt::black);
    painter.drawRect(cell);
    painter.setPen(Qt::white);
    painter.drawRect(cell.adjusted(1, 1, -1, -1));
}

void PaletteGrid::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Left: MoveFocus(focusRow, focusColumn - 1); break;
    case Qt::Key_Right: MoveFocus(focusRow, focusColumn + 1); break;
    case Qt::Key_Up: MoveFocus(focusRow - 1, focusColumn); break;
    case Qt::Key_Down: MoveFocus(focusRow + 1, focusColumn); break;
    case Qt::Key_Home: MoveFocus(focusRow, 0); break;
    case Qt::Key_End: MoveFocus(focusRow, PALETTE_SIZE - 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit cellPicked(FocusValue(), shift ? 1 : 0); break;
    case Qt::Key_Space: emit cellPicked(FocusValue(), 0); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void PaletteGrid::MoveFocus(int row, int column)
{
    row = std::clamp(row, 0, PALETTE_SIZE - 1);
    column = std::clamp(column, 0, PALETTE_SIZE - 1);
    if (row == focusRow && column == focusColumn)
        return;
    update(CellRectangle(focusRow, focusColumn, width(), height()).adjusted(-1, -1, 1, 1));
    focusRow = row;
    focusColumn = column;
    update(CellRectangle(focusRow, focusColumn, width(), height()).adjusted(-1, -1, 1, 1));
    emit focusCellChanged(FocusValue());
    QAccessibleValueChangeEvent changed(this, QString::fromStdString(FormatHtmlCode(FocusValue())));
    QAccessible::updateAccessibility(&changed);
}

void PaletteGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    emit focusCellChanged(FocusValue());
}

void PaletteGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace tonik
