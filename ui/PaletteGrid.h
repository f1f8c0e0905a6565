// The palette grid control: paints the 256 cells and answers the hit test.
// It takes no mouse input; the dialog calls HitTest.
#pragma once

#include <QWidget>
#include <cstdint>

namespace tonik {

class PaletteGrid : public QWidget {
public:
    explicit PaletteGrid(QWidget* parent = nullptr);

    // The cell value under a point in client coordinates, or NO_COLOR.
    int32_t HitTest(int x, int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tonik
