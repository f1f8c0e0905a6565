// The dropper icon: a static control that reports a left press as a click and
// a right press as an NM_RCLICK notification to its parent, and the release of
// either button.
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
    // A button that went down on the control came up (right: 1 for the right button).
    void released(int right);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A double click is not a second press: it notifies nothing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace tonik
