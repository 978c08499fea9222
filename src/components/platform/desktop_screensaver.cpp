#include "components/platform/desktop_screensaver.h"

#include "components/platform/wayland_idle_inhibition.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>

#include <optional>

namespace qv {
namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");

std::optional<quint32> cookie;

bool serviceAvailable()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr)
        return false;
    return bus.interface()->isServiceRegistered(kService).value();
}

} // namespace

void DesktopScreenSaver::inhibit()
{
    if (inhibited())
        return;
    if (serviceAvailable()) {
        QDBusInterface saver(kService, kPath, kService, QDBusConnection::sessionBus());
        const QDBusReply<quint32> reply =
            saver.call(QStringLiteral("Inhibit"), QStringLiteral("Quintavue"), QStringLiteral("Slide show running"));
        if (reply.isValid()) {
            cookie = reply.value();
            return;
        }
    }
    // Wayland compositors without the service hold the desktop through the windows.
    WaylandIdleInhibition::hold();
}

void DesktopScreenSaver::release()
{
    WaylandIdleInhibition::release();
    if (!cookie)
        return;
    QDBusInterface saver(kService, kPath, kService, QDBusConnection::sessionBus());
    saver.call(QStringLiteral("UnInhibit"), *cookie);
    cookie.reset();
}

bool DesktopScreenSaver::inhibited() { return cookie.has_value() || WaylandIdleInhibition::held(); }

} // namespace qv
