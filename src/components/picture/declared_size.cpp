#include "components/picture/declared_size.h"

#include "components/picture/byte_reading.h"
#include "components/picture/modern_headers.h"

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

std::optional<QSize> declaredPictureSize(PictureFormat format, QByteArrayView file)
{
    switch (format) {
    case PictureFormat::Bmp:
        return bitmapInfoSize(file, 14);
    case PictureFormat::Dib:
        return bitmapInfoSize(file, 0);
    case PictureFormat::Pcx:
        return sizeIfPositive(std::int64_t{readU16(file, 8)} - readU16(file, 4) + 1,
                              std::int64_t{readU16(file, 10)} - readU16(file, 6) + 1);
    case PictureFormat::Tga:
        return sizeIfPositive(readU16(file, 12), readU16(file, 14));
    case PictureFormat::Png:
        return pngDeclaredSize(file);
    case PictureFormat::WebP:
        return webpDeclaredSize(file);
    case PictureFormat::Heif:
    case PictureFormat::Avif:
        return heifDeclaredSize(file);
    case PictureFormat::JpegXl:
        return jpegXlDeclaredSize(file);
    default:
        return std::nullopt;
    }
}

} // namespace qv
