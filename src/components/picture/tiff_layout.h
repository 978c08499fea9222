#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <optional>

namespace qv {

// How the first picture of a TIFF stores its samples, as its first directory declares.
struct TiffLayout {
    static constexpr std::uint32_t kSeparated = 5;  // ink separations: CMYK and friends

    std::uint32_t photometric = 0;
    std::uint32_t bitsPerSample = 1;
    std::uint32_t samplesPerPixel = 1;
    bool planesApart = false;  // each sample in a plane of its own rather than pixel by pixel
};

// Reads the first directory only, and only where the file holds it: a directory that
// points outside the data, or no photometric tag at all, gives nothing.
std::optional<TiffLayout> readTiffLayout(QByteArrayView data);

// The orientation tag (1 to 8, as EXIF numbers them) of the first directory: EXIF data is
// a TIFF header and directory. Nothing when the tag is missing, outside the data or not
// one of the eight.
std::optional<int> readTiffOrientation(QByteArrayView data);

} // namespace qv
