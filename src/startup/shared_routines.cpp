#include "startup/shared_routines.h"

#include "components/platform/desktop_screensaver.h"
#include "components/platform/pointer.h"
#include "startup/event_waiting.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace qv {
namespace {

std::function<void()> programEnd;

} // namespace

void let_events_run()
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void wait_seconds(std::int32_t seconds) { wait_seconds_unless(seconds, [] { return false; }); }

bool wait_seconds_unless(std::int32_t seconds, const std::function<bool()>& stop)
{
    const EventWaitHooks& hooks = eventWaitHooks();
    const double duration = waitDurationSeconds(hooks.secondsSinceMidnight(), seconds);
    const double start = hooks.monotonicSeconds();
    // Events run at least once, as with every waiting loop of the program.
    do {
        const double remaining = duration - (hooks.monotonicSeconds() - start);
        const auto bound = std::chrono::milliseconds(
            std::clamp(static_cast<long long>(remaining * 1000.0) + 1, 1LL, 250LL));
        hooks.runEventsFor(bound);
        if (stop())
            return true;
    } while (hooks.monotonicSeconds() - start < duration);
    return false;
}

void hide_pointer()
{
    while (programPointer().showCursor(false) >= 0) {
    }
}

void show_pointer()
{
    while (programPointer().showCursor(true) < 0) {
    }
}

void screen_saver_off() { DesktopScreenSaver::inhibit(); }

void screen_saver_on() { DesktopScreenSaver::release(); }

void finish_program()
{
    show_pointer();
    screen_saver_on();
    let_events_run();
    if (programEnd)
        programEnd();
    std::fflush(nullptr);
    // No close handling and nothing saved: the process ends here.
    std::_Exit(0);
}

void setProgramEnd(std::function<void()> end) { programEnd = std::move(end); }

} // namespace qv
