#include "ui/ColorSwatch.h"

#include <QPainter>

#include "platform/Brush.h"
#include "platform/qt/Window.h"
#include "ui/PaletteTable.h"

namespace tonik {

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ColorSwatch::SetColor(int32_t value)
{
    if (value == color)
        return;
    color = value;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (color == NO_COLOR) {
        painter.fillRect(rect(), palette().window());  // the dialog's face
        return;
    }
    const Brush brush = Brush::CreateSolid(static_cast<uint32_t>(color));
    if (brush)
        painter.fillRect(rect(), ColorRefToQColor(brush.Handle()->color));
}

}  // namespace tonik
