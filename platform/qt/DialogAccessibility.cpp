#include "platform/qt/DialogAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <vector>

#include "platform/qt/LineEditAccessible.h"
#include "platform/qt/TemplateDialog.h"

namespace tonik {
namespace {

bool Exposed(const QWidget* child)
{
    return !child->isWindow() && !child->isHidden() && qobject_cast<const QGroupBox*>(child) == nullptr;
}

class DialogAccessible : public QAccessibleWidget {
public:
    explicit DialogAccessible(QWidget* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    int childCount() const override { return int(Children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = Children();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr ? int(Children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> Children() const
    {
        QList<QWidget*> exposed;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (Exposed(child))
                exposed << child;
        }
        return exposed;
    }
};

QAccessibleInterface* DialogAccessibleFactory(const QString&, QObject* object)
{
    if (auto* dialog = dynamic_cast<TemplateDialog*>(object))
        return new DialogAccessible(dialog);
    return nullptr;
}

// The factories installed so far: Qt keeps a list, and one entry is enough.
std::vector<QAccessible::InterfaceFactory> installedFactories;

}  // namespace

void InstallAccessibleFactoryOnce(QAccessible::InterfaceFactory factory)
{
    if (std::find(installedFactories.begin(), installedFactories.end(), factory) != installedFactories.end())
        return;
    QAccessible::installFactory(factory);
    installedFactories.push_back(factory);
}

void DescribeByGroupBoxes(QWidget* dialog)
{
    const QList<QWidget*> children = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* child : children) {
        const auto* group = qobject_cast<const QGroupBox*>(child);
        if (group == nullptr)
            continue;
        QString title = group->title();
        title.remove(QLatin1Char('&'));
        for (QWidget* control : children) {
            // A control named as its group is not described by it again.
            if (control != group && qobject_cast<QGroupBox*>(control) == nullptr &&
                group->geometry().contains(control->geometry()) && control->accessibleDescription().isEmpty() &&
                control->accessibleName() != title)
                control->setAccessibleDescription(title);
        }
    }
}

void NameLabelsByText(QWidget* dialog)
{
    for (QLabel* label : dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QString name = QString(label->text()).remove(QLatin1Char('&')).trimmed();
        if (label->accessibleName().isEmpty() && !name.isEmpty() && name != label->text())
            label->setAccessibleName(name);
    }
}

void InstallDialogAccessibility()
{
    InstallAccessibleFactoryOnce(DialogAccessibleFactory);
    InstallAccessibleFactoryOnce(LineEditAccessibleFactory);
}

}  // namespace tonik
