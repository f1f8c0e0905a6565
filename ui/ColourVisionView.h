// The pair as everyone sees it: SAMPLE as it is and as readers with
// protanopia, deuteranopia, tritanopia and achromatopsia see it, each row with
// the contrast of its two colours and the four verdicts as the strip writes
// them. A window beside the dialog that follows the pair while it is open.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <utility>

#include "ui/PairPresentation.h"

class QLabel;
class QListWidget;

namespace tonik {

class ColourVisionView : public QDialog {
public:
    explicit ColourVisionView(QWidget* dialog);

    // Shows the rows of the pair; they are redrawn only when it changed.
    // After a Fix, says which rows still fail AA, until the pair changes again.
    void Show(const PairView& view);

    QListWidget* rows = nullptr;
    QLabel* fixNote = nullptr;

private:
    // The pair as it is, of the rows shown.
    std::optional<std::pair<uint32_t, uint32_t>> shown;
};

}  // namespace tonik
