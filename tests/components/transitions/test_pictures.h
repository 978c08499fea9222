#pragma once

#include <QImage>
#include <QSize>

namespace qv::test {

// Two busy pictures that differ at every pixel (the old one's red is always 200 or
// more, the new one's always below), so any pixel of a frame tells where it came from.
QImage oldPicture(QSize size);
QImage newPicture(QSize size);

// A frame the renderer has not written yet: alpha 0 never occurs in its output.
QImage untouchedFrame(QSize size);

int countUntouched(const QImage& frame);

} // namespace qv::test
