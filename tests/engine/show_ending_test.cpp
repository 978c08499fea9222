// The program under a real X server as a desktop has it. Ending the show from outside,
// whatever it is waiting for at that moment: the process must be gone within a second,
// cleanly, and leave nothing that refuses the next show.
#include "settings/global_settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

// Last: Xlib defines macros such as None that clash with the names of others.
#include "support/x_program.h"

namespace {

using qv::test::within;

class ShowEndingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!program_.connect())
            GTEST_SKIP() << "needs an X display";
        program_.keyPauseMs = 0;  // each test waits for what its keys do
        // Nothing of the last test's shows may pass for this test's show.
        ASSERT_TRUE(within(20000, [this] { return program_.centre() != 0xff0000; }));
        folder_ = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/ending/");
        QDir().mkpath(folder_);
        QFile::remove(desktopSettingsPath());
        ASSERT_TRUE(qv::test::savePlainPicture(red_ = folder_ + QStringLiteral("red.bmp"), Qt::red));
        ASSERT_TRUE(qv::test::savePlainPicture(green_ = folder_ + QStringLiteral("green.bmp"), Qt::green));
        ASSERT_TRUE(qv::test::writeFile(folder_ + QStringLiteral("broken.bmp"), "BM this is not a picture"));
        goodShow_ = showFile("good.css", {{red_, 30}, {green_, 30}});
        // "/s" plays the good show, with no password unless a test asks for one.
        qv::globalSettings() = qv::GlobalSettings();
        qv::GlobalSettings& settings = qv::globalSettings();
        settings.randomFlag = 0;
        settings.slideshowPath = folder_;
        settings.activeCss = QStringLiteral("good.css");
        settings.picinfoFlag = 0;
        settings.cDissolve = 0;
        qv::save_settings();
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue"))
            .setValue(QStringLiteral("data/slideshow_path"), folder_);
    }

    static QString desktopSettingsPath()
    {
        return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue/desktop.conf");
    }

    QString showFile(const char* name, const std::vector<qv::test::ShowSlide>& slides)
    {
        const QString path = folder_ + QLatin1String(name);
        EXPECT_TRUE(qv::test::writeFile(path, qv::test::customShowText(slides)));
        return path;
    }

    // The end of the show, however it came: prompt, clean, and nothing in the way of
    // the next show.
    void expectEndedCleanlyAfter(const std::function<void()>& endFromOutside)
    {
        QElapsedTimer sinceEnd;
        sinceEnd.start();
        endFromOutside();
        ASSERT_TRUE(program_.finishedWithin(10000)) << "still running 10 s after being ended";
        const qint64 took = sinceEnd.elapsed();
        // How long it took is printed for whoever reads the log; only a hang fails the test.
        std::printf("ended %lld ms after being ended from outside\n", static_cast<long long>(took));
        EXPECT_EQ(program_.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program_.process().exitCode(), 0);
        const QStringList markers = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
                                        .entryList({QStringLiteral("quintavue-*.lock")}, QDir::Files);
        EXPECT_TRUE(markers.isEmpty()) << markers.join(QLatin1Char(' ')).toStdString();

        ASSERT_TRUE(second_.start({QStringLiteral("/s")}));
        EXPECT_TRUE(within(10000, [this] { return program_.centre() == 0xff0000; })) << "the next show did not start";
        second_.signal(SIGTERM);
        EXPECT_TRUE(second_.process().waitForFinished(20000));
    }

    // Starts the program and waits for the red picture of the show to fill the screen.
    void startShowing(const QStringList& arguments)
    {
        ASSERT_TRUE(program_.start(arguments));
        ASSERT_TRUE(within(10000, [this] { return program_.centre() == 0xff0000; })) << "no show on the screen";
    }

    // A presentation of the good show, past the 2 seconds it lends a slide: it waits for a click.
    void startPresentationWaitingForAClick()
    {
        qv::globalSettings().presentationMode = 1;
        qv::save_settings();
        startShowing({goodShow_});
        QThread::msleep(3500);
    }

    // The show asks for `password`; a key brings its prompt up.
    void startWithThePromptUp(const char* password)
    {
        QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue"));
        ASSERT_TRUE(qv::test::writeFile(desktopSettingsPath(), "[Desktop]\nScreenSaveUsePassword=1\n"));
        ASSERT_TRUE(qv::setScreenSaverPassword(QString::fromLatin1(password)));
        qv::save_settings();
        startShowing({QStringLiteral("/s")});
        // The show may draw its first picture before it holds the keyboard, and a key
        // pressed meanwhile goes to no one. Asked seldom: each question takes the
        // keyboard for a moment, which the show's own attempt would then find taken.
        ASSERT_TRUE(within(20000, [this] {
            QThread::msleep(200);
            return keyboardTakenByAnother();
        })) << "the show never took the keyboard";
        program_.pressKeys("space");
        ASSERT_TRUE(within(20000, [this] { return program_.centre() != 0xff0000; })) << "no prompt came up";
    }

    // True while another program holds the keyboard: this test cannot take it.
    bool keyboardTakenByAnother() const
    {
        const int result = XGrabKeyboard(program_.display(), program_.root(), False, GrabModeAsync,
                                         GrabModeAsync, CurrentTime);
        if (result == GrabSuccess)
            XUngrabKeyboard(program_.display(), CurrentTime);
        XSync(program_.display(), False);
        return result == AlreadyGrabbed;
    }

    QString folder_;
    QString red_;
    QString green_;
    QString goodShow_;
    qv::test::XProgram program_;
    qv::test::XProgram second_;  // the next show, watched through program_'s connection
};

TEST_F(ShowEndingTest, WhileAPresentationWaitsForAClick)
{
    ASSERT_NO_FATAL_FAILURE(startPresentationWaitingForAClick());
    expectEndedCleanlyAfter([this] { program_.signal(SIGTERM); });
}

TEST_F(ShowEndingTest, WhenTheWindowManagerClosesAPresentationWaitingForAClick)
{
    ASSERT_NO_FATAL_FAILURE(startPresentationWaitingForAClick());
    const Window show = program_.window(QStringLiteral("slideshow running"));
    ASSERT_NE(show, 0U);
    expectEndedCleanlyAfter([this, show] {
        XEvent close = {};
        close.xclient.type = ClientMessage;
        close.xclient.window = show;
        close.xclient.message_type = XInternAtom(program_.display(), "WM_PROTOCOLS", False);
        close.xclient.format = 32;
        close.xclient.data.l[0] = static_cast<long>(XInternAtom(program_.display(), "WM_DELETE_WINDOW", False));
        close.xclient.data.l[1] = CurrentTime;
        XSendEvent(program_.display(), show, False, NoEventMask, &close);
        XFlush(program_.display());
    });
}

// The look-ahead finds the next picture broken and reports it for 5 seconds.
TEST_F(ShowEndingTest, WhileTheLookAheadReportsABrokenPicture)
{
    ASSERT_NO_FATAL_FAILURE(startShowing({showFile("broken next.css", {{red_, 30}, {folder_ + "broken.bmp", 30}})}));
    QThread::msleep(1000);
    expectEndedCleanlyAfter([this] { program_.signal(SIGTERM); });
}

TEST_F(ShowEndingTest, InsideATransition)
{
    // The slowest wipe from the left, about 4 s here: caught once its edge has left the
    // left side, with most of the width, some 3 s of it, still to cross.
    ASSERT_TRUE(program_.start({showFile("slow.css", {{red_, 30, 1, 255}, {green_, 30}})}));
    const int y = program_.screenHeight() / 2;
    ASSERT_TRUE(within(20000, [&] { return program_.pixel(program_.root(), program_.screenWidth() / 10, y) == 0xff0000; }));
    ASSERT_NE(program_.pixel(program_.root(), program_.screenWidth() * 9 / 10, y), 0xff0000U)
        << "the wipe was over before the test could end it";
    expectEndedCleanlyAfter([this] { program_.signal(SIGINT); });
}

TEST_F(ShowEndingTest, WhileThePasswordPromptIsUp)
{
    ASSERT_NO_FATAL_FAILURE(startWithThePromptUp("Owl"));
    expectEndedCleanlyAfter([this] { program_.signal(SIGTERM); });
}

TEST_F(ShowEndingTest, WhileAMessageBoxIsUp)
{
    const QString damaged = folder_ + QStringLiteral("damaged.css");
    ASSERT_TRUE(qv::test::writeFile(damaged, "\"Quintavue\",,,,,,,3\r\n\"only one"));
    ASSERT_TRUE(program_.start({damaged}));
    ASSERT_TRUE(within(10000, [this] { return program_.window(QStringLiteral("Quintavue")) != 0; })) << "no message box";
    expectEndedCleanlyAfter([this] { program_.signal(SIGTERM); });
}

TEST_F(ShowEndingTest, WhenTheDaemonTakesItsWindowAway)
{
    qv::globalSettings().activeCss = QStringLiteral("broken next.css");
    qv::save_settings();
    showFile("broken next.css", {{red_, 30}, {folder_ + "broken.bmp", 30}});
    const Window host = program_.makeHostWindow(320, 240);
    ASSERT_TRUE(program_.start({QStringLiteral("--window-id"), QString::number(host)}));
    ASSERT_TRUE(within(10000, [this, host] { return program_.pixel(host, 160, 120) == 0xff0000; }));
    QThread::msleep(1000);
    qv::globalSettings().activeCss = QStringLiteral("good.css");
    qv::save_settings();
    expectEndedCleanlyAfter([this, host] {
        XDestroyWindow(program_.display(), host);
        XFlush(program_.display());
    });
}

// Under a reparenting window manager (openbox), as on a desktop: the show takes the
// keyboard from every other program, so a key brings the prompt up and the typed
// password reaches it.
class UnderAWindowManager : public ShowEndingTest {
protected:
    void SetUp() override
    {
        ShowEndingTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (openbox.isEmpty())
            GTEST_SKIP() << "needs openbox";
        manager_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        manager_.start(openbox, {QStringLiteral("--sm-disable")});
        ASSERT_TRUE(manager_.waitForStarted());
        // A window manager owns the screen's manager selection once it has taken over.
        const Atom manager = XInternAtom(program_.display(), "WM_S0", False);
        ASSERT_TRUE(within(20000, [&] { return XGetSelectionOwner(program_.display(), manager) != 0; }))
            << "openbox did not take over";
    }

    void TearDown() override
    {
        program_.kill();
        if (manager_.state() != QProcess::NotRunning) {
            manager_.kill();
            manager_.waitForFinished();
        }
    }

    QProcess manager_;
};

TEST_F(UnderAWindowManager, TheTypedPasswordReachesThePrompt)
{
    ASSERT_NO_FATAL_FAILURE(startWithThePromptUp("owl"));
    EXPECT_TRUE(keyboardTakenByAnother()) << "the prompt let the keyboard go";
    program_.type("owl");
    EXPECT_TRUE(program_.endsCleanlyWithin(15000)) << "the password did not reach the prompt";
}

} // namespace
