#include "ui/ContrastStrip.h"

#include <QLabel>

#include "color/Contrast.h"
#include "platform/qt/DialogBuilder.h"
#include "platform/qt/DialogControls.h"

namespace tonik {

ContrastStrip::ContrastStrip(QWidget* dialog, int topDlu, int widthDlu) : QWidget(dialog)
{
    // Placed in dialog units like the template's items: text from the left
    // margin, "Fi&x" at the right end, both in the dialog's own font.
    const DialogUnits units = UnitsOf(dialog->font());
    auto pixels = [&units](int left, int top, int right, int bottom) {
        const QPoint topLeft = units.ToPixels(left, top);
        const QPoint bottomRight = units.ToPixels(right, bottom);
        return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
    };
    setGeometry(pixels(0, topDlu, widthDlu, topDlu + HEIGHT_DLU));
    label = new QLabel(this);
    label->setGeometry(pixels(5, 0, widthDlu - 5 - 30 - 4, HEIGHT_DLU));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fixButton = new DialogPushButton(QStringLiteral("Fi&x"), this);
    fixButton->setGeometry(pixels(widthDlu - 5 - 30, 1, widthDlu - 5, 1 + 12));
    fixButton->setAccessibleDescription(QStringLiteral("Moves the edited colour to the nearest readable colour"));
}

void ContrastStrip::SetRatio(double ratio)
{
    const QString text = QString::fromStdString(ContrastText(ratio));
    if (label->text() != text) {
        label->setText(text);
        const QString spoken = QString::fromStdString(ContrastSpokenText(ratio));
        label->setAccessibleName(spoken);
        label->setAccessibleDescription(spoken);
    }
    fixButton->setEnabled(ratio < AAA_RATIO);
}

}  // namespace tonik
