#include "engine/show_clock.h"

#include "startup/event_waiting.h"

#include <algorithm>

namespace qv {

double secondsNow() { return eventWaitHooks().secondsSinceMidnight(); }

bool delayRunning(double now, double since, double delay) { return now >= since && now < since + delay; }

void SlideClock::pictureDrawn(double now, bool captionFollows)
{
    if (phase_ != Phase::Changing)
        return;
    phase_ = captionFollows ? Phase::Captioning : Phase::Standing;
    standingSince_ = now;
}

void SlideClock::captionEnded(double now)
{
    if (phase_ != Phase::Captioning)
        return;
    phase_ = Phase::Standing;
    standingSince_ = now;
}

void SlideClock::resumed()
{
    if (phase_ == Phase::Changing)
        phase_ = Phase::Empty;
}

bool SlideClock::dueForNext(double now, double delay) const
{
    switch (phase_) {
    case Phase::Empty:
        return true;
    case Phase::Standing:
        return !delayRunning(now, standingSince_, delay);
    default:
        return false;
    }
}

std::optional<double> SlideClock::secondsUntilDue(double now, double delay) const
{
    if (dueForNext(now, delay))
        return 0.0;
    if (phase_ != Phase::Standing)
        return std::nullopt;
    // Midnight ends every delay.
    constexpr double kDay = 24 * 60 * 60;
    return std::max(0.0, std::min(standingSince_ + delay, kDay) - now);
}

} // namespace qv
