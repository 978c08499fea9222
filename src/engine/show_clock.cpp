#include "engine/show_clock.h"

#include "startup/event_waiting.h"

#include <cmath>

namespace qv {

std::int32_t wholeSecondsNow()
{
    return static_cast<std::int32_t>(std::nearbyint(eventWaitHooks().secondsSinceMidnight()));
}

bool delayRunning(std::int32_t now, std::int32_t slideStart, int delay)
{
    return now >= slideStart && now < static_cast<std::int64_t>(slideStart) + delay;
}

} // namespace qv
