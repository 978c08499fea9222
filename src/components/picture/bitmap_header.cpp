#include "components/picture/bitmap_header.h"

#include "components/picture/byte_reading.h"

#include <cstdlib>

namespace qv {

bool bitmapRowsPresent(QByteArrayView file)
{
    constexpr qsizetype kInfoHeader = 14;
    constexpr std::uint32_t kCoreHeaderSize = 12;
    const std::int64_t pixelOffset = readU32(file, 10);
    const bool core = readU32(file, kInfoHeader) == kCoreHeaderSize;
    const std::int64_t width = core ? readU16(file, 18) : readI32(file, 18);
    const std::int64_t height = core ? readU16(file, 20) : std::abs(std::int64_t{readI32(file, 22)});
    const std::int64_t bitCount = readU16(file, core ? 24 : 28);
    const std::uint32_t compression = core ? 0 : readU32(file, 30);
    constexpr std::uint32_t kUncompressed = 0;
    constexpr std::uint32_t kBitFields = 3;
    constexpr std::uint32_t kAlphaBitFields = 6;
    if (compression != kUncompressed && compression != kBitFields && compression != kAlphaBitFields)
        return true;
    if (width <= 0 || height <= 0 || bitCount <= 0)
        return true;
    const std::int64_t rowBytes = (width * bitCount + 31) / 32 * 4;
    // Compared by division: a hostile header's rows times height overflows 64 bits.
    const std::int64_t available = file.size() - pixelOffset;
    return available >= 0 && rowBytes <= available / height;
}

} // namespace qv
