// The program under a real X server as a desktop has it. Ending the show from outside,
// whatever it is waiting for at that moment: the process must be gone within a second,
// cleanly, and leave nothing that refuses the next show.
#include "settings/global_settings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <functional>
#include <memory>

// Last: Xlib defines macros such as None that clash with the names of others.
#include "support/x_display.h"
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class ShowEndingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The server may still be busy with the connections of the last test's programs.
        for (int attempt = 0; attempt < 20 && !display_; ++attempt) {
            display_.reset(XOpenDisplay(nullptr));
            if (!display_)
                QThread::msleep(100);
        }
        if (!display_)
            GTEST_SKIP() << "needs an X display";
        // Nothing of the last test's shows may pass for this test's show.
        ASSERT_TRUE(within(5000, [this] { return centre() != 0xff0000; }));
        folder_ = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/ending/");
        QDir().mkpath(folder_);
        QFile::remove(desktopSettingsPath());
        red_ = picture("red.bmp", Qt::red);
        green_ = picture("green.bmp", Qt::green);
        QFile broken(folder_ + QStringLiteral("broken.bmp"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("BM this is not a picture");
        goodShow_ = showFile("good.css", {{red_, 30, 0, 0}, {green_, 30, 0, 0}});
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
        endLimitMs_ = qEnvironmentVariableIntValue("QV_END_LIMIT_MS");
        if (endLimitMs_ <= 0)
            endLimitMs_ = 1000;
    }

    void TearDown() override
    {
        for (QProcess* process : {&program_, &second_})
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
    }

    static QString desktopSettingsPath()
    {
        return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue/desktop.conf");
    }

    QString picture(const char* name, QColor colour)
    {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = folder_ + QLatin1String(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }

    struct Slide {
        QString path;
        int delay;
        int effect;
        int speed;
    };
    QString showFile(const char* name, const std::vector<Slide>& slides)
    {
        QByteArray text = "\"Quintavue\",,,,,,," + QByteArray::number(slides.size()) + "\r\n";
        for (const Slide& slide : slides)
            text += "\"" + slide.path.toUtf8() + "\",\"\"," + QByteArray::number(slide.delay) + ","
                  + QByteArray::number(slide.effect) + "," + QByteArray::number(slide.speed) + ",\"\",0\r\n";
        const QString path = folder_ + QLatin1String(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    void start(QProcess& process, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(qEnvironmentVariable("QV_PROGRAM"), arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    QRgb pixel(Window window, int x, int y) const
    {
        const auto destroy = [](XImage* unwanted) { XDestroyImage(unwanted); };
        const std::unique_ptr<XImage, decltype(destroy)> shot(
            XGetImage(display_.get(), window, x, y, 1, 1, AllPlanes, ZPixmap), destroy);
        return shot ? static_cast<QRgb>(XGetPixel(shot.get(), 0, 0)) & 0xffffff : 0;
    }
    QRgb centre() const
    {
        return pixel(DefaultRootWindow(display_.get()), DisplayWidth(display_.get(), 0) / 2,
                     DisplayHeight(display_.get(), 0) / 2);
    }

    static bool within(int milliseconds, const std::function<bool()>& done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > milliseconds)
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    Window windowTitled(const char* title) const
    {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        Window found = 0;
        if (XQueryTree(display_.get(), DefaultRootWindow(display_.get()), &root, &parent, &children, &count) == 0)
            return 0;
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            char* name = nullptr;
            XWindowAttributes attributes;
            if (XFetchName(display_.get(), children[i], &name) != 0 && name != nullptr) {
                if (qstrcmp(name, title) == 0 && XGetWindowAttributes(display_.get(), children[i], &attributes) != 0
                    && attributes.map_state == IsViewable)
                    found = children[i];
                XFree(name);
            }
        }
        if (children != nullptr)
            XFree(children);
        return found;
    }

    // The end of the show, however it came: prompt, clean, and nothing in the way of
    // the next show.
    void expectEndedCleanlyAfter(const std::function<void()>& endFromOutside)
    {
        QElapsedTimer sinceEnd;
        sinceEnd.start();
        endFromOutside();
        ASSERT_TRUE(program_.waitForFinished(10000)) << "still running 10 s after being ended";
        const qint64 took = sinceEnd.elapsed();
        std::printf("ended %lld ms after being ended from outside\n", static_cast<long long>(took));
        EXPECT_LE(took, endLimitMs_);
        EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program_.exitCode(), 0);
        const QStringList markers = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
                                        .entryList({QStringLiteral("quintavue-*.lock")}, QDir::Files);
        EXPECT_TRUE(markers.isEmpty()) << markers.join(QLatin1Char(' ')).toStdString();

        start(second_, {QStringLiteral("/s")});
        EXPECT_TRUE(within(10000, [this] { return centre() == 0xff0000; })) << "the next show did not start";
        ::kill(static_cast<pid_t>(second_.processId()), SIGTERM);
        EXPECT_TRUE(second_.waitForFinished(5000));
    }

    void signalProgram(int number) { ::kill(static_cast<pid_t>(program_.processId()), number); }

    void type(KeySym key)
    {
        const KeyCode code = XKeysymToKeycode(display_.get(), key);
        XTestFakeKeyEvent(display_.get(), code, True, CurrentTime);
        XTestFakeKeyEvent(display_.get(), code, False, CurrentTime);
        XFlush(display_.get());
    }

    void askForPasswords(const char* password)
    {
        QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue"));
        QFile desktop(desktopSettingsPath());
        ASSERT_TRUE(desktop.open(QIODevice::WriteOnly));
        desktop.write("[Desktop]\nScreenSaveUsePassword=1\n");
        desktop.close();
        ASSERT_TRUE(qv::setScreenSaverPassword(QString::fromLatin1(password)));
        qv::save_settings();
    }

    qv::test::DisplayConnection display_;
    QString folder_;
    QString red_;
    QString green_;
    QString goodShow_;
    int endLimitMs_ = 1000;
    QProcess program_;
    QProcess second_;
};

TEST_F(ShowEndingTest, WhileAPresentationWaitsForAClick)
{
    qv::globalSettings().presentationMode = 1;
    qv::save_settings();
    start(program_, {goodShow_});
    ASSERT_TRUE(within(10000, [this] { return centre() == 0xff0000; }));
    QThread::msleep(3500);  // past the 2 seconds a presentation lends a slide
    expectEndedCleanlyAfter([this] { signalProgram(SIGTERM); });
}

TEST_F(ShowEndingTest, WhenTheWindowManagerClosesAPresentationWaitingForAClick)
{
    qv::globalSettings().presentationMode = 1;
    qv::save_settings();
    start(program_, {goodShow_});
    ASSERT_TRUE(within(10000, [this] { return centre() == 0xff0000; }));
    QThread::msleep(3500);
    const Window show = windowTitled("slideshow running");
    ASSERT_NE(show, 0U);
    expectEndedCleanlyAfter([this, show] {
        XEvent close = {};
        close.xclient.type = ClientMessage;
        close.xclient.window = show;
        close.xclient.message_type = XInternAtom(display_.get(), "WM_PROTOCOLS", False);
        close.xclient.format = 32;
        close.xclient.data.l[0] = static_cast<long>(XInternAtom(display_.get(), "WM_DELETE_WINDOW", False));
        close.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_.get(), show, False, NoEventMask, &close);
        XFlush(display_.get());
    });
}

// The look-ahead finds the next picture broken and reports it for 5 seconds.
TEST_F(ShowEndingTest, WhileTheLookAheadReportsABrokenPicture)
{
    start(program_, {showFile("broken next.css", {{red_, 30, 0, 0}, {folder_ + "broken.bmp", 30, 0, 0}})});
    ASSERT_TRUE(within(10000, [this] { return centre() == 0xff0000; }));
    QThread::msleep(1000);
    expectEndedCleanlyAfter([this] { signalProgram(SIGTERM); });
}

TEST_F(ShowEndingTest, InsideATransition)
{
    // A slow wipe from the left: caught while its edge is between the left and the middle.
    start(program_, {showFile("slow.css", {{red_, 30, 1, 255}, {green_, 30, 0, 0}})});
    const int left = DisplayWidth(display_.get(), 0) / 6;
    const Window root = DefaultRootWindow(display_.get());
    ASSERT_TRUE(within(10000, [&] { return pixel(root, left, DisplayHeight(display_.get(), 0) / 2) == 0xff0000; }));
    ASSERT_NE(centre(), 0xff0000U) << "the wipe was over before the test could end it";
    expectEndedCleanlyAfter([this] { signalProgram(SIGINT); });
}

TEST_F(ShowEndingTest, WhileThePasswordPromptIsUp)
{
    askForPasswords("Owl");
    start(program_, {QStringLiteral("/s")});
    ASSERT_TRUE(within(10000, [this] { return centre() == 0xff0000; }));
    type(XK_space);
    ASSERT_TRUE(within(5000, [this] { return centre() != 0xff0000; })) << "no prompt came up";
    expectEndedCleanlyAfter([this] { signalProgram(SIGTERM); });
}

TEST_F(ShowEndingTest, WhileAMessageBoxIsUp)
{
    QFile damaged(folder_ + QStringLiteral("damaged.css"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\"Quintavue\",,,,,,,3\r\n\"only one");
    damaged.close();
    start(program_, {damaged.fileName()});
    ASSERT_TRUE(within(10000, [this] { return windowTitled("Quintavue") != 0; })) << "no message box";
    expectEndedCleanlyAfter([this] { signalProgram(SIGTERM); });
}

TEST_F(ShowEndingTest, WhenTheDaemonTakesItsWindowAway)
{
    qv::globalSettings().activeCss = QStringLiteral("broken next.css");
    qv::save_settings();
    showFile("broken next.css", {{red_, 30, 0, 0}, {folder_ + "broken.bmp", 30, 0, 0}});
    const Window host = XCreateSimpleWindow(display_.get(), DefaultRootWindow(display_.get()), 0, 0, 320, 240, 0, 0, 0);
    XMapWindow(display_.get(), host);
    XSync(display_.get(), False);
    start(program_, {QStringLiteral("--window-id"), QString::number(host)});
    ASSERT_TRUE(within(10000, [this, host] { return pixel(host, 160, 120) == 0xff0000; }));
    QThread::msleep(1000);
    qv::globalSettings().activeCss = QStringLiteral("good.css");
    qv::save_settings();
    expectEndedCleanlyAfter([this, host] {
        XDestroyWindow(display_.get(), host);
        XFlush(display_.get());
    });
}

// Under a reparenting window manager (openbox), as on a desktop: the show takes the
// keyboard from every other program, a key ends it, the typed password reaches its
// prompt.
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
        const Atom check = XInternAtom(display_.get(), "_NET_SUPPORTING_WM_CHECK", False);
        ASSERT_TRUE(within(10000, [&] {
            Atom type = 0;
            int format = 0;
            unsigned long count = 0;
            unsigned long remaining = 0;
            unsigned char* data = nullptr;
            XGetWindowProperty(display_.get(), DefaultRootWindow(display_.get()), check, 0, 1, False, XA_WINDOW, &type,
                               &format, &count, &remaining, &data);
            if (data != nullptr)
                XFree(data);
            return count == 1;
        })) << "openbox did not take over";
    }

    void TearDown() override
    {
        ShowEndingTest::TearDown();
        if (manager_.state() != QProcess::NotRunning) {
            manager_.kill();
            manager_.waitForFinished();
        }
    }

    // True while another program holds the keyboard: this test cannot take it.
    bool keyboardTakenByAnother() const
    {
        const int result = XGrabKeyboard(display_.get(), DefaultRootWindow(display_.get()), False, GrabModeAsync,
                                         GrabModeAsync, CurrentTime);
        if (result == GrabSuccess)
            XUngrabKeyboard(display_.get(), CurrentTime);
        XSync(display_.get(), False);
        return result == AlreadyGrabbed;
    }

    bool endsWithin(int milliseconds)
    {
        return program_.waitForFinished(milliseconds) && program_.exitStatus() == QProcess::NormalExit
               && program_.exitCode() == 0;
    }

    QProcess manager_;
};

TEST_F(UnderAWindowManager, TheShowHoldsTheKeyboardAndAKeyEndsIt)
{
    start(program_, {goodShow_});
    ASSERT_TRUE(within(10000, [this] { return centre() == 0xff0000; })) << "no show on the screen";
    EXPECT_TRUE(within(3000, [this] { return keyboardTakenByAnother(); })) << "the show did not take the keyboard";
    type(XK_space);
    EXPECT_TRUE(endsWithin(5000));
}

TEST_F(UnderAWindowManager, TheTypedPasswordReachesThePrompt)
{
    askForPasswords("owl");
    start(program_, {QStringLiteral("/s")});
    ASSERT_TRUE(within(10000, [this] { return centre() == 0xff0000; })) << "no show on the screen";
    type(XK_space);
    ASSERT_TRUE(within(5000, [this] { return centre() != 0xff0000; })) << "no prompt came up";
    EXPECT_TRUE(keyboardTakenByAnother()) << "the prompt let the keyboard go";
    for (const KeySym key : {XK_o, XK_w, XK_l})
        type(key);
    EXPECT_TRUE(endsWithin(5000)) << "the password did not reach the prompt";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
