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

TEST(WaitSeconds, EndsAtTheRoundedSecond)
{
    // 100.3 + 1 rounds to 101: 0.7 s.
    EXPECT_NEAR(waitDurationSeconds(100.3, 1), 0.7, 1e-9);
    // 100.7 + 1 rounds to 102: 1.3 s.
    EXPECT_NEAR(waitDurationSeconds(100.7, 1), 1.3, 1e-9);
    // Halves go to the even second: 100.5 + 1 = 101.5 -> 102, 101.5 + 1 = 102.5 -> 102.
    EXPECT_NEAR(waitDurationSeconds(100.5, 1), 1.5, 1e-9);
    EXPECT_NEAR(waitDurationSeconds(101.5, 1), 0.5, 1e-9);
    // wait_seconds(0) ends at the next rounding point, at most half a second away.
    EXPECT_NEAR(waitDurationSeconds(100.2, 0), 0.0, 1e-9);
    EXPECT_NEAR(waitDurationSeconds(100.6, 0), 0.4, 1e-9);
}

// A wait lasts its time, across midnight too, sleeping in bounded slices (a few dozen
// rounds, not millions), and lets events run at least once even when already due.
TEST(WaitSeconds, WaitsTheRequestedTimeWithoutSpinning)
{
    const struct {
        double timeOfDay;
        int seconds;
        double least, most;
    } cases[] = {{3600.25, 5, 4.49, 5.01}, {86399.0, 3, 3.0 - 1e-9, 3.5}, {100.2, 0, 0.0, 0.5}};
    for (const auto& c : cases) {
        const FakeTime time(c.timeOfDay);
        wait_seconds(c.seconds);
        EXPECT_GE(time.elapsed(), c.least) << c.timeOfDay;
        EXPECT_LT(time.elapsed(), c.most) << c.timeOfDay;
        EXPECT_GE(time.rounds(), 1) << c.timeOfDay;
        EXPECT_LT(time.rounds(), 40) << c.timeOfDay;
        EXPECT_LE(time.longestBound().count(), 250) << c.timeOfDay;
    }
}

TEST(WaitingLoop, RunsEventsUntilTheConditionHolds)
{
    const FakeTime time(0.0);
    let_events_run_until([&time] { return time.rounds() == 7; }, std::chrono::milliseconds(100));
    EXPECT_EQ(time.rounds(), 7);
    EXPECT_EQ(time.longestBound().count(), 100);
}

} // namespace
} // namespace qv
