#include "components/platform/window_titles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QGuiApplication>
#include <QLockFile>
#include <QStandardPaths>

#ifdef QV_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace qv {
namespace {

// The display the program shows on: its Wayland socket, or its X display without the
// screen number (":0" and ":0.0" are one display).
QString displayIdentity()
{
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const bool onWayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    QString x = qEnvironmentVariable("DISPLAY");
    if (onWayland || (x.isEmpty() && !wayland.isEmpty()))
        return QStringLiteral("wayland:") + wayland;
    const qsizetype colon = x.lastIndexOf(QLatin1Char(':'));
    const qsizetype dot = x.indexOf(QLatin1Char('.'), colon + 1);
    if (colon >= 0 && dot > colon)
        x.truncate(dot);
    return x;
}

// One marker per title and display: a show on another display or in another session
// of the same user is no reason to refuse one here.
QString markerPath(const QString& title)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QByteArray digest =
        QCryptographicHash::hash((title + QLatin1Char('\n') + displayIdentity()).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return folder + QStringLiteral("/quintavue-") + QString::fromLatin1(digest) + QStringLiteral(".lock");
}

#ifdef QV_HAVE_X11
struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

int ignoreXErrors(Display*, XErrorEvent*) { return 0; }

QString windowTitle(Display* display, Window window)
{
    // The EWMH name (UTF-8) first, then the old WM_NAME.
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", True);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", True);
    if (netWmName != None && utf8 != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                               &remaining, &data) == Success
            && data != nullptr) {
            const QString title = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
            XFree(data);
            if (type == utf8)
                return title;
        }
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        const QString title = QString::fromLocal8Bit(name);
        XFree(name);
        return title;
    }
    return {};
}

// Top-level windows and, because window managers wrap each client in a frame, their
// children one level down.
bool treeHasTitle(Display* display, Window window, const QString& title, int depth)
{
    if (windowTitle(display, window) == title)
        return true;
    if (depth == 0)
        return false;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0)
        return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = treeHasTitle(display, children[i], title, depth - 1);
    if (children != nullptr)
        XFree(children);
    return found;
}
#endif

} // namespace

bool x11HasWindowTitled(const QString& title)
{
#ifdef QV_HAVE_X11
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display)
        return false;
    // A window may vanish while we read it; such errors are expected, not fatal.
    const auto previousHandler = XSetErrorHandler(ignoreXErrors);
    const Window root = DefaultRootWindow(display.get());
    Window unusedRoot = 0;
    Window unusedParent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    bool found = false;
    if (XQueryTree(display.get(), root, &unusedRoot, &unusedParent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && !found; ++i)
            found = treeHasTitle(display.get(), children[i], title, 2);
        if (children != nullptr)
            XFree(children);
    }
    XSync(display.get(), False);
    XSetErrorHandler(previousHandler);
    return found;
#else
    Q_UNUSED(title);
    return false;
#endif
}

struct TitleMarker::Lock {
    explicit Lock(const QString& path) : file(path) {}
    QLockFile file;
};

TitleMarker::TitleMarker(const QString& title) : lock_(std::make_unique<Lock>(markerPath(title)))
{
    lock_->file.setStaleLockTime(0);  // only a dead owner makes the lock stale
    lock_->file.tryLock(0);
}

TitleMarker::~TitleMarker()
{
    if (lock_->file.isLocked())
        lock_->file.unlock();
}

bool TitleMarker::held() const { return lock_->file.isLocked(); }

bool TitleMarker::isHeldElsewhere(const QString& title)
{
    QLockFile probe(markerPath(title));
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return probe.error() == QLockFile::LockFailedError;
}

bool no_window_titled(const QString& title)
{
    return !TitleMarker::isHeldElsewhere(title) && !x11HasWindowTitled(title);
}

} // namespace qv
