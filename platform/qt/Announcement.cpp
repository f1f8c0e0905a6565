#include "platform/qt/Announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "platform/qt/DialogAccessibility.h"

namespace tonik {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void AnnounceToReaders(QWidget* window, const QString& text)
{
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
}

#else

namespace {

// Qt 6.4 has no announcement. Its AT-SPI bridge turns ObjectShow into
// object:state-changed:showing, which Orca presents for a notification,
// speaking its name. The notice is a window of its own, never shown: a
// notification inside the dialog would have Orca speak the dialog and its
// texts before it.
class Notice : public QWidget {
public:
    explicit Notice(QWidget* owner) : QWidget(owner, Qt::Tool) {}
};

QAccessibleInterface* NoticeAccessibleFactory(const QString&, QObject* object)
{
    if (auto* notice = dynamic_cast<Notice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

}  // namespace

void AnnounceToReaders(QWidget* window, const QString& text)
{
    if (!QAccessible::isActive())
        return;
    InstallAccessibleFactoryOnce(NoticeAccessibleFactory);
    Notice* notice = nullptr;
    for (QObject* child : window->children()) {
        if ((notice = dynamic_cast<Notice*>(child)) != nullptr)
            break;
    }
    if (notice == nullptr)
        notice = new Notice(window);
    notice->setAccessibleName(text);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

#endif

}  // namespace tonik
