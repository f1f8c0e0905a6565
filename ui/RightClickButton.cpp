#include "ui/RightClickButton.h"

#include <QMouseEvent>

#include "platform/qt/Window.h"

namespace tonik {

void RightClickButton::mousePressEvent(QMouseEvent* event)
{
    // The parent has handled the notification when SendNotify returns; then the
    // press goes on to the control's own handling.
    if (event->button() == Qt::RightButton)
        SendNotify(this, NM_RCLICK);
    CtlColorLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
    // A control with the notify style keeps its presses from the dialog.
    event->accept();
}

void RightClickButton::mouseReleaseEvent(QMouseEvent* event)
{
    CtlColorLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit released(event->button() == Qt::RightButton ? 1 : 0);
    // Left unaccepted, the release goes on to the dialog, which ends a drag
    // that the press on the icon started.
}

void RightClickButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

}  // namespace tonik
