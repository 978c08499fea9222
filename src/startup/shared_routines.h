#pragma once

#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>

namespace qv {

// Processes every pending window message and timer tick once. Any handler of the
// program may run inside.
void let_events_run();

// Lets events run until the time of day reaches now + seconds, rounded to a whole
// second (halves to even). Waits for the next event with a bounded timeout between
// rounds, so that a long wait costs next to no processor time.
void wait_seconds(std::int32_t seconds);

// The same wait, cut short as soon as `stop` is true: a wait of the show must give
// way at once when the show is ended from outside. True when it was cut short.
bool wait_seconds_unless(std::int32_t seconds, const std::function<bool()>& stop);

// The mouse pointer's display counter: hide while it is below zero.
void hide_pointer();
void show_pointer();

// The desktop's own screen saver: off while a show or the title screen runs.
void screen_saver_off();
void screen_saver_on();

// Ends the process at once from anywhere: pointer shown, screen saver back on,
// events run once, then every window is discarded without its close handling.
[[noreturn]] void finish_program();

// Tests replace the way the process ends (nullptr restores it). The replacement
// must not return normally (throw, or long-jump), as callers rely on it not to.
void setProgramEnd(std::function<void()> end);

} // namespace qv
