#include "platform/qt/TemplateDialog.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QVariant>

#include "platform/qt/DialogAccessibility.h"
#include "platform/qt/Window.h"

namespace tonik {
namespace {

const char QUIET_PROPERTY[] = "tonikQuietWrite";

// The checked button among the exclusive radio buttons that share the
// widget's parent, or null when the widget is no such radio button or no
// button of its group is checked.
QAbstractButton* CheckedOfGroup(QWidget* widget)
{
    auto* button = qobject_cast<QRadioButton*>(widget);
    if (button == nullptr || !button->autoExclusive() || button->parentWidget() == nullptr)
        return nullptr;
    for (QRadioButton* sibling : button->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->autoExclusive() && sibling->isChecked())
            return sibling;
    }
    return nullptr;
}

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), dialogTemplate(dialogTemplate)
{
    InstallDialogAccessibility();
}

void TemplateDialog::Create()
{
    if (created)
        return;
    created = true;
    BuildDialog(this, dialogTemplate, factories, icons);
    // The hidden OK and Cancel buttons end the dialog as Enter and Escape do.
    if (auto* ok = qobject_cast<QAbstractButton*>(GetDlgItem(IDOK)))
        connect(ok, &QAbstractButton::clicked, this, [this] { done(IDOK); });
    if (auto* cancel = qobject_cast<QAbstractButton*>(GetDlgItem(IDCANCEL)))
        connect(cancel, &QAbstractButton::clicked, this, [this] { done(IDCANCEL); });
    OnInitDialog();
}

int TemplateDialog::DoModal()
{
    Create();
    return exec();
}

QWidget* TemplateDialog::GetDlgItem(int id) const
{
    return tonik::GetDlgItem(this, id);
}

void TemplateDialog::keyPressEvent(QKeyEvent* event)
{
    // QDialog presses only a visible default button; the template's OK and
    // Cancel buttons are hidden, so Enter and Escape are handled here.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A focused push button takes Enter for itself, as the default
            // button moves to it while it has the focus.
            if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && focused->isVisible()) {
                focused->click();
                return;
            }
            if (auto* ok = qobject_cast<QAbstractButton*>(GetDlgItem(IDOK)))
                ok->click();
            else
                done(IDOK);
            return;
        case Qt::Key_Escape:
            reject();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

bool TemplateDialog::focusNextPrevChild(bool next)
{
    // The next stop is found before the focus moves, so that a screen reader
    // hears the focus arrive once: on the checked button of a radio group,
    // never on its first button on the way there.
    QWidget* const from = focusWidget();
    QAbstractButton* const fromGroup = CheckedOfGroup(from);
    QWidget* at = from != nullptr ? from : this;
    const qsizetype widgets = findChildren<QWidget*>().size();
    for (qsizetype steps = 0; steps <= widgets; ++steps) {
        at = next ? at->nextInFocusChain() : at->previousInFocusChain();
        if (at == from)
            return true;
        if (at == this || !(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(this) || !at->isEnabled() ||
            at->focusProxy() != nullptr || !isAncestorOf(at))
            continue;
        QAbstractButton* const checked = CheckedOfGroup(at);
        if (checked != nullptr && checked == fromGroup)
            continue;  // still inside the group Tab is leaving
        (checked != nullptr ? static_cast<QWidget*>(checked) : at)
            ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return true;
}

void TemplateDialog::reject()
{
    done(IDCANCEL);
}

QuietWrite::QuietWrite(QWidget* control)
    : control(control), wasQuiet(control && control->property(QUIET_PROPERTY).toBool())
{
    if (control != nullptr)
        control->setProperty(QUIET_PROPERTY, true);
}

QuietWrite::~QuietWrite()
{
    if (control != nullptr)
        control->setProperty(QUIET_PROPERTY, wasQuiet);
}

bool IsWindowEnabled(const QWidget* control)
{
    return control != nullptr && control->isEnabled() && !control->property(QUIET_PROPERTY).toBool();
}

void TemplateDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const QSize fixed = minimumSize();
    if (fixed == maximumSize() && !fixed.isEmpty() && event->size() != fixed) {
        // Queued: the change of screen that caused it is still being handled.
        QMetaObject::invokeMethod(
            this, [this] {
                if (minimumSize() == maximumSize() && size() != minimumSize())
                    resize(minimumSize());
            },
            Qt::QueuedConnection);
    }
}

}  // namespace tonik
