// The strip below the template's controls: the WCAG contrast of the text and
// background colours with the four criteria, and "Fix", which moves the
// edited colour to the nearest readable one.
#pragma once

#include <QWidget>

#include "color/Contrast.h"
#include "ui/PairPresentation.h"

class QLabel;
class QPushButton;

namespace tonik {

class ContrastStrip : public QWidget {
public:
    // Height in dialog units.
    static constexpr int BUTTON_TOP_DLU = 1;
    static constexpr int BUTTON_HEIGHT_DLU = 12;
    static constexpr int HEIGHT_DLU = BUTTON_TOP_DLU + BUTTON_HEIGHT_DLU + 5;

    // A strip across the dialog's whole width (widthDlu) from topDlu down.
    ContrastStrip(QWidget* dialog, int topDlu, int widthDlu);

    // Shows the pair's contrast and whether Fix can help; the text is
    // rewritten, and so repainted, only when it changes.
    void Show(const PairView& view);

    QLabel* label = nullptr;
    QPushButton* fixButton = nullptr;
};

// The contrast's words in the language of the installed translations, the
// ratio with the user's decimal separator ("4,47" in German): for reading
// and hearing, never for CSS.
ContrastWords ReaderContrastWords();

}  // namespace tonik
