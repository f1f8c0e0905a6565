// The desktop portal's colour pick (org.freedesktop.portal.Screenshot,
// PickColor, version 2 or later) on the session bus: the desktop's own picker
// takes the user's next click on any pixel of any monitor.
#pragma once

#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <cstdint>
#include <functional>

class QDBusPendingCallWatcher;

namespace tonik {

class PortalColorPick : public QObject {
    Q_OBJECT
public:
    // How long the portal may take to answer a call (not the user's pick).
    static constexpr int CALL_TIMEOUT_MS = 2000;

    explicit PortalColorPick(QObject* parent = nullptr);
    // Closes a pick still pending.
    ~PortalColorPick() override;

    enum class Availability { Unknown, Available, Unavailable };
    Availability availability = Availability::Unknown;

    // Asks once, without waiting, whether a portal that can pick answers;
    // onUnavailable follows when none does.
    void Probe();
    // Starts a pick for the window named as the portal wants it ("x11:..."
    // or ""). False, starting nothing, while a pick is pending or when the
    // portal is known to be unavailable.
    bool Start(const QString& parentWindow);
    bool Pending() const { return pending; }
    // Closes the pending request (org.freedesktop.portal.Request.Close).
    void Close();

    // The user picked a colour, 0x00BBGGRR.
    std::function<void(uint32_t color)> onPicked;
    // The user cancelled, or the pick ended another way.
    std::function<void()> onCancelled;
    // No portal answered: no service, no Screenshot interface, a version
    // below 2, a D-Bus error, or no answer to a call in time.
    std::function<void()> onUnavailable;

    // Each channel of the portal's colour, 0 to 1, as a byte: v * 255 + 0.5, clamped.
    static uint32_t ToColorValue(double red, double green, double blue);

private slots:
    // QtDBus connects signals by their signature only, hence a slot.
    void OnResponse(uint response, const QVariantMap& results);

private:
    void QueryVersion();
    // Asks the portal to pick for the pending pick's window.
    void CallPickColor();
    void Subscribe(const QString& path);
    void Unsubscribe();
    void Fail();

    bool pending = false;
    bool versionAsked = false;
    QString pendingParent;
    int tokens = 0;
    QString requestPath;
};

}  // namespace tonik
