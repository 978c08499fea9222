#include "components/picture/declared_size.h"

#include "components/picture/byte_reading.h"

#include <cstdlib>

namespace qv {
namespace {

std::optional<QSize> sizeIfPositive(std::int64_t width, std::int64_t height)
{
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX)
        return std::nullopt;
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

std::optional<QSize> bitmapInfoSize(QByteArrayView head, qsizetype infoStart)
{
    constexpr std::uint32_t kCoreHeaderSize = 12;
    if (readU32(head, infoStart) == kCoreHeaderSize)
        return sizeIfPositive(readU16(head, infoStart + 4), readU16(head, infoStart + 6));
    return sizeIfPositive(readI32(head, infoStart + 4), std::abs(std::int64_t{readI32(head, infoStart + 8)}));
}

} // namespace

std::optional<QSize> declaredPictureSize(PictureFormat format, QByteArrayView head)
{
    switch (format) {
    case PictureFormat::Bmp:
        return bitmapInfoSize(head, 14);
    case PictureFormat::Dib:
        return bitmapInfoSize(head, 0);
    case PictureFormat::Pcx:
        return sizeIfPositive(std::int64_t{readU16(head, 8)} - readU16(head, 4) + 1,
                              std::int64_t{readU16(head, 10)} - readU16(head, 6) + 1);
    case PictureFormat::Tga:
        return sizeIfPositive(readU16(head, 12), readU16(head, 14));
    default:
        return std::nullopt;
    }
}

} // namespace qv
