#include "platform/qt/PortalColorPick.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <algorithm>
#include <cmath>

namespace tonik {
namespace {

const QString PORTAL_SERVICE = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PORTAL_PATH = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SCREENSHOT = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString REQUEST = QStringLiteral("org.freedesktop.portal.Request");

// The handle the portal gives a request: derived from the caller's unique
// name (":1.42" becomes "1_42") and the token it chose.
QString RequestPath(const QDBusConnection& bus, const QString& token)
{
    QString sender = bus.baseService();
    sender.remove(0, sender.startsWith(QLatin1Char(':')) ? 1 : 0);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return PORTAL_PATH + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

bool ReadColor(const QVariant& value, double& red, double& green, double& blue)
{
    if (!value.canConvert<QDBusArgument>())
        return false;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentType() != QDBusArgument::StructureType)
        return false;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    return true;
}

// Absent: nothing owns the service, or it has no Screenshot interface. A
// time-out, a portal starting up or one failed pick are no such answer.
bool Absent(const QDBusError& error)
{
    const QDBusError::ErrorType type = error.type();
    return type == QDBusError::ServiceUnknown || type == QDBusError::UnknownInterface ||
           type == QDBusError::UnknownProperty || type == QDBusError::UnknownObject || type == QDBusError::InvalidArgs;
}

// The call's own limit passed: the portal may still be starting its picker.
bool TimedOut(const QDBusError& error)
{
    const QDBusError::ErrorType type = error.type();
    return type == QDBusError::NoReply || type == QDBusError::Timeout || type == QDBusError::TimedOut;
}

}  // namespace

PortalColorPick::PortalColorPick(QObject* parent) : QObject(parent) {}

PortalColorPick::~PortalColorPick()
{
    Close();
}

uint32_t PortalColorPick::ToColorValue(double red, double green, double blue)
{
    auto byte = [](double v) {
        // NaN compares false everywhere: it reads as 0.
        const double scaled = std::floor(v * 255 + 0.5);
        return uint32_t(scaled >= 0 ? std::min(scaled, 255.0) : 0.0);
    };
    return byte(red) | byte(green) << 8 | byte(blue) << 16;
}

void PortalColorPick::Probe()
{
    if (availability == Availability::Unknown)
        QueryVersion();
}

bool PortalColorPick::Start(const QString& parentWindow)
{
    if (availability == Availability::Unavailable || Busy())
        return false;
    Close();
    pending = true;
    pendingSince.start();
    pendingParent = parentWindow;
    if (availability == Availability::Available)
        CallPickColor();
    else
        QueryVersion();  // the call follows its answer
    return true;
}

void PortalColorPick::QueryVersion()
{
    if (versionAsked)
        return;  // one question at a time; its answer serves every pick waiting
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Fail(true);
        return;
    }
    versionAsked = true;
    QDBusMessage get = QDBusMessage::createMethodCall(PORTAL_SERVICE, PORTAL_PATH,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << SCREENSHOT << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get, CALL_TIMEOUT_MS), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        versionAsked = false;
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isError()) {
            Fail(Absent(reply.error()));
            return;
        }
        if (reply.value().variant().toUInt() < 2) {
            Fail(true);
            return;
        }
        availability = Availability::Available;
        if (pending)
            CallPickColor();
    });
}

void PortalColorPick::CallPickColor()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("tonik%1").arg(++tokens);
    // Subscribed before the call, so that an answer as fast as the call's own
    // reply is never missed.
    Subscribe(RequestPath(bus, token));
    QDBusMessage pick = QDBusMessage::createMethodCall(PORTAL_SERVICE, PORTAL_PATH, SCREENSHOT,
                                                       QStringLiteral("PickColor"));
    pick << pendingParent << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(pick, CALL_TIMEOUT_MS), this);
    const QString expected = requestPath;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, expected](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        // The reply may come after its pick's own Response: then it belongs to
        // a pick that is over, and the one now pending is none of its business.
        if (!pending || requestPath != expected)
            return;
        const QDBusPendingReply<QDBusObjectPath> reply = *call;
        // A portal activated again after a restart may put its picker up
        // after the call's limit: the pick stays pending, so the click the
        // user makes there still counts; a press after the pick limit closes it.
        if (reply.isError() && TimedOut(reply.error()))
            return;
        if (reply.isError()) {
            Fail(Absent(reply.error()));
            return;
        }
        // Portals older than the handle_token option answer on a path of their own.
        if (reply.value().path() != requestPath)
            Subscribe(reply.value().path());
    });
}

void PortalColorPick::Subscribe(const QString& path)
{
    Unsubscribe();
    requestPath = path;
    // Only the portal's own answer counts: QtDBus matches the sender against
    // the unique name that owns the portal's service.
    QDBusConnection::sessionBus().connect(PORTAL_SERVICE, requestPath, REQUEST, QStringLiteral("Response"), this,
                                          SLOT(OnResponse(uint, QVariantMap)));
}

void PortalColorPick::Unsubscribe()
{
    if (requestPath.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(PORTAL_SERVICE, requestPath, REQUEST, QStringLiteral("Response"), this,
                                             SLOT(OnResponse(uint, QVariantMap)));
    requestPath.clear();
}

void PortalColorPick::OnResponse(uint response, const QVariantMap& results)
{
    if (!pending)
        return;
    pending = false;
    Unsubscribe();
    double red = 0, green = 0, blue = 0;
    if (response == 0 && ReadColor(results.value(QStringLiteral("color")), red, green, blue)) {
        emit picked(ToColorValue(red, green, blue));
        return;
    }
    emit cancelled();
}

void PortalColorPick::Close()
{
    if (!pending)
        return;
    pending = false;
    const QString path = requestPath;
    Unsubscribe();
    if (path.isEmpty())
        return;  // the call itself was not made yet
    // Sent, not waited for: its reply tells Tonik nothing.
    QDBusConnection::sessionBus().send(
        QDBusMessage::createMethodCall(PORTAL_SERVICE, path, REQUEST, QStringLiteral("Close")));
}

void PortalColorPick::Fail(bool absent)
{
    const bool wasPending = pending;
    pending = false;
    Unsubscribe();
    if (absent) {
        availability = Availability::Unavailable;
        emit unavailable();
    } else if (wasPending) {
        emit cancelled();
    }
}

}  // namespace tonik
