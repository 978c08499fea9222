#include "components/platform/desktop_screensaver.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QObject>

#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's screen saver on a private session bus.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    int inhibitions = 0;
    int releases = 0;
    quint32 lastCookie = 0;

public Q_SLOTS:
    quint32 Inhibit(const QString& application, const QString& reason)
    {
        EXPECT_EQ(application, QStringLiteral("Quintavue"));
        EXPECT_FALSE(reason.isEmpty());
        ++inhibitions;
        lastCookie = 4000 + static_cast<quint32>(inhibitions);
        return lastCookie;
    }
    void UnInhibit(quint32 cookie)
    {
        EXPECT_EQ(cookie, lastCookie);
        ++releases;
    }
};

TEST(DesktopScreenSaver, InhibitsOnceAndReleasesWhatItHeld)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        GTEST_SKIP() << "no session bus";
    FakeScreenSaver saver;
    ASSERT_TRUE(bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
    ASSERT_TRUE(bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver,
                                   QDBusConnection::ExportAllSlots));

    qv::DesktopScreenSaver::inhibit();
    qv::DesktopScreenSaver::inhibit();  // already held: no second inhibition
    EXPECT_TRUE(qv::DesktopScreenSaver::inhibited());
    EXPECT_EQ(saver.inhibitions, 1);

    qv::DesktopScreenSaver::release();
    qv::DesktopScreenSaver::release();
    EXPECT_FALSE(qv::DesktopScreenSaver::inhibited());
    EXPECT_EQ(saver.releases, 1);
}

TEST(DesktopScreenSaver, WithoutTheServiceNothingIsHeld)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
    qv::DesktopScreenSaver::inhibit();
    EXPECT_FALSE(qv::DesktopScreenSaver::inhibited());
    qv::DesktopScreenSaver::release();
}

} // namespace

#include "desktop_screensaver_test.moc"
