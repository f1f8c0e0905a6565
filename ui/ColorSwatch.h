// The colour swatch: shows one colour value, or the button face for NO_COLOR.
#pragma once

#include <QWidget>
#include <cstdint>

namespace tonik {

class ColorSwatch : public QWidget {
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    // Repaints, without erasing, only when the 32-bit value changes.
    void SetColor(int32_t value);

    int32_t color = -1;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tonik
