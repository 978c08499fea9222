#include "showdata/event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace qv {
namespace {

// Steps between two looks at the clock; a step (one file) takes far less than a
// slice, so the clock need not be read every time.
constexpr unsigned stepsPerClockCheck = 16;

} // namespace

EventPump::EventPump(std::chrono::milliseconds slice) : slice_(slice), lastRun_(std::chrono::steady_clock::now()) {}

void EventPump::poll()
{
    if (++steps_ % stepsPerClockCheck != 0)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastRun_ < slice_)
        return;
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    lastRun_ = std::chrono::steady_clock::now();
}

} // namespace qv
