// The palette grid control: paints the 256 cells and answers the hit test.
// The mouse goes through it to the dialog, which calls HitTest. From the
// keyboard it keeps a focus cell: the arrow keys move it, Home and End go to
// the ends of its row, Enter or Space picks it as a left press would, and
// Shift+Enter as a right press.
#pragma once

#include <QWidget>
#include <cstdint>

namespace tonik {

class PaletteGrid : public QWidget {
    Q_OBJECT
public:
    explicit PaletteGrid(QWidget* parent = nullptr);

    // The cell value under a point in client coordinates, or NO_COLOR.
    int32_t HitTest(int x, int y) const;
    // The value of the keyboard's focus cell, and its index (row by row).
    int32_t FocusValue() const;
    int FocusIndex() const;

    int focusRow = 0;
    int focusColumn = 0;

signals:
    // The focus cell moved to a cell of this value, or the grid took the focus.
    void focusCellChanged(int32_t value);
    // Enter or Space on the focus cell: right is 1 for Shift+Enter.
    void cellPicked(int32_t value, int right);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void MoveFocus(int row, int column);
    void AnnounceFocusCell();
};

// The grid for screen readers: a list of 256 items named by their codes, the
// focus cell its focused item (and the grid's value).
void InstallPaletteAccessibility();

}  // namespace tonik
