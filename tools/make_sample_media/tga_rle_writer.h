#pragma once

#include "make_sample_media/byte_sink.h"

class QImage;

namespace qv::samples {

// A run-length compressed true-colour Targa (type 10, 24 bits, top-left origin)
// with the version 2 footer. Packets never cross a row, as readers may assume.
Bytes encodeTgaRle(const QImage& image);

} // namespace qv::samples
