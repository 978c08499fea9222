#pragma once

#include <QImage>

namespace qv::test {

// Share (0..1) of pixels whose colour differs by more than `tolerance` in some channel.
double differingShare(const QImage& a, const QImage& b, int tolerance = 48);

// Share of pixels that are neither fully transparent nor equal to `background`.
double inkedShare(const QImage& image, QRgb background);

} // namespace qv::test
