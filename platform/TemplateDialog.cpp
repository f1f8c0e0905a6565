#include "platform/TemplateDialog.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QKeyEvent>
#include <QVariant>

#include "platform/Window.h"

namespace tonik {
namespace {

const char QUIET_PROPERTY[] = "tonikQuietWrite";

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), dialogTemplate(dialogTemplate)
{
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

}  // namespace tonik
