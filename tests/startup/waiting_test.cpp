#include "startup/event_waiting.h"
#include "startup/shared_routines.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// A clock that moves only when the code under test waits for events.
class FakeTime {
public:
    explicit FakeTime(double timeOfDay) : timeOfDay_(timeOfDay)
    {
        hooks_.secondsSinceMidnight = [this] { return timeOfDay_; };
        hooks_.monotonicSeconds = [this] { return elapsed_; };
        hooks_.runEventsFor = [this](std::chrono::milliseconds bound) {
            ++rounds_;
            longestBound_ = std::max(longestBound_, bound);
            const double step = static_cast<double>(bound.count()) / 1000.0;
            elapsed_ += step;
            timeOfDay_ += step;
            if (timeOfDay_ >= 86400.0)
                timeOfDay_ -= 86400.0;
        };
        setEventWaitHooks(&hooks_);
    }
    ~FakeTime() { setEventWaitHooks(nullptr); }

    double elapsed() const { return elapsed_; }
    int rounds() const { return rounds_; }
    std::chrono::milliseconds longestBound() const { return longestBound_; }

private:
    EventWaitHooks hooks_;
    double timeOfDay_;
    double elapsed_ = 0.0;
    int rounds_ = 0;
    std::chrono::milliseconds longestBound_{0};
};

// A wait ends at the rounded second: 100.3 + 1 rounds to 101, 100.7 + 1 to 102, halves
// go to the even second, a wait of 0 ends at the next rounding point, and midnight is
// crossed. It sleeps in bounded slices (a few dozen rounds, not millions) and lets events
// run at least once even when already due.
TEST(WaitSeconds, WaitsUntilTheRoundedSecondWithoutSpinning)
{
    const double cases[][3] = {{100.3, 1, 0.7}, {100.7, 1, 1.3},  {100.5, 1, 1.5},     {101.5, 1, 0.5},
                               {100.2, 0, 0.0}, {100.6, 0, 0.4}, {3600.25, 5, 4.75}, {86399.0, 3, 3.0}};
    for (const auto& [now, seconds, duration] : cases) {
        const FakeTime time(now);
        wait_seconds(static_cast<int>(seconds));
        EXPECT_GE(time.elapsed(), duration - 1e-9) << now << " + " << seconds;
        EXPECT_LT(time.elapsed(), duration + 0.01) << now << " + " << seconds;
        EXPECT_GE(time.rounds(), 1) << now;
        EXPECT_LT(time.rounds(), 40) << now;
        EXPECT_LE(time.longestBound().count(), 250) << now;
    }
}

} // namespace
} // namespace qv
