#include "platform/qt/CtlColorWidgets.h"

#include <QPainter>
#include <QStyle>

#include "platform/qt/Window.h"

namespace tonik {
namespace {

// Applies an answer's text and background colours to a palette; returns true
// when the palette has to change.
bool ApplyToPalette(const CtlColorAnswer& answer, QPalette& palette, QPalette::ColorRole textRole,
                    QPalette::ColorRole baseRole)
{
    bool changed = false;
    if (answer.dc.textColor) {
        const QColor text = ColorRefToQColor(*answer.dc.textColor);
        changed = changed || palette.color(textRole) != text;
        palette.setColor(textRole, text);
    }
    if (answer.brush != nullptr) {
        const QColor back = ColorRefToQColor(answer.brush->color);
        changed = changed || palette.color(baseRole) != back;
        palette.setColor(baseRole, back);
    }
    return changed;
}

// Edits take their colours through the palette; a read-only one asks as a static.
void ApplyEditColors(QWidget* edit, bool readOnly)
{
    const CtlColorAnswer answer = RequestCtlColor(edit, readOnly ? CTLCOLOR_STATIC : CTLCOLOR_EDIT);
    QPalette palette = edit->palette();
    if (ApplyToPalette(answer, palette, QPalette::Text, QPalette::Base))
        edit->setPalette(palette);
}

}  // namespace

void CtlColorLabel::paintEvent(QPaintEvent* event)
{
    const CtlColorAnswer answer = RequestCtlColor(this, CTLCOLOR_STATIC);
    if (answer.brush == nullptr && !answer.dc.textColor) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (answer.brush != nullptr)
        painter.fillRect(rect(), ColorRefToQColor(answer.brush->color));
    if (!pixmap().isNull() || text().isEmpty()) {
        painter.end();
        QLabel::paintEvent(event);
        return;
    }
    QPalette palette = this->palette();
    if (answer.dc.textColor)
        palette.setColor(QPalette::WindowText, ColorRefToQColor(*answer.dc.textColor));
    const int flags = int(alignment()) | Qt::TextShowMnemonic;
    style()->drawItemText(&painter, contentsRect(), flags, palette, isEnabled(), text(), QPalette::WindowText);
}

void CtlColorSlider::paintEvent(QPaintEvent* event)
{
    const CtlColorAnswer answer = RequestCtlColor(this, CTLCOLOR_STATIC);
    if (answer.brush != nullptr) {
        QPainter painter(this);
        painter.fillRect(rect(), ColorRefToQColor(answer.brush->color));
    }
    QSlider::paintEvent(event);
}

void CtlColorLineEdit::paintEvent(QPaintEvent* event)
{
    ApplyEditColors(this, isReadOnly());
    QLineEdit::paintEvent(event);
}

void CtlColorTextEdit::paintEvent(QPaintEvent* event)
{
    ApplyEditColors(this, isReadOnly());
    QPlainTextEdit::paintEvent(event);
}

}  // namespace tonik
