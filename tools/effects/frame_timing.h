#pragma once

#include <QImage>
#include <QSize>

namespace qv::gallery {

// Milliseconds per frame of a whole transition of `frames` frames (progress spread
// evenly from 0 to 1, ends excluded), after one warm-up frame. Processor time
// counts every thread of the process; wall time is what the viewer waits, and is
// the smaller of the two only for effects that compose on both cores.
struct FrameCost {
    double processor = 0;
    double wall = 0;
};
FrameCost effectMillisecondsPerFrame(int effect, int grain, const QImage& older,
                                     const QImage& newer, int frames);

// The floor every copy-type effect is measured against: one memcpy of the frame.
double memcpyMillisecondsPerFrame(QSize size, int frames);

} // namespace qv::gallery
