#include "components/picture/frame_stats.h"

#include <algorithm>

namespace qv {

void FrameStats::begin()
{
    clock_.start();
    lastFrameMs_ = 0;
    longestGapMs_ = 0;
    frames_ = 0;
}

void FrameStats::frameDrawn()
{
    const qint64 now = clock_.elapsed();
    longestGapMs_ = std::max(longestGapMs_, now - lastFrameMs_);
    lastFrameMs_ = now;
    ++frames_;
}

void FrameStats::pauseUntil(qint64 ms, qint64 frameMs)
{
    lastFrameMs_ = std::max(lastFrameMs_, ms - frameMs);
}

QString FrameStats::summary(int effect, qint64 plannedMs) const
{
    return QStringLiteral("FXImage effect %1: %2 frames in %3 ms (planned %4 ms), longest gap %5 ms")
        .arg(effect)
        .arg(frames_)
        .arg(elapsedMs())
        .arg(plannedMs)
        .arg(longestGapMs_);
}

bool frameStatsWanted()
{
    static const bool wanted = qEnvironmentVariableIntValue("QUINTAVUE_FRAME_STATS") == 1;
    return wanted;
}

} // namespace qv
