#include "ui/ContrastStrip.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

#include "color/Contrast.h"
#include "platform/qt/DialogBuilder.h"
#include "platform/qt/DialogControls.h"

namespace tonik {

ContrastWords ReaderContrastWords()
{
    auto word = [](const char* text) { return QCoreApplication::translate("Contrast", text).toStdString(); };
    ContrastWords words;
    words.shown = word(QT_TRANSLATE_NOOP("Contrast", "Contrast %1:1"));
    words.large = word(QT_TRANSLATE_NOOP("Contrast", "%1 large"));
    words.spoken = word(QT_TRANSLATE_NOOP("Contrast", "Contrast %1 to 1."));
    words.passes = word(QT_TRANSLATE_NOOP("Contrast", "Passes %1."));
    words.fails = word(QT_TRANSLATE_NOOP("Contrast", "Fails %1."));
    words.decimalPoint = QLocale::system().decimalPoint().toStdString();
    return words;
}

ContrastStrip::ContrastStrip(QWidget* dialog, int topDlu, int widthDlu) : QWidget(dialog)
{
    // Placed in dialog units like the template's items: text from the left
    // margin, "Fi&x" at the right end, both in the dialog's own font.
    // The button keeps the bottom margin of 5 units that the template's
    // controls keep.
    const DialogUnits units = UnitsOf(dialog->font());
    setGeometry(units.ToPixelRect(0, topDlu, widthDlu, HEIGHT_DLU));
    label = new QLabel(this);
    label->setGeometry(units.ToPixelRect(5, 0, widthDlu - 5 - 30 - 4 - 5, BUTTON_TOP_DLU * 2 + BUTTON_HEIGHT_DLU));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fixButton = new DialogPushButton(QCoreApplication::translate("Contrast", "Fi&x"), this);
    fixButton->setGeometry(units.ToPixelRect(widthDlu - 5 - 30, BUTTON_TOP_DLU, 30, BUTTON_HEIGHT_DLU));
    fixButton->setAccessibleDescription(
        QCoreApplication::translate("Contrast", "Moves the edited colour to the nearest readable colour"));
}

void ContrastStrip::Show(const PairView& view)
{
    const QString text = QString::fromStdString(view.contrastText);
    if (label->text() != text) {
        label->setText(text);
        label->setAccessibleName(QString::fromStdString(view.contrastSpoken));
    }
    fixButton->setEnabled(view.fixEnabled);
}

}  // namespace tonik
