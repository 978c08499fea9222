// The random show set up from the keyboard under a real X server, then played: the folder
// chosen in the setup window is the one the show takes its picture from.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QThread>

#include <functional>
#include <memory>

// Last: Xlib defines macros such as None that clash with the names of others.
#include "support/x_display.h"
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class RandomSetupEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        display_.reset(XOpenDisplay(nullptr));
        if (!display_)
            GTEST_SKIP() << "needs an X display";
        browse_ = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/browse/");
        pictures_ = browse_ + QStringLiteral("Holiday Pictures");
        QDir().mkpath(pictures_);
        QImage red(320, 240, QImage::Format_RGB32);
        red.fill(Qt::red);
        ASSERT_TRUE(red.save(pictures_ + QStringLiteral("/red.bmp"), "BMP"));
        data_ = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quintavue/");
        QDir().mkpath(data_);
        QFile saved(data_ + QStringLiteral("quintavu.rss"));
        ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
        saved.write("\"Quintavue\",0,1,0,15,0,0,1,1\r\n\"/nowhere/Old Pictures\"\r\n\"/nowhere/Sounds\"\r\n");
    }

    void TearDown() override
    {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
    }

    void start(const QString& argument)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program_.setProcessEnvironment(environment);
        program_.setWorkingDirectory(browse_);  // where the browsers open
        program_.setProcessChannelMode(QProcess::ForwardedChannels);
        program_.start(qEnvironmentVariable("QV_PROGRAM"), {argument});
        ASSERT_TRUE(program_.waitForStarted());
    }

    // The viewable top-level window of that name, once it is there (0 after 20 s).
    Window waitForWindow(const QString& wanted)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 20000 && program_.state() == QProcess::Running) {
            Window root = 0;
            Window parent = 0;
            Window* children = nullptr;
            unsigned int count = 0;
            Window found = 0;
            XQueryTree(display_.get(), DefaultRootWindow(display_.get()), &root, &parent, &children, &count);
            for (unsigned int i = 0; i < count && found == 0; ++i) {
                XWindowAttributes attributes;
                char* name = nullptr;
                if (XGetWindowAttributes(display_.get(), children[i], &attributes) != 0
                    && attributes.map_state == IsViewable && XFetchName(display_.get(), children[i], &name) != 0
                    && wanted == QLatin1String(name))
                    found = children[i];
                XFree(name);
            }
            XFree(children);
            if (found != 0)
                return found;
            QThread::msleep(50);
        }
        return 0;
    }

    // There is no window manager: the test gives the focus as one would.
    void focus(Window window)
    {
        XSetInputFocus(display_.get(), window, RevertToParent, CurrentTime);
        XSync(display_.get(), False);
        QThread::msleep(300);
    }

    void press(KeySym key, bool alt = false)
    {
        Display* display = display_.get();
        const KeyCode altKey = XKeysymToKeycode(display, XK_Alt_L);
        const KeyCode code = XKeysymToKeycode(display, key);
        if (alt)
            XTestFakeKeyEvent(display, altKey, True, CurrentTime);
        XTestFakeKeyEvent(display, code, True, CurrentTime);
        XTestFakeKeyEvent(display, code, False, CurrentTime);
        if (alt)
            XTestFakeKeyEvent(display, altKey, False, CurrentTime);
        XSync(display, False);
        QThread::msleep(400);
    }

    QRgb centrePixel() const
    {
        Display* display = display_.get();
        XImage* shot = XGetImage(display, DefaultRootWindow(display), DisplayWidth(display, 0) / 2,
                                 DisplayHeight(display, 0) / 2, 1, 1, AllPlanes, ZPixmap);
        const QRgb pixel = shot != nullptr ? static_cast<QRgb>(XGetPixel(shot, 0, 0)) & 0xffffffU : 0;
        if (shot != nullptr)
            XDestroyImage(shot);
        return pixel;
    }

    QByteArray savedFile() const
    {
        QFile file(data_ + QStringLiteral("quintavu.rss"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    qv::test::DisplayConnection display_;
    QString browse_;
    QString pictures_;
    QString data_;
    QProcess program_;
};

TEST_F(RandomSetupEndToEnd, AFolderAddedFromTheKeyboardIsWhatTheShowPlays)
{
    start(QStringLiteral("/c"));
    const Window title = waitForWindow(QStringLiteral("Quintavue v5.6"));
    ASSERT_NE(title, 0U) << "the title screen did not appear";
    focus(title);
    press(XK_r, true);  // Random
    press(XK_e, true);  // Edit Slide Show
    const Window setup = waitForWindow(QStringLiteral("Random Slide Show Editor"));
    ASSERT_NE(setup, 0U);
    focus(setup);
    // The folder list has the focus, on the folder the program started in.
    press(XK_Down);   // highlights "Holiday Pictures" and lists its picture
    press(XK_Tab);    // the file list
    press(XK_Tab);    // "Add"
    press(XK_space);
    for (int i = 0; i < 3; ++i)
        press(XK_Tab);  // "Delete", "Preview Picture", the picture path list
    press(XK_Home);     // the old folder alone is selected
    press(XK_Delete);
    press(XK_o, true);  // "&Ok"
    ASSERT_NE(waitForWindow(QStringLiteral("Quintavue v5.6")), 0U);
    EXPECT_EQ(savedFile(), "\"Quintavue\",0,1,0,15,0,0,1,1\r\n\"" + QFile::encodeName(pictures_)
                               + "\"\r\n\"/nowhere/Sounds\"\r\n");
    focus(title);
    press(XK_x, true);  // Exit
    ASSERT_TRUE(program_.waitForFinished(20000));

    start(QStringLiteral("/s"));
    QElapsedTimer timer;
    timer.start();
    QRgb centre = 0;
    while (timer.elapsed() < 20000 && program_.state() == QProcess::Running && centre != 0xff0000U) {
        QThread::msleep(100);
        centre = centrePixel();
    }
    EXPECT_EQ(centre, 0xff0000U) << "the show did not bring up the red picture";
    press(XK_Escape);
    EXPECT_TRUE(program_.waitForFinished(20000));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
