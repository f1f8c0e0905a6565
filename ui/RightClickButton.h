// The dropper icon: a static control that reports a left press as a click and
// a right press as an NM_RCLICK notification to its parent.
#pragma once

#include "platform/qt/CtlColorWidgets.h"

namespace tonik {

class RightClickButton : public CtlColorLabel {
    Q_OBJECT
public:
    using CtlColorLabel::CtlColorLabel;

signals:
    // The static control's click notification, sent when the left button goes down.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // A double click is not a second press: it notifies nothing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace tonik
