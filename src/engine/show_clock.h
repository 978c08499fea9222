#pragma once

#include <optional>

namespace qv {

// The time of day in seconds, with its fraction: the show counts its delays on it.
double secondsNow();

// The delay test of a slide that started standing at `since` and stays `delay`
// seconds: still running while now lies in [since, since + delay). A time before
// the start means midnight has passed, which ends the delay.
bool delayRunning(double now, double since, double delay);

// When the slide on screen may give way to the next one. A slide stands whole for
// its delay counted from the end of its own transition, or, when a caption follows,
// from the end of the caption's effect; from the moment the slide timer takes the
// next slide until that one has been drawn, nothing counts, so neither the erase of
// the old picture nor the transition of the new one eats into any delay.
class SlideClock {
public:
    // Nothing stands yet (or the change was abandoned): the next slide is due at once.
    void reset() { phase_ = Phase::Empty; }
    // The slide timer takes the next slide.
    void slideTaken() { phase_ = Phase::Changing; }
    // The slide's transition has ended; when its caption is to follow, the delay
    // waits for the caption's effect to end.
    void pictureDrawn(double now, bool captionFollows);
    // The slide's caption effect has ended (or its caption was given up).
    void captionEnded(double now);
    // The show resumes after standing still: a slide change cut short starts anew.
    void resumed();

    // The slide on screen has stood its delay, or nothing stands.
    [[nodiscard]] bool dueForNext(double now, double delay) const;
    // Seconds until dueForNext turns true by the clock alone: 0 when due, nothing
    // while an event (a transition or a caption ending) has yet to come.
    [[nodiscard]] std::optional<double> secondsUntilDue(double now, double delay) const;

private:
    enum class Phase { Empty, Changing, Captioning, Standing };
    Phase phase_ = Phase::Empty;
    double standingSince_ = 0;
};

} // namespace qv
