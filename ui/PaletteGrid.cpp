#include "ui/PaletteGrid.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <array>

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

constexpr int CELL_COUNT = PALETTE_SIZE * PALETTE_SIZE;

// The cell at index (row by row) in the grid's own coordinates.
QRect CellRectangle(int index, const QWidget* grid)
{
    return CellRectangle(index / PALETTE_SIZE, index % PALETTE_SIZE, grid->width(), grid->height());
}

// One cell for screen readers: a list item named by its code, focused while
// it is the grid's focus cell and the grid has the focus.
class PaletteCellAccessible : public QAccessibleInterface {
public:
    PaletteCellAccessible(PaletteGrid* grid, int index) : grid(grid), index(index) {}

    bool isValid() const override { return !grid.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid ? grid->window()->windowHandle() : nullptr; }
    QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return {};
        return QString::fromStdString(FormatHtmlCode(PALETTE_CELLS[size_t(index)]));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (grid.isNull())
            return {};
        const QRect cell = CellRectangle(index, grid);
        return QRect(grid->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        const bool current = !grid.isNull() && grid->FocusIndex() == index;
        state.selected = current;
        state.focused = current && grid->hasFocus();
        return state;
    }

private:
    QPointer<PaletteGrid> grid;
    int index;
};

// The grid: a list of its 256 cells, whose interfaces it makes when first
// asked for and removes with itself.
class PaletteGridAccessible : public QAccessibleWidget {
public:
    explicit PaletteGridAccessible(PaletteGrid* grid) : QAccessibleWidget(grid, QAccessible::List) {}
    ~PaletteGridAccessible() override
    {
        for (const QAccessible::Id id : cells) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
    }
    int childCount() const override { return CELL_COUNT; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= CELL_COUNT)
            return nullptr;
        QAccessible::Id& id = cells[size_t(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new PaletteCellAccessible(Grid(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (size_t i = 0; i < cells.size(); ++i) {
            if (cells[i] != 0 && QAccessible::accessibleInterface(cells[i]) == child)
                return int(i);
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return Grid()->hasFocus() ? child(Grid()->FocusIndex()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint point = Grid()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < CELL_COUNT; ++i) {
            if (CellRectangle(i, Grid()).contains(point))
                return child(i);
        }
        return nullptr;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::fromStdString(FormatHtmlCode(Grid()->FocusValue()));
        return QAccessibleWidget::text(kind);
    }

private:
    PaletteGrid* Grid() const { return static_cast<PaletteGrid*>(widget()); }
    mutable std::array<QAccessible::Id, CELL_COUNT> cells{};
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
    setAccessibleName(QCoreApplication::translate("Reader", "Web-safe palette"));
}

int32_t PaletteGrid::HitTest(int x, int y) const
{
    return PaletteHitTest(x, y, width(), height());
}

int32_t PaletteGrid::FocusValue() const
{
    return static_cast<int32_t>(PALETTE_CELLS[size_t(FocusIndex())]);
}

int PaletteGrid::FocusIndex() const
{
    return focusRow * PALETTE_SIZE + focusColumn;
}

void PaletteGrid::AnnounceFocusCell()
{
    // The cell, as the focused item of the list: a reader speaks its code.
    QAccessibleEvent focused(this, QAccessible::Focus);
    focused.setChild(FocusIndex());
    QAccessible::updateAccessibility(&focused);
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
    AnnounceFocusCell();
}

void PaletteGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    emit focusCellChanged(FocusValue());
    // After Qt's own focus event for the list, so that the cell is heard last.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            AnnounceFocusCell();
    });
}

void PaletteGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace tonik
