// Configuration mode as a user meets it under a real X server: the splash, then the
// title screen, driven from the keyboard alone; the choices must reach the settings.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QThread>

#include <functional>
#include <map>

// Last: Xlib defines macros such as None that clash with the names of others.
#include "support/x_display.h"
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class TitleEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        display_.reset(XOpenDisplay(nullptr));
        if (!display_)
            GTEST_SKIP() << "needs an X display";
        const QString data = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quintavue/");
        QDir().mkpath(data);
        QFile show(data + QStringLiteral("Holiday.css"));
        ASSERT_TRUE(show.open(QIODevice::WriteOnly));
        show.write("\"Quintavue\",,,,,,,0\r\n");
    }

    void TearDown() override
    {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
    }

    // The viewable top-level windows and their names.
    std::map<Window, QString> windows() const
    {
        std::map<Window, QString> found;
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XQueryTree(display_.get(), DefaultRootWindow(display_.get()), &root, &parent, &children, &count);
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display_.get(), children[i], &attributes) == 0 || attributes.map_state != IsViewable)
                continue;
            char* name = nullptr;
            XFetchName(display_.get(), children[i], &name);
            found[children[i]] = QString::fromLatin1(name != nullptr ? name : "");
            XFree(name);
        }
        XFree(children);
        return found;
    }

    // Waits up to 20 s for a window that `wanted` accepts (or, with `gone`, for none).
    Window waitFor(const std::function<bool(Window, const QString&)>& wanted, bool gone = false)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 20000) {
            Window match = 0;
            for (const auto& [window, name] : windows())
                if (wanted(window, name))
                    match = window;
            if ((match != 0) != gone)
                return gone ? 1 : match;
            QThread::msleep(50);
        }
        return 0;
    }
    static std::function<bool(Window, const QString&)> named(const char* title)
    {
        return [title](Window, const QString& name) { return name == QLatin1String(title); };
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
        QThread::msleep(400);  // a mnemonic clicks its button after a short animation
    }

    // Starts configuration mode: the splash comes first and goes once the title is active.
    Window startTitleScreen()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        program_.setProcessEnvironment(environment);
        program_.setProcessChannelMode(QProcess::ForwardedChannels);
        program_.start(qEnvironmentVariable("QV_PROGRAM"), {QStringLiteral("/c")});
        EXPECT_TRUE(program_.waitForStarted());
        EXPECT_NE(waitFor(named("Quintavue")), 0U);
        const Window title = waitFor(named("Quintavue v5.6"));
        if (title != 0)
            focus(title);
        EXPECT_NE(waitFor(named("Quintavue"), true), 0U);
        return title;
    }

    void exitAndExpectSettings(Window title, const char* randomFlag, const char* activeShow)
    {
        focus(title);
        press(XK_x, true);
        ASSERT_TRUE(program_.waitForFinished(20000));
        EXPECT_EQ(program_.exitCode(), 0);
        QSettings stored(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue/Quintavue.ini"),
                         QSettings::IniFormat);
        EXPECT_EQ(stored.value(QStringLiteral("data/RandomFlag")).toString(), QLatin1String(randomFlag));
        EXPECT_EQ(stored.value(QStringLiteral("data/ActiveCSS")).toString(), QLatin1String(activeShow));
    }

    qv::test::DisplayConnection display_;
    QProcess program_;
};

TEST_F(TitleEndToEnd, ChoicesMadeFromTheKeyboardAreSavedOnExit)
{
    const Window title = startTitleScreen();
    ASSERT_NE(title, 0U);
    press(XK_c, true);  // Custom
    press(XK_s, true);  // to the list of shows
    press(XK_Down);     // the first show becomes the current one
    // Options opens over the title screen; its Ok (the default button) closes it.
    const std::map<Window, QString> before = windows();
    press(XK_o, true);
    const auto isNew = [&](Window window, const QString&) { return before.count(window) == 0; };
    const Window options = waitFor(isNew);
    ASSERT_NE(options, 0U);
    focus(options);
    press(XK_Return);
    ASSERT_NE(waitFor(isNew, true), 0U);
    exitAndExpectSettings(title, "0", "Holiday.css");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
