#pragma once

#include <QImage>
#include <QSize>

namespace qv::gallery {

// Processor milliseconds per frame of a whole transition of `frames` frames (progress spread
// evenly from 0 to 1, ends excluded), after one warm-up frame.
double effectMillisecondsPerFrame(int effect, int grain, const QImage& older,
                                  const QImage& newer, int frames);

// The floor every copy-type effect is measured against: one memcpy of the frame.
double memcpyMillisecondsPerFrame(QSize size, int frames);

} // namespace qv::gallery
