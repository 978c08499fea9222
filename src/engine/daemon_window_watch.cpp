#include "engine/daemon_window_watch.h"

#include <QCoreApplication>
#include <QMetaObject>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define QV_HAVE_XCB_EVENTS 1
#endif

namespace qv {

DaemonWindowWatch::DaemonWindowWatch(ForeignWindowId daemon, ForeignWindowId ours, std::function<void()> gone)
    : daemon_(daemon), ours_(ours), gone_(std::move(gone))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
    // Gone already, before there was anything to tell.
    if (!foreignWindowExists(daemon_))
        report();
}

DaemonWindowWatch::~DaemonWindowWatch()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

bool DaemonWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
#ifdef QV_HAVE_XCB_EVENTS
    if (eventType != "xcb_generic_event_t" || message == nullptr)
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (destroyed->window == ours_ || destroyed->window == daemon_)
        report();
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

void DaemonWindowWatch::report()
{
    if (reported_)
        return;
    reported_ = true;
    // Carried out from the event loop, not from inside the window system's event.
    // What it runs may well delete this watch: it runs from a copy.
    QMetaObject::invokeMethod(this, [gone = gone_] { gone(); }, Qt::QueuedConnection);
}

} // namespace qv
