#pragma once

#include <cstdint>

namespace qv {

// The show counts its delays in whole seconds of the time of day, rounded (halves
// to even).
std::int32_t wholeSecondsNow();

// The delay test of a slide that started at `slideStart` and stays `delay` seconds:
// still running while now lies in [slideStart, slideStart + delay). A time before
// the start means midnight has passed, which ends the delay.
bool delayRunning(std::int32_t now, std::int32_t slideStart, int delay);

} // namespace qv
