#pragma once

#include <chrono>

namespace qv {

// Lets pending user-interface events run during a long loop, at most once per time
// slice: often enough that the window stays responsive, seldom enough that the loop
// runs at full speed. Without an application object it does nothing.
class EventPump {
public:
    explicit EventPump(std::chrono::milliseconds slice = std::chrono::milliseconds(20));

    // Call once per step of the loop.
    void poll();

private:
    std::chrono::steady_clock::duration slice_;
    std::chrono::steady_clock::time_point lastRun_;
    unsigned steps_ = 0;
};

} // namespace qv
