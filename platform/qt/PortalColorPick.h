// The desktop portal's colour pick (org.freedesktop.portal.Screenshot,
// PickColor, version 2 or later) on the session bus: the desktop's own picker
// takes the user's next click on any pixel of any monitor.
#pragma once

#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <cstdint>

namespace tonik {

class PortalColorPick : public QObject {
    Q_OBJECT
public:
    // How long the portal may take to answer a call (not the user's pick).
    static constexpr int CALL_TIMEOUT_MS = 2000;
    // A pick still pending after this long lost its answer (the portal was
    // restarted or crashed): the next press starts a new one.
    static constexpr int PICK_LIMIT_MS = 3000;

    explicit PortalColorPick(QObject* parent = nullptr);
    // Closes a pick still pending.
    ~PortalColorPick() override;

    enum class Availability { Unknown, Available, Unavailable };
    Availability availability = Availability::Unknown;

    // Asks once, without waiting, whether a portal that can pick answers;
    // unavailable() follows when none does.
    void Probe();
    // Starts a pick for the window named as the portal wants it ("x11:..."
    // or ""). False, starting nothing, while a recent pick is pending or when
    // the portal is known to be absent; a pick pending longer than the limit
    // is closed and a new one started.
    bool Start(const QString& parentWindow);
    bool Pending() const { return pending; }
    // Pending, and not yet for longer than the limit.
    bool Busy() const { return pending && pendingSince.elapsed() < PICK_LIMIT_MS; }
    // Closes the pending request (org.freedesktop.portal.Request.Close),
    // without waiting for the portal's answer.
    void Close();

    // Each channel of the portal's colour, 0 to 1, as a byte: v * 255 + 0.5, clamped.
    static uint32_t ToColorValue(double red, double green, double blue);

signals:
    // The user picked a colour, 0x00BBGGRR.
    void picked(uint32_t color);
    // The user cancelled, or the pick ended another way (a failed call: the
    // next press asks the portal again). A call without a reply in time
    // leaves its pick pending: a late picker's Response still counts.
    void cancelled();
    // The portal is absent for this run: no service, no Screenshot
    // interface, or a version below 2.
    void unavailable();

private slots:
    // QtDBus connects signals by their signature only, hence a slot.
    void OnResponse(uint response, const QVariantMap& results);

private:
    void QueryVersion();
    // Asks the portal to pick for the pending pick's window.
    void CallPickColor();
    void Subscribe(const QString& path);
    void Unsubscribe();
    // A call failed: the portal is given up for the run when it is absent
    // (no bus, no service, no Screenshot interface, a version below 2), else
    // only the pending pick ends and the next press asks again.
    void Fail(bool absent);

    bool pending = false;
    bool versionAsked = false;
    QElapsedTimer pendingSince;
    QString pendingParent;
    int tokens = 0;
    QString requestPath;
};

}  // namespace tonik
