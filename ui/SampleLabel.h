// SAMPLE: the text colour on the background colour. A click swaps the two
// (the dialog takes the mouse); from the keyboard it is the last stop of the
// tab order, where Space or Enter swap as a click does. Screen readers see a
// button "Sample" with the action "Swap".
#pragma once

#include "platform/qt/CtlColorWidgets.h"

namespace tonik {

class SampleLabel : public CtlColorLabel {
    Q_OBJECT
public:
    explicit SampleLabel(QWidget* parent = nullptr);

    static QString SwapActionName();

signals:
    void swapRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tonik
