#include "components/platform/wayland_idle_inhibition.h"

#ifdef QV_HAVE_WAYLAND

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include "idle-inhibit-unstable-v1-client-protocol.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>

namespace qv {
namespace {

bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// The compositor's idle-inhibit manager, bound once on the program's own Wayland
// connection. The binding uses an event queue of its own, so it never dispatches
// Qt's events behind its back. The connection belongs to Qt: everything made on it is
// destroyed as the application object goes, before Qt closes it (see bindCompositor).
struct Compositor {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    zwp_idle_inhibit_manager_v1* manager = nullptr;
};

Compositor& compositor()
{
    static Compositor bound;
    return bound;
}

void forgetAllWindows();

void announceGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    auto* compositor = static_cast<Compositor*>(data);
    if (compositor->manager == nullptr && std::strcmp(interface, zwp_idle_inhibit_manager_v1_interface.name) == 0)
        compositor->manager = static_cast<zwp_idle_inhibit_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_idle_inhibit_manager_v1_interface, 1));
}

void withdrawGlobal(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {announceGlobal, withdrawGlobal};

// Runs first thing as the application object goes, while the connection still works.
void unbindCompositor()
{
    forgetAllWindows();
    Compositor& bound = compositor();
    if (bound.manager != nullptr)
        zwp_idle_inhibit_manager_v1_destroy(bound.manager);
    if (bound.queue != nullptr)
        wl_event_queue_destroy(bound.queue);
    if (bound.display != nullptr)
        wl_display_flush(bound.display);
    bound = Compositor{};
}

Compositor bindCompositor()
{
    Compositor found;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!onWayland() || native == nullptr)
        return found;
    found.display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    if (found.display == nullptr)
        return found;
    found.queue = wl_display_create_queue(found.display);
    auto* display = static_cast<wl_display*>(wl_proxy_create_wrapper(found.display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(display), found.queue);
    wl_registry* registry = wl_display_get_registry(display);
    wl_proxy_wrapper_destroy(display);
    wl_registry_add_listener(registry, &kRegistryListener, &found);
    wl_display_roundtrip_queue(found.display, found.queue);
    wl_registry_destroy(registry);
    qAddPostRoutine(unbindCompositor);
    return found;
}

// The manager, bound on first use.
zwp_idle_inhibit_manager_v1* inhibitManager()
{
    static bool tried = false;
    if (!tried && onWayland()) {
        tried = true;
        compositor() = bindCompositor();
    }
    return compositor().manager;
}

wl_surface* surfaceOf(QWindow* window)
{
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native != nullptr ? static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window)) : nullptr;
}

struct InhibitorRelease {
    void operator()(zwp_idle_inhibitor_v1* inhibitor) const
    {
        // Without the connection there is nothing left to tell: the compositor
        // dropped the request with it.
        if (compositor().display == nullptr)
            return;
        zwp_idle_inhibitor_v1_destroy(inhibitor);
        wl_display_flush(compositor().display);
    }
};
using Inhibitor = std::unique_ptr<zwp_idle_inhibitor_v1, InhibitorRelease>;

// Follows the program's top-level windows while inhibition is held: a window that is
// exposed gets an inhibitor on its current surface (Qt makes a new surface each time
// a window is shown again), a hidden or closed one loses it.
class ShownWindows final : public QObject {
public:
    explicit ShownWindows(QObject* parent) : QObject(parent) {}

    void hold()
    {
        if (held_)
            return;
        held_ = true;
        if (QCoreApplication* application = QCoreApplication::instance())
            application->installEventFilter(this);
        for (QWindow* window : QGuiApplication::topLevelWindows())
            follow(window);
    }
    void release()
    {
        if (!held_)
            return;
        held_ = false;
        if (QCoreApplication* application = QCoreApplication::instance())
            application->removeEventFilter(this);
        for (auto& [window, covered] : windows_)
            covered = Covered{};
    }
    bool held() const { return held_; }
    void forgetAll()
    {
        release();
        windows_.clear();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Expose:
        case QEvent::Hide:
            if (watched->isWindowType())
                follow(static_cast<QWindow*>(watched));
            break;
        case QEvent::PlatformSurface:
            if (watched->isWindowType()
                && static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType()
                       == QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
                uncover(static_cast<QWindow*>(watched));
            break;
        default:
            break;
        }
        return false;
    }

private:
    struct Covered {
        wl_surface* surface = nullptr;
        Inhibitor inhibitor;
    };

    void follow(QWindow* window)
    {
        if (!window->isTopLevel())
            return;
        wl_surface* surface = window->isVisible() && window->isExposed() ? surfaceOf(window) : nullptr;
        if (surface == nullptr) {
            uncover(window);
            return;
        }
        auto [entry, isNew] = windows_.try_emplace(window);
        if (isNew)
            connect(window, &QObject::destroyed, this, [this, window] { windows_.erase(window); });
        Covered& covered = entry->second;
        if (covered.surface == surface && covered.inhibitor)
            return;
        covered.inhibitor.reset();
        covered.surface = surface;
        covered.inhibitor.reset(zwp_idle_inhibit_manager_v1_create_inhibitor(inhibitManager(), surface));
        wl_display_flush(compositor().display);
    }
    void uncover(QWindow* window)
    {
        const auto entry = windows_.find(window);
        if (entry != windows_.end())
            entry->second = Covered{};
    }

    bool held_ = false;
    std::map<QWindow*, Covered> windows_;
};

// One follower for the program's life, owned by the application object.
QPointer<ShownWindows>& follower()
{
    static QPointer<ShownWindows> one;
    return one;
}

ShownWindows* shownWindows()
{
    if (follower() == nullptr)
        follower() = new ShownWindows(QCoreApplication::instance());
    return follower().data();
}

void forgetAllWindows()
{
    if (ShownWindows* windows = follower().data())
        windows->forgetAll();
}

} // namespace

bool WaylandIdleInhibition::available()
{
    return QGuiApplication::instance() != nullptr && onWayland() && inhibitManager() != nullptr;
}

void WaylandIdleInhibition::hold()
{
    if (!available())
        return;
    if (ShownWindows* windows = shownWindows())
        windows->hold();
}

void WaylandIdleInhibition::release()
{
    if (ShownWindows* windows = follower().data())
        windows->release();
}

bool WaylandIdleInhibition::held()
{
    const ShownWindows* windows = follower().data();
    return windows != nullptr && windows->held();
}

} // namespace qv

#else

namespace qv {

// Built without Wayland: nothing to hold.
bool WaylandIdleInhibition::available() { return false; }
void WaylandIdleInhibition::hold() {}
void WaylandIdleInhibition::release() {}
bool WaylandIdleInhibition::held() { return false; }

} // namespace qv

#endif
