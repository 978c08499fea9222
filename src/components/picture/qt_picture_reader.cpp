#include "components/picture/qt_picture_reader.h"

#include "components/picture/decode_limits.h"
#include "components/picture/exif_orientation.h"
#include "components/picture/modern_headers.h"
#include "components/picture/tiff_messages.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdint>

namespace qv {
namespace {

QByteArray qtFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg: return QByteArrayLiteral("jpeg");
    case PictureFormat::Gif: return QByteArrayLiteral("gif");
    case PictureFormat::Bmp: return QByteArrayLiteral("bmp");
    case PictureFormat::Tiff: return QByteArrayLiteral("tiff");
    case PictureFormat::Png: return QByteArrayLiteral("png");
    case PictureFormat::WebP: return QByteArrayLiteral("webp");
    default: return {};
    }
}

// Qt turns a JPEG upright from its EXIF block but leaves the EXIF of a PNG or WebP alone;
// should a later Qt read them, its own reading is taken and ours not applied on top.
QImageIOHandler::Transformations ownTransformation(const QByteArray& data, PictureFormat format,
                                                    QImageIOHandler::Transformations qtReads)
{
    if (qtReads != QImageIOHandler::TransformationNone)
        return QImageIOHandler::TransformationNone;
    if (format == PictureFormat::Png)
        return uprightTransformation(pngExifOrientation(data));
    if (format == PictureFormat::WebP)
        return uprightTransformation(webpExifOrientation(data));
    return QImageIOHandler::TransformationNone;
}

bool withinSourceLimit(QSize stored, PictureFormat format)
{
    if (format != PictureFormat::Jpeg)
        return fitsDecodeLimit(stored);
    const std::int64_t pixels = std::int64_t{stored.width()} * stored.height();
    return stored.width() <= DecodeLimits::kMaxSide && stored.height() <= DecodeLimits::kMaxSide
        && pixels <= DecodeLimits::kMaxScaledSourcePixels;
}

QImage asDisplayFormat(QImage image)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied)
        return image;
    return std::move(image).convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                    : QImage::Format_RGB32);
}

} // namespace

DecodeOutcome decodeWithQt(const QByteArray& data, PictureFormat format, QSize target)
{
    const QByteArray formatName = qtFormatName(format);
    if (formatName.isEmpty())
        return {LoadResult::UnknownType, {}};
    std::unique_lock<std::mutex> tiffTurn;
    if (format == PictureFormat::Tiff) {
        tiffTurn = std::unique_lock(tiffReadTurn());
        silenceTiffMessages();
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, formatName);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(true);
    // Our own limits come first; Qt's own only as a backstop a little above them.
    reader.setAllocationLimit(static_cast<int>(DecodeLimits::kMaxDecodedPixels * 4 / (1024 * 1024)) + 64);

    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return {LoadResult::ReadError, {}};
    if (!withinSourceLimit(stored, format))
        return {LoadResult::OutOfMemory, {}};
    const QImageIOHandler::Transformations own = ownTransformation(data, format, reader.transformation());
    const bool sideways = turnsSideways(reader.transformation() | own);
    const QSize natural = sideways ? stored.transposed() : stored;
    const QSize reduced = reducedDecodeSize(natural, target);
    if (format == PictureFormat::Jpeg && reduced != natural)
        reader.setScaledSize(sideways ? reduced.transposed() : reduced);
    else if (format == PictureFormat::Jpeg && !fitsDecodeLimit(stored))
        return {LoadResult::OutOfMemory, {}};

    QImage image = reader.read();
    if (image.isNull())
        return {LoadResult::ReadError, {}};
    image = transformed(std::move(image), own);
    if (image.size() != reduced)
        image = image.scaled(reduced, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {LoadResult::Loaded, Picture::raster(asDisplayFormat(std::move(image)), natural)};
}

} // namespace qv
