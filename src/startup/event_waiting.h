#pragma once

#include <chrono>
#include <functional>

namespace qv {

// The clocks and the blocking wait behind every waiting loop, replaceable so that
// tests run waits of minutes in no time.
struct EventWaitHooks {
    std::function<double()> secondsSinceMidnight;   // time of day, fractional
    std::function<double()> monotonicSeconds;       // never jumps, never wraps
    // Runs pending events, sleeping at most `bound` until one arrives.
    std::function<void(std::chrono::milliseconds bound)> runEventsFor;
};

// The real clocks and event loop.
EventWaitHooks systemEventWaitHooks();
// Tests install their own hooks; an empty optional restores the real ones.
void setEventWaitHooks(const EventWaitHooks* hooks);
const EventWaitHooks& eventWaitHooks();

// How long wait_seconds(seconds) lasts when started at the time of day `now`: until
// now + seconds rounded to a whole second (halves to even). Across midnight the
// same length of time is waited, so a wait never ends early.
double waitDurationSeconds(double now, int seconds);

// Runs events until `done` is true, waking at least every `bound` to look again;
// between events the thread sleeps, so a long wait costs no processor time.
void let_events_run_until(const std::function<bool()>& done,
                          std::chrono::milliseconds bound = std::chrono::milliseconds(250));

} // namespace qv
