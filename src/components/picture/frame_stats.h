#pragma once

#include <QElapsedTimer>
#include <QString>

namespace qv {

// The cadence of one transition, for the opt-in diagnostic QUINTAVUE_FRAME_STATS=1:
// frames drawn, how long the transition took, and the longest gap between two frames.
class FrameStats {
public:
    void begin();
    void frameDrawn();
    // The player sleeps on purpose until `ms` (from begin()) because nothing changes
    // before: a frame then counts as on time, as if the previous one had come a frame
    // period `frameMs` before it.
    void pauseUntil(qint64 ms, qint64 frameMs);
    int frames() const { return frames_; }
    qint64 elapsedMs() const { return clock_.isValid() ? clock_.elapsed() : 0; }
    qint64 longestGapMs() const { return longestGapMs_; }
    QString summary(int effect, qint64 plannedMs) const;

private:
    QElapsedTimer clock_;
    qint64 lastFrameMs_ = 0;
    qint64 longestGapMs_ = 0;
    int frames_ = 0;
};

// True when the environment asks for the diagnostic (read once per process).
bool frameStatsWanted();

} // namespace qv
