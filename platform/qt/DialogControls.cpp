#include "platform/qt/DialogControls.h"

#include <QEvent>

namespace tonik {

DialogPushButton::DialogPushButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
}

bool DialogPushButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        click();
        return true;
    }
    return QPushButton::event(event);
}

bool DialogRadioButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        click();
        return true;
    }
    return QRadioButton::event(event);
}

bool MnemonicGroupBox::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        if (buddy != nullptr)
            buddy->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QGroupBox::event(event);
}

}  // namespace tonik
