// On a Wayland compositor without the ScreenSaver service (the sway of
// tests/support/with_headless_sway.sh), holding the desktop awake puts the
// compositor's idle-inhibit request on every shown window: one shown before, one
// shown after, and one shown again (Qt gives it a new surface); releasing takes the
// requests away.
#include "components/platform/desktop_screensaver.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// sway's own count of this process's windows that keep the desktop awake.
int count(const QJsonObject& node)
{
    int found = node.value(QStringLiteral("pid")).toInteger() == QCoreApplication::applicationPid()
                        && node.value(QStringLiteral("inhibit_idle")).toBool()
                    ? 1
                    : 0;
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node.value(QLatin1String(children)).toArray())
            found += count(child.toObject());
    return found;
}

int windowsHoldingTheDesktopAwake()
{
    QProcess swaymsg;
    swaymsg.start(QStringLiteral("swaymsg"), {QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_tree")});
    swaymsg.waitForFinished(5000);
    return count(QJsonDocument::fromJson(swaymsg.readAllStandardOutput()).object());
}

bool comesTo(int wanted)
{
    return QTest::qWaitFor([wanted] { return windowsHoldingTheDesktopAwake() == wanted; }, 3000);
}

TEST(WaylandIdleInhibition, EveryShownWindowHoldsTheDesktopAwakeWhileHeld)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        GTEST_SKIP() << "needs the sway of tests/support/with_headless_sway.sh";
    // Widgets, which paint: sway maps a window only once it shows something.
    QWidget before;
    before.resize(200, 150);
    before.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&before));
    EXPECT_TRUE(comesTo(0));

    qv::DesktopScreenSaver::inhibit();
    EXPECT_TRUE(qv::DesktopScreenSaver::inhibited());
    EXPECT_TRUE(comesTo(1));
    QWidget after;
    after.resize(200, 150);
    after.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&after));
    EXPECT_TRUE(comesTo(2)) << windowsHoldingTheDesktopAwake();
    before.hide();
    EXPECT_TRUE(comesTo(1));
    before.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&before));
    EXPECT_TRUE(comesTo(2)) << windowsHoldingTheDesktopAwake();

    qv::DesktopScreenSaver::release();
    EXPECT_FALSE(qv::DesktopScreenSaver::inhibited());
    EXPECT_TRUE(comesTo(0)) << windowsHoldingTheDesktopAwake();
}

} // namespace
