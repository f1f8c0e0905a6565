#include "tests/portal/FakePortal.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QTimer>
#include <utility>

namespace tonik {
namespace {

const QString PATH = QStringLiteral("/org/freedesktop/portal/desktop");

class PortalObject : public QDBusVirtualObject {
public:
    explicit PortalObject(FakePortal& portal) : portal(portal) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        FakePortal::Setup setup = portal.setup;
        if (message.member() == QLatin1String("Get") && message.arguments().value(1).toString() == "version") {
            const bool screenshot = message.arguments().value(0).toString() == "org.freedesktop.portal.Screenshot";
            const QDBusMessage reply =
                screenshot ? message.createReply(QVariant::fromValue(QDBusVariant(setup.version)))
                           : message.createErrorReply(QDBusError::UnknownProperty, "no such interface");
            if (std::exchange(firstCall, false) && setup.firstReplyDelayMs > 0) {
                message.setDelayedReply(true);
                QTimer::singleShot(setup.firstReplyDelayMs, [reply, connection] { QDBusConnection(connection).send(reply); });
            } else {
                connection.send(reply);
            }
            return true;
        }
        if (message.member() == QLatin1String("Close")) {
            portal.Record([&](FakePortal::Seen& seen) { seen.closed << message.path(); });
            if (setup.closeReplied)
                connection.send(message.createReply());
            else
                message.setDelayedReply(true);
            return true;
        }
        if (message.member() != QLatin1String("PickColor"))
            return false;
        const auto options = qdbus_cast<QVariantMap>(message.arguments().value(1).value<QDBusArgument>());
        const QString token = options.value("handle_token").toString();
        QString sender = message.service().mid(1);
        sender.replace('.', '_');
        const QString handle = PATH + "/request/" + sender + '/' + token;
        firstCall = false;
        portal.Record([&](FakePortal::Seen& seen) {
            if (++seen.pickCalls > setup.answeredSo)
                setup.answer = FakePortal::Answer::Color;
            seen.parentWindow = message.arguments().value(0).toString();
            seen.token = token;
            seen.handle = handle;
        });
        if (setup.answer == FakePortal::Answer::Error) {
            connection.send(message.createErrorReply(QDBusError::Failed, "the picker failed"));
            return true;
        }
        if (setup.answer == FakePortal::Answer::NoReply) {
            message.setDelayedReply(true);
            return true;
        }
        const QDBusMessage reply = message.createReply(QVariant::fromValue(QDBusObjectPath(handle)));
        if (setup.replyDelayMs > 0) {
            message.setDelayedReply(true);
            QTimer::singleShot(setup.replyDelayMs, [reply, connection] { QDBusConnection(connection).send(reply); });
        } else {
            connection.send(reply);
        }
        if (setup.answer == FakePortal::Answer::NoResponse)
            return true;
        const QString caller = message.service();
        QTimer::singleShot(setup.delayMs, [setup, handle, caller, connection] {
            QVariantMap results;
            if (setup.answer == FakePortal::Answer::Color) {
                QDBusArgument color;
                color.beginStructure();
                color << setup.red << setup.green << setup.blue;
                color.endStructure();
                results.insert("color", QVariant::fromValue(color));
            }
            QDBusMessage response = QDBusMessage::createTargetedSignal(caller, handle, "org.freedesktop.portal.Request",
                                                                       "Response");
            response << uint(setup.answer == FakePortal::Answer::Color ? 0 : 1) << results;
            QDBusConnection(connection).send(response);
        });
        return true;
    }

private:
    FakePortal& portal;
    bool firstCall = true;
};

}  // namespace

FakePortal::FakePortal(const Setup& setup) : setup(setup)
{
    start();
    ready.acquire();
}

FakePortal::~FakePortal()
{
    quit();
    wait();
}

FakePortal::Seen FakePortal::WhatItSaw()
{
    QMutexLocker lock(&mutex);
    return seen;
}

void FakePortal::Record(const std::function<void(Seen&)>& change)
{
    QMutexLocker lock(&mutex);
    change(seen);
}

void FakePortal::run()
{
    const QString name = QStringLiteral("fake-portal");
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        PortalObject object(*this);
        if (setup.registered) {
            bus.registerVirtualObject(PATH, &object, QDBusConnection::SubPath);
            bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
        }
        ready.release();
        exec();
        bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        bus.unregisterObject(PATH, QDBusConnection::UnregisterTree);
    }
    QDBusConnection::disconnectFromBus(name);
}

}  // namespace tonik
