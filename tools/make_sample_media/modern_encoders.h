#pragma once

#include "make_sample_media/byte_sink.h"

class QImage;

namespace qv::samples {

// HEIC through libheif's HEVC encoder. `exifOrientation` 3, 6 or 8 stores the pixels
// turned and records the turn ('irot'), as a phone does for a picture taken sideways: a
// reader that honours it shows `image` as given.
Bytes encodeHeic(const QImage& image, int exifOrientation, int quality);

// JPEG XL through libjxl, the turn recorded in the size header's orientation as a camera
// does: the pixels are stored turned, and a reader that honours it shows `image` as given.
Bytes encodeJxl(const QImage& image, int exifOrientation);

// AVIF through libavif, full-resolution colour (4:4:4), transparency kept.
Bytes encodeAvif(const QImage& image, int quality);

} // namespace qv::samples
