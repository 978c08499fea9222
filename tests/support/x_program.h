#pragma once

// The program under test, started on the test's X server, and what the test does there
// as a user would: find windows by title, give them the focus, press keys, look at pixels.
// Include this last: Xlib defines macros such as None that clash with other names.
#include "support/test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <functional>
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace qv::test {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
// The test's own connection to the X server, closed when the test ends.
using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

// The program's windows come and go while a test looks at them: a request about one
// that has just gone is no failure (Xlib's own handler would end the test process).
inline int ignoreVanishedWindows(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable || error->error_code == BadMatch)
        return 0;
    char text[160] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    ADD_FAILURE() << "X error: " << text << " (request " << int{error->request_code} << ")";
    return 0;
}

class XProgram {
public:
    using WindowTest = std::function<bool(Window, const QString&)>;

    ~XProgram() { kill(); }

    // False when there is no X server; retries for 2 s while the server is still busy
    // with the connections of the last test's programs.
    bool connect()
    {
        XSetErrorHandler(ignoreVanishedWindows);
        for (int attempt = 0; attempt < 20 && !display_; ++attempt) {
            display_.reset(XOpenDisplay(nullptr));
            if (!display_)
                QThread::msleep(100);
        }
        return display_ != nullptr;
    }
    Display* display() const { return display_.get(); }
    Window root() const { return DefaultRootWindow(display_.get()); }
    QProcess& process() { return process_; }

    // Starts the program on this server, with `extra` added to the environment.
    bool start(const QStringList& arguments, const QString& workingFolder = {},
               const QProcessEnvironment& extra = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(extra);
        process_.setProcessEnvironment(environment);
        if (!workingFolder.isEmpty())
            process_.setWorkingDirectory(workingFolder);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(qEnvironmentVariable("QV_PROGRAM"), arguments);
        return process_.waitForStarted();
    }
    bool running() const { return process_.state() == QProcess::Running; }
    void signal(int number) { ::kill(static_cast<pid_t>(process_.processId()), number); }
    // QProcess reports an end once, to whichever wait or event loop sees it first; a
    // later wait for a process that has already ended answers false.
    bool finishedWithin(int milliseconds)
    {
        return process_.state() == QProcess::NotRunning || process_.waitForFinished(milliseconds);
    }
    // Finished within the time, normally, with exit code 0.
    bool endsCleanlyWithin(int milliseconds)
    {
        return finishedWithin(milliseconds) && process_.exitStatus() == QProcess::NormalExit
               && process_.exitCode() == 0;
    }
    void kill()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // The viewable top-level windows and their names.
    std::map<Window, QString> windows() const
    {
        std::map<Window, QString> found;
        Window rootWindow = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display_.get(), root(), &rootWindow, &parent, &children, &count) == 0)
            return found;
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
    static WindowTest titled(const QString& title)
    {
        return [title](Window, const QString& name) { return name == title; };
    }
    Window window(const WindowTest& wanted) const
    {
        for (const auto& [window, name] : windows())
            if (wanted(window, name))
                return window;
        return 0;
    }
    Window window(const QString& title) const { return window(titled(title)); }

    // A window `wanted` accepts, once it is there while the program runs (0 if it does not come).
    Window waitForWindow(const WindowTest& wanted, int milliseconds = 20000) const
    {
        Window found = 0;
        within(milliseconds, [&] { return !running() || (found = window(wanted)) != 0; });
        return found;
    }
    Window waitForWindow(const QString& title, int milliseconds = 20000) const
    {
        return waitForWindow(titled(title), milliseconds);
    }
    // True once no window `wanted` accepts is left while the program still runs.
    bool waitForWindowGone(const WindowTest& wanted, int milliseconds = 20000) const
    {
        return within(milliseconds, [&] { return !running() || window(wanted) == 0; }) && running();
    }
    bool waitForWindowGone(const QString& title, int milliseconds = 20000) const
    {
        return waitForWindowGone(titled(title), milliseconds);
    }

    // There is no window manager: the test gives the focus as one would. A window the
    // program maps or raises meanwhile may take the focus back late (Qt activates a new
    // window once it has seen it mapped, which under load comes after the test's own
    // focus): the focus is given again until it stays. True once it stayed.
    bool focus(Window window) const
    {
        bool gone = false;
        const bool stayed = within(20000, [&] {
            XWindowAttributes attributes;
            gone = XGetWindowAttributes(display_.get(), window, &attributes) == 0 || attributes.map_state != IsViewable;
            if (gone)
                return true;
            XSetInputFocus(display_.get(), window, RevertToParent, CurrentTime);
            XSync(display_.get(), False);
            QThread::msleep(300);
            return focusedWindow() == window;
        });
        return stayed && !gone;
    }
    Window focusedWindow() const
    {
        Window focused = 0;
        int revert = 0;
        XGetInputFocus(display_.get(), &focused, &revert);
        return focused;
    }
    Window focusWindow(const QString& title) const
    {
        const Window found = waitForWindow(title);
        if (found != 0)
            focus(found);
        return found;
    }

    // Presses and releases one key, "Return", "space", "alt+c", then lets the program catch
    // up (a mnemonic clicks its button after a short animation).
    void pressKeys(const QString& keys) const
    {
        const bool alt = keys.startsWith(QLatin1String("alt+"));
        const KeyCode altKey = XKeysymToKeycode(display_.get(), XK_Alt_L);
        const KeyCode code = XKeysymToKeycode(display_.get(), XStringToKeysym(keys.mid(alt ? 4 : 0).toLatin1().constData()));
        if (alt)
            XTestFakeKeyEvent(display_.get(), altKey, True, CurrentTime);
        XTestFakeKeyEvent(display_.get(), code, True, CurrentTime);
        XTestFakeKeyEvent(display_.get(), code, False, CurrentTime);
        if (alt)
            XTestFakeKeyEvent(display_.get(), altKey, False, CurrentTime);
        XSync(display_.get(), False);
        QThread::msleep(static_cast<unsigned long>(keyPauseMs));
    }
    // Presses and releases `keys` ("alt+e", "Return") straight at `window`, past whatever
    // holds the keyboard or has the focus. An Alt letter works only in the active window.
    void sendKeys(Window window, const QString& keys) const
    {
        const bool alt = keys.startsWith(QLatin1String("alt+"));
        const QByteArray name = keys.mid(alt ? 4 : 0).toLatin1();
        for (const int type : {KeyPress, KeyRelease}) {
            XKeyEvent key{};
            key.type = type;
            key.display = display_.get();
            key.window = window;
            key.root = root();
            key.time = CurrentTime;
            key.same_screen = True;
            key.state = alt ? Mod1Mask : 0;
            key.keycode = XKeysymToKeycode(display_.get(), XStringToKeysym(name.constData()));
            XSendEvent(display_.get(), window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
                       reinterpret_cast<XEvent*>(&key));
        }
        XSync(display_.get(), False);
    }
    // Sends `keys` to `window` until `done` holds (false if it does not in the time). A
    // busy program may take a key before the key that enables its button has had its
    // effect (an Alt letter clicks only after a short animation), or while the window is
    // still busy with what came before, and drop it; once the button is at work, a key
    // sent again is ignored.
    bool sendKeysUntil(Window window, const QString& keys, const std::function<bool()>& done,
                       int milliseconds = 60000) const
    {
        return within(milliseconds, [&] {
            sendKeys(window, keys);
            return within(5000, done);
        });
    }
    // The same, until a window `wanted` accepts comes: that window (0 if none comes).
    Window sendKeysUntil(Window window, const QString& keys, const WindowTest& wanted, int milliseconds = 60000) const
    {
        Window found = 0;
        sendKeysUntil(window, keys, [&] { return !running() || (found = this->window(wanted)) != 0; }, milliseconds);
        return found;
    }
    // True once the program has ended.
    bool ended() { return finishedWithin(100); }

    // Letters and digits, one key each.
    void type(const QString& text) const
    {
        for (const QChar c : text)
            pressKeys(QString(c));
    }
    int keyPauseMs = 400;

    // What the server shows in that part of a window (a null image if it cannot be read).
    QImage shot(Window window, int x, int y, int width, int height) const
    {
        XImage* taken = XGetImage(display_.get(), window, x, y, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
        if (taken == nullptr)
            return {};
        QImage image(width, height, QImage::Format_RGB32);
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                image.setPixel(column, row, static_cast<QRgb>(XGetPixel(taken, column, row)) | 0xff000000U);
        XDestroyImage(taken);
        return image;
    }
    QImage screen() const { return shot(root(), 0, 0, screenWidth(), screenHeight()); }
    // 0xRRGGBB, 0 if it cannot be read.
    QRgb pixel(Window window, int x, int y) const
    {
        const QImage one = shot(window, x, y, 1, 1);
        return one.isNull() ? 0 : one.pixel(0, 0) & 0xffffffU;
    }
    QRgb centre() const { return pixel(root(), screenWidth() / 2, screenHeight() / 2); }
    int screenWidth() const { return DisplayWidth(display_.get(), 0); }
    int screenHeight() const { return DisplayHeight(display_.get(), 0); }

    // A mapped top-level window of the test's own, as a screen-saver daemon makes for a show.
    Window makeHostWindow(int width, int height, unsigned long background = 0) const
    {
        const Window host = XCreateSimpleWindow(display_.get(), root(), 0, 0, static_cast<unsigned>(width),
                                                static_cast<unsigned>(height), 0, 0, background);
        XMapWindow(display_.get(), host);
        XSync(display_.get(), False);
        return host;
    }

private:
    DisplayConnection display_;
    QProcess process_;
};

// A test of the whole program on the test's X server, skipped where there is none.
class XProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!program_.connect())
            GTEST_SKIP() << "needs an X display";
        QDir().mkpath(data_);
    }

    // The program's data folder, inside the test's own XDG folders.
    const QString data_ = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quintavue/");
    XProgram program_;
};

} // namespace qv::test
