// The show as the desktop's screen saver: inside a daemon's window, and full screen
// beside the desktop's own saver, which it holds off while it runs and releases
// when it ends. Runs under Xvfb with a private session bus.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QSettings>

#include "support/test_files.h"
#include "support/x_program.h"  // last: Xlib macros

namespace {

// The desktop's idle screen saver, as the freedesktop service offers it.
class FakeDesktopSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    int held = 0;
    int inhibitions = 0;

public Q_SLOTS:
    quint32 Inhibit(const QString&, const QString&)
    {
        ++held;
        return static_cast<quint32>(++inhibitions);
    }
    void UnInhibit(quint32) { --held; }
};

class DesktopSaverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!program_.connect())
            GTEST_SKIP() << "needs an X display";
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            GTEST_SKIP() << "needs a session bus";
        ASSERT_TRUE(bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
        ASSERT_TRUE(bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver_,
                                       QDBusConnection::ExportAllSlots));
    }

    void TearDown() override
    {
        program_.kill();
        QDBusConnection::sessionBus().unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
        QDBusConnection::sessionBus().unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
    }

    // Runs this process's events (the fake service answers there) until `done` holds
    // (true) or `milliseconds` have passed.
    bool runUntil(int milliseconds, const std::function<bool()>& done)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < milliseconds) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (done())
                return true;
            QThread::msleep(10);
        }
        return false;
    }
    void runFor(int milliseconds) { runUntil(milliseconds, [] { return false; }); }
    bool finishesWithin(int milliseconds)
    {
        // This process's events may see the end first (the fake service answers there).
        return runUntil(milliseconds, [this] { return program_.finishedWithin(20); });
    }

    // A custom show of plain pictures, each `delay` seconds, in the test's scratch folder.
    QString writeShow(const QString& name, const std::vector<std::pair<const char*, QColor>>& pictures, int delay)
    {
        const QString folder = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/");
        std::vector<qv::test::ShowSlide> slides;
        for (const auto& [picture, colour] : pictures) {
            EXPECT_TRUE(qv::test::savePlainPicture(folder + QLatin1String(picture), colour, 64, 48));
            slides.push_back({folder + QLatin1String(picture), delay});
        }
        EXPECT_TRUE(qv::test::writeFile(folder + name, qv::test::customShowText(slides)));
        return folder + name;
    }

    FakeDesktopSaver saver_;
    qv::test::XProgram program_;
};

// Holding the desktop's saver off also keeps the monitor lit and the machine awake:
// right for a presentation someone watches, wrong for the show as the idle saver.
TEST_F(DesktopSaverTest, OnlyAPresentationHoldsOffTheDesktopSaverAndOnlyWhileItRuns)
{
    ASSERT_TRUE(program_.start({writeShow(QStringLiteral("watched.css"), {{"red.bmp", Qt::red}}, 30)}));
    runUntil(15000, [this] { return saver_.held != 0; });
    EXPECT_EQ(saver_.held, 1) << "a presentation let the desktop blank the screen";
    program_.signal(SIGTERM);
    ASSERT_TRUE(finishesWithin(10000));
    EXPECT_EQ(program_.process().exitCode(), 0);
    runFor(200);
    EXPECT_EQ(saver_.held, 0) << "an inhibition was left behind";

    ASSERT_TRUE(program_.start({QStringLiteral("/s")}));
    runFor(4000);
    EXPECT_TRUE(program_.running());
    EXPECT_EQ(saver_.inhibitions, 1) << "the idle screen saver kept the machine awake";
    program_.signal(SIGTERM);
    ASSERT_TRUE(finishesWithin(10000));
}

// No click can reach a show inside a daemon's window, so a presentation there must move
// on by its delays; the daemon is the saver there, so nothing is held off, and the show
// ends cleanly when the daemon terminates it.
TEST_F(DesktopSaverTest, APresentationInsideADaemonsWindowMovesOnByItself)
{
    const QString show = writeShow(QStringLiteral("clicks.css"), {{"red.bmp", Qt::red}, {"green.bmp", Qt::green}}, 1);
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue"));
    store.setValue(QStringLiteral("data/presentation_mode"), 1);
    store.setValue(QStringLiteral("data/RandomFlag"), 0);
    store.setValue(QStringLiteral("data/slideshow_path"), show.left(show.lastIndexOf(QLatin1Char('/')) + 1));
    store.setValue(QStringLiteral("data/ActiveCSS"), QStringLiteral("clicks.css"));
    store.sync();

    const Window host = program_.makeHostWindow(320, 240);
    ASSERT_TRUE(program_.start({QStringLiteral("--window-id"), QStringLiteral("0x%1").arg(host, 0, 16)}));
    const auto centre = [&] { return program_.pixel(host, 160, 120); };
    bool red = false;
    EXPECT_TRUE(runUntil(12000, [&] {
        red = red || centre() == 0xff0000;
        return red && centre() == 0x00ff00;
    })) << "the presentation stayed on its first slide";
    EXPECT_EQ(saver_.inhibitions, 0) << "the daemon is the saver: nothing to hold off";
    QElapsedTimer sinceTerm;
    sinceTerm.start();
    program_.signal(SIGTERM);
    EXPECT_TRUE(finishesWithin(10000));
    EXPECT_EQ(program_.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.process().exitCode(), 0);
    // Reported, not asserted: the machine's load decides the exact figure.
    std::printf("ended %lld ms after SIGTERM\n", static_cast<long long>(sinceTerm.elapsed()));
    store.clear();
}

} // namespace

#include "desktop_saver_test.moc"
