#pragma once

#include <functional>

namespace qv {

// Runs the current show as a test from a configuration window: no password, and the
// caller's window waits (letting events run) until the show has ended.
void run_test_show();

// Tests put a runner in place of the real show window (nullptr restores it). The
// runner is called with `PreviewRun` and `ShowRunning` set, and must clear
// `ShowRunning` (at once, or later from an event) as the show does when it ends.
void setTestShowRunner(std::function<void()> runner);

} // namespace qv
