#include "components/platform/foreign_windows.h"

#include <QtGlobal>

#ifdef QV_HAVE_X11
#include <X11/Xlib.h>
#endif

#include <memory>

namespace qv {

#ifdef QV_HAVE_X11
namespace {

int ignoreXErrors(Display*, XErrorEvent*) { return 0; }

// One connection for the questions of the process; errors about windows that have
// just gone are expected and ignored.
Display* display()
{
    static Display* const connection = [] {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            return static_cast<Display*>(nullptr);
        Display* opened = XOpenDisplay(nullptr);
        if (opened != nullptr)
            XSetErrorHandler(ignoreXErrors);
        return opened;
    }();
    return connection;
}

bool attributesOf(ForeignWindowId window, XWindowAttributes& attributes)
{
    Display* connection = display();
    if (connection == nullptr || window == 0)
        return false;
    return XGetWindowAttributes(connection, window, &attributes) != 0;
}

} // namespace

bool foreignWindowExists(ForeignWindowId window)
{
    XWindowAttributes attributes;
    return attributesOf(window, attributes);
}

QSize foreignClientSize(ForeignWindowId window)
{
    XWindowAttributes attributes;
    if (!attributesOf(window, attributes))
        return {};
    return QSize(attributes.width, attributes.height);
}

ForeignWindowId foreignParentOf(ForeignWindowId window)
{
    Display* connection = display();
    if (connection == nullptr || window == 0)
        return 0;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(connection, window, &root, &parent, &children, &count) == 0)
        return 0;
    if (children != nullptr)
        XFree(children);
    return static_cast<ForeignWindowId>(parent);
}

ForeignWindowId foreignRootWindow()
{
    Display* connection = display();
    return connection != nullptr ? static_cast<ForeignWindowId>(DefaultRootWindow(connection)) : 0;
}

bool foreignWindowMapped(ForeignWindowId window)
{
    XWindowAttributes attributes;
    return attributesOf(window, attributes) && attributes.map_state != IsUnmapped;
}

#else

bool foreignWindowExists(ForeignWindowId) { return false; }
QSize foreignClientSize(ForeignWindowId) { return {}; }
ForeignWindowId foreignParentOf(ForeignWindowId) { return 0; }
bool foreignWindowMapped(ForeignWindowId) { return false; }
ForeignWindowId foreignRootWindow() { return 0; }

#endif

} // namespace qv
