#include "startup/event_waiting.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace qv {
namespace {

const EventWaitHooks* installedHooks = nullptr;

void runRealEventsFor(std::chrono::milliseconds bound)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return;
    // A single-shot timer bounds the sleep of WaitForMoreEvents: the call returns
    // on the first event or when the timer fires, whichever comes first.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.start(bound);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace

EventWaitHooks systemEventWaitHooks()
{
    return EventWaitHooks{
        [] {
            const QTime now = QTime::currentTime();
            return now.msecsSinceStartOfDay() / 1000.0;
        },
        [] {
            static QElapsedTimer sinceStart = [] {
                QElapsedTimer timer;
                timer.start();
                return timer;
            }();
            return static_cast<double>(sinceStart.nsecsElapsed()) / 1e9;
        },
        runRealEventsFor,
    };
}

void setEventWaitHooks(const EventWaitHooks* hooks) { installedHooks = hooks; }

const EventWaitHooks& eventWaitHooks()
{
    static const EventWaitHooks system = systemEventWaitHooks();
    return installedHooks != nullptr ? *installedHooks : system;
}

double waitDurationSeconds(double now, int seconds)
{
    const double end = std::nearbyint(now + seconds);  // the default rounding: halves to even
    return std::max(0.0, end - now);
}

void let_events_run_until(const std::function<bool()>& done, std::chrono::milliseconds bound)
{
    const EventWaitHooks& hooks = eventWaitHooks();
    while (!done())
        hooks.runEventsFor(bound);
}

} // namespace qv
