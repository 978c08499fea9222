#pragma once

#include "make_sample_media/byte_sink.h"

#include <string>

class QImage;

namespace qv::samples {

Bytes encodeJpeg(const QImage& image, int quality);
Bytes encodeBmp(const QImage& image);
Bytes encodePng(const QImage& image);
Bytes encodeWebP(const QImage& image, int quality);

struct MagickOptions {
    std::string format;        // GraphicsMagick coder: "GIF", "PCX", "TGA", "DIB", "TIFF"
    int maximumColours = 0;    // 0 = keep true colour
    bool dither = false;
    bool lzw = false;
};

// Formats Qt cannot write go through GraphicsMagick. Encoding to memory keeps the
// output path out of the file (TIFF would record it as the document name).
Bytes encodeWithMagick(const QImage& image, const MagickOptions& options);

} // namespace qv::samples
