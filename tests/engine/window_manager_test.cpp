// The show under a real reparenting window manager (openbox), as on a desktop: it
// takes the keyboard from every other program, a key ends it, and the typed password
// reaches its prompt.
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

#include <functional>
#include <memory>

// Last: Xlib defines macros such as None that clash with the names of others.
#include "support/x_display.h"
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

bool within(int milliseconds, const std::function<bool()>& done)
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

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        display_.reset(XOpenDisplay(nullptr));
        if (!display_)
            GTEST_SKIP() << "needs an X display";
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (openbox.isEmpty())
            GTEST_SKIP() << "needs openbox";
        manager_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        manager_.start(openbox, {QStringLiteral("--sm-disable")});
        ASSERT_TRUE(manager_.waitForStarted());
        ASSERT_TRUE(within(10000, [this] { return windowManagerRunning(); })) << "openbox did not take over";

        const QString folder = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/");
        QImage picture(320, 240, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(folder + QStringLiteral("red.bmp"), "BMP"));
        QFile show(folder + QStringLiteral("red.css"));
        ASSERT_TRUE(show.open(QIODevice::WriteOnly));
        show.write("\"Quintavue\",,,,,,,1\r\n\"" + folder.toUtf8() + "red.bmp\",\"\",30,0,0,\"\",0\r\n");
        showFile_ = show.fileName();
        qv::globalSettings() = qv::GlobalSettings();
        qv::globalSettings().randomFlag = 0;
        qv::globalSettings().activeCss = QStringLiteral("red.css");
        qv::save_settings();
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue"))
            .setValue(QStringLiteral("data/slideshow_path"), folder);
    }

    void TearDown() override
    {
        for (QProcess* process : {&program_, &manager_})
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
    }

    bool windowManagerRunning() const
    {
        const Atom check = XInternAtom(display_.get(), "_NET_SUPPORTING_WM_CHECK", False);
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        const bool found = XGetWindowProperty(display_.get(), DefaultRootWindow(display_.get()), check, 0, 1, False,
                                              XA_WINDOW, &type, &format, &count, &remaining, &data)
                               == Success
                           && count == 1;
        if (data != nullptr)
            XFree(data);
        return found;
    }

    void start(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program_.setProcessEnvironment(environment);
        program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program_.start(qEnvironmentVariable("QV_PROGRAM"), arguments);
        ASSERT_TRUE(program_.waitForStarted());
    }

    QRgb centre() const
    {
        const auto destroy = [](XImage* unwanted) { XDestroyImage(unwanted); };
        const std::unique_ptr<XImage, decltype(destroy)> shot(
            XGetImage(display_.get(), DefaultRootWindow(display_.get()), DisplayWidth(display_.get(), 0) / 2,
                      DisplayHeight(display_.get(), 0) / 2, 1, 1, AllPlanes, ZPixmap),
            destroy);
        return shot ? static_cast<QRgb>(XGetPixel(shot.get(), 0, 0)) & 0xffffff : 0;
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

    void type(KeySym key)
    {
        const KeyCode code = XKeysymToKeycode(display_.get(), key);
        XTestFakeKeyEvent(display_.get(), code, True, CurrentTime);
        XTestFakeKeyEvent(display_.get(), code, False, CurrentTime);
        XFlush(display_.get());
    }

    bool endsWithin(int milliseconds)
    {
        return program_.waitForFinished(milliseconds) && program_.exitStatus() == QProcess::NormalExit
               && program_.exitCode() == 0;
    }

    qv::test::DisplayConnection display_;
    QProcess manager_;
    QProcess program_;
    QString showFile_;
};

TEST_F(WindowManagerTest, TheShowHoldsTheKeyboardAndAKeyEndsIt)
{
    start({showFile_});
    ASSERT_TRUE(within(10000, [this] { return centre() == 0xff0000; })) << "no show on the screen";
    EXPECT_TRUE(within(3000, [this] { return keyboardTakenByAnother(); })) << "the show did not take the keyboard";
    type(XK_space);
    EXPECT_TRUE(endsWithin(5000));
}

TEST_F(WindowManagerTest, TheTypedPasswordReachesThePrompt)
{
    const QString desktop = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue/desktop.conf");
    QFile settings(desktop);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Desktop]\nScreenSaveUsePassword=1\n");
    settings.close();
    ASSERT_TRUE(qv::setScreenSaverPassword(QStringLiteral("owl")));
    qv::save_settings();

    start({QStringLiteral("/s")});
    ASSERT_TRUE(within(10000, [this] { return centre() == 0xff0000; })) << "no show on the screen";
    type(XK_space);
    ASSERT_TRUE(within(5000, [this] { return centre() != 0xff0000; })) << "no prompt came up";
    EXPECT_TRUE(keyboardTakenByAnother()) << "the prompt let the keyboard go";
    for (const KeySym key : {XK_o, XK_w, XK_l})
        type(key);
    EXPECT_TRUE(endsWithin(5000)) << "the password did not reach the prompt";
    QFile::remove(desktop);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
