// A new custom show built from the keyboard in the whole program under a real X server:
// two pictures added, a description and a delay set, the show saved under a name and
// tried in a test run. The file it writes is compared byte for byte.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QThread>

// Last: Xlib defines macros such as None that clash with the names of others.
#include "support/x_display.h"
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class EditorEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        display_.reset(XOpenDisplay(nullptr));
        if (!display_)
            GTEST_SKIP() << "needs an X display";
        pictures_ = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/Beach Pictures");
        QDir().mkpath(pictures_);
        QImage picture(160, 120, QImage::Format_RGB32);
        for (const char* name : {"a.bmp", "b.bmp"}) {
            picture.fill(Qt::blue);
            ASSERT_TRUE(picture.save(pictures_ + QLatin1Char('/') + QLatin1String(name), "BMP"));
        }
        data_ = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quintavue/");
    }

    void TearDown() override
    {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
    }

    // The viewable top-level window of that title (0 when it has not come within 20 s);
    // with `gone`, waits for it to go instead and returns 1 once it has.
    Window waitForWindow(const QString& title, bool gone = false)
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
                    && title == QLatin1String(name))
                    found = children[i];
                XFree(name);
            }
            XFree(children);
            if (found != 0 && !gone)
                return found;
            if (found == 0 && gone)
                return 1;
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

    Window focusWindow(const QString& title)
    {
        const Window window = waitForWindow(title);
        if (window != 0)
            focus(window);
        return window;
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
        QThread::msleep(250);
    }

    void type(const char* text)
    {
        for (const char* c = text; *c != '\0'; ++c)
            press(XStringToKeysym(QByteArray(1, *c).constData()));
    }

    qv::test::DisplayConnection display_;
    QString pictures_;
    QString data_;
    QProcess program_;
};

TEST_F(EditorEndToEnd, ANewShowBuiltFromTheKeyboardIsSavedAsBuilt)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program_.setProcessEnvironment(environment);
    program_.setWorkingDirectory(pictures_);  // where the picture browser opens
    program_.setProcessChannelMode(QProcess::ForwardedChannels);
    program_.start(qEnvironmentVariable("QV_PROGRAM"), {QStringLiteral("/c")});
    ASSERT_TRUE(program_.waitForStarted());

    const QString titleScreen = QStringLiteral("Quintavue v5.6");
    const QString editor = QStringLiteral("Custom Slide Show Editor");
    ASSERT_NE(focusWindow(titleScreen), 0U) << "the title screen did not appear";
    press(XK_c, true);  // Custom
    press(XK_n, true);  // Edit New Slide Show
    ASSERT_NE(focusWindow(editor), 0U);

    press(XK_a, true);  // Add: the dialog lists the two pictures of the folder
    ASSERT_NE(focusWindow(QStringLiteral("Add pictures to slide show")), 0U);
    press(XK_a, true);  // Add All
    ASSERT_NE(waitForWindow(QStringLiteral("Add pictures to slide show"), true), 0U);

    // The grid has the keys, on the first slide's picture.
    focusWindow(editor);
    press(XK_Right);
    press(XK_Return);
    ASSERT_NE(focusWindow(QStringLiteral("Edit description of picture")), 0U);
    type("sunrise");
    press(XK_Return);
    focusWindow(editor);
    press(XK_Right);
    press(XK_Return);
    ASSERT_NE(focusWindow(QStringLiteral("Number of seconds to display picture")), 0U);
    type("7");
    press(XK_Return);

    focusWindow(editor);
    press(XK_s, true);  // Save
    ASSERT_NE(focusWindow(QStringLiteral("Save Slideshow")), 0U);
    type("trip");
    press(XK_Return);
    // A test run plays the show full screen on a copy, which goes when a key ends it.
    focusWindow(editor);
    press(XK_t, true);
    ASSERT_NE(focusWindow(QStringLiteral("slideshow running")), 0U) << "the test run did not start";
    QThread::msleep(1000);
    press(XK_Escape);
    ASSERT_NE(waitForWindow(QStringLiteral("slideshow running"), true), 0U);
    EXPECT_EQ(QDir(data_).entryList({QStringLiteral("*.css")}, QDir::Files), QStringList{"trip.css"});

    focusWindow(editor);
    press(XK_x, true);  // Save & Exit
    ASSERT_NE(waitForWindow(editor, true), 0U) << "the editor did not close";

    QFile saved(data_ + QStringLiteral("trip.css"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray folder = QFile::encodeName(pictures_);
    EXPECT_EQ(saved.readAll(), "\"Quintavue\",,,,,,,2\r\n\"" + folder + "/a.bmp\",\"sunrise\",7,0,0,\"\",0\r\n\"" + folder
                                   + "/b.bmp\",\"\",15,0,0,\"\",0\r\n");

    ASSERT_NE(focusWindow(titleScreen), 0U);
    press(XK_x, true);  // Exit
    EXPECT_TRUE(program_.waitForFinished(20000));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
