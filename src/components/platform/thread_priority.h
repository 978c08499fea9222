#pragma once

namespace qv {

// Makes the calling thread give way to the program's other threads and to the
// display server where the system allows it, without ever being starved: work done
// ahead of time (decoding the next picture) then never delays a frame on screen.
// Cannot be undone by an unprivileged process, so call it only on threads that do
// nothing but such work.
void lowerCurrentThreadPriority();

} // namespace qv
