#pragma once

#include <chrono>

namespace qv {

// Whether a preview's effect is still running, for the dialogs that show one and
// wait for it to finish.
void MarkEffectRunning();
// Called from the image component's notification that the effect has finished.
void MarkEffectDone();
bool effectRunning();

// Lets events run until the effect is done or `limit` has passed since the call,
// then clears the flag. Sleeps between events instead of spinning.
void WaitForEffect(std::chrono::milliseconds limit = std::chrono::seconds(30));

} // namespace qv
