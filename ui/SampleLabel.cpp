#include "ui/SampleLabel.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "platform/qt/DialogAccessibility.h"

namespace tonik {
namespace {

class SampleAccessible : public QAccessibleWidget {
public:
    explicit SampleAccessible(SampleLabel* sample) : QAccessibleWidget(sample, QAccessible::Button) {}

    QStringList actionNames() const override { return {SampleLabel::SwapActionName()}; }
    void doAction(const QString& name) override
    {
        if (name == SampleLabel::SwapActionName())
            emit static_cast<SampleLabel*>(widget())->swapRequested();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {QStringLiteral("Space")}; }
};

QAccessibleInterface* SampleAccessibleFactory(const QString&, QObject* object)
{
    if (auto* sample = qobject_cast<SampleLabel*>(object))
        return new SampleAccessible(sample);
    return nullptr;
}

}  // namespace

SampleLabel::SampleLabel(QWidget* parent) : CtlColorLabel(parent)
{
    InstallAccessibleFactoryOnce(SampleAccessibleFactory);
}

QString SampleLabel::SwapActionName()
{
    return QCoreApplication::translate("Reader", "Swap");
}

void SampleLabel::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit swapRequested();
        event->accept();
        return;
    }
    CtlColorLabel::keyPressEvent(event);
}

void SampleLabel::paintEvent(QPaintEvent* event)
{
    CtlColorLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus, seen where a keyboard user looks for it.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(2, 2, -2, -2);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void SampleLabel::focusInEvent(QFocusEvent* event)
{
    CtlColorLabel::focusInEvent(event);
    update();
}

void SampleLabel::focusOutEvent(QFocusEvent* event)
{
    CtlColorLabel::focusOutEvent(event);
    update();
}

}  // namespace tonik
