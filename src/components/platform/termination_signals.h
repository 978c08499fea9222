#pragma once

#include <functional>

namespace qv {

// Turns SIGTERM and SIGINT (how screen-saver daemons and terminals stop a saver)
// into a call on the Qt thread, so the program ends in order: sounds stopped,
// inhibition released, pointer back. A second signal while the first is being
// handled ends the process at once.
void onTerminationSignal(std::function<void()> handler);

} // namespace qv
