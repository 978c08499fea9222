#include "components/picture/magick_picture_reader.h"

#include "components/picture/decode_limits.h"
#include "components/picture/exif_orientation.h"
#include "components/picture/magick_setup.h"
#include "components/picture/tiff_messages.h"
#include "components/picture/wmf_header.h"

#include <Magick++.h>

#include <cmath>
#include <new>

namespace qv {
namespace {

constexpr double kLogicalDpi = 96.0;

std::string coderName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg: return "JPEG";
    case PictureFormat::Gif: return "GIF";
    case PictureFormat::Bmp: return "BMP";
    case PictureFormat::Dib: return "DIB";
    case PictureFormat::Pcx: return "PCX";
    case PictureFormat::Tga: return "TGA";
    case PictureFormat::Tiff: return "TIFF";
    case PictureFormat::Wmf: return "WMF";
    case PictureFormat::Png: return "PNG";
    case PictureFormat::WebP: return "WEBP";
    case PictureFormat::JpegXl: return "JXL";
    // Read through libheif directly (heif_picture_reader.h).
    case PictureFormat::Heif:
    case PictureFormat::Avif:
    case PictureFormat::Unknown: break;
    }
    return {};
}

Magick::Image imageFor(PictureFormat format)
{
    Magick::Image image;
    // Warnings (a file cut short that still decoded) must not discard the picture.
    image.quiet(true);
    image.magick(coderName(format));
    return image;
}

QSize sizeOf(const Magick::Image& image)
{
    return {static_cast<int>(image.columns()), static_cast<int>(image.rows())};
}

QImage exportPixels(Magick::Image& image)
{
    // Pixels of a CMYK picture are exported as their inks unless converted first.
    if (image.colorSpace() == Magick::CMYKColorspace)
        image.colorSpace(Magick::RGBColorspace);
    const QSize size = sizeOf(image);
    // Palette TGA reports alpha 0 everywhere while it has no alpha channel at all.
    const bool hasAlpha = image.matte();
    QImage pixels(size, hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (pixels.isNull())
        throw std::bad_alloc();
    // QImage's 32-bit formats hold B, G, R, A in memory order on little-endian machines.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    image.write(0, 0, image.columns(), image.rows(), "BGRA", Magick::CharPixel, pixels.bits());
    if (hasAlpha)
        return std::move(pixels).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pixels.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            row[x] |= 0xFF000000u;
    }
    return pixels;
}

// Every failure becomes a result code; none may escape into the caller's thread.
template <typename Work>
DecodeOutcome guarded(Work&& work)
{
    try {
        return work();
    } catch (const Magick::ErrorResourceLimit&) {
        return {LoadResult::OutOfMemory, {}};
    } catch (const std::bad_alloc&) {
        return {LoadResult::OutOfMemory, {}};
    } catch (const std::exception&) {
        return {LoadResult::ReadError, {}};
    }
}

QSize metafileNaturalSize(const Magick::Blob& blob, const QByteArray& data)
{
    if (const auto declared = placeableMetafileSize(data))
        return *declared;
    Magick::Image image = imageFor(PictureFormat::Wmf);
    image.density(Magick::Geometry(static_cast<unsigned>(kLogicalDpi), static_cast<unsigned>(kLogicalDpi)));
    image.ping(blob);
    return sizeOf(image);
}

QImage drawMetafile(const Magick::Blob& blob, QSize natural, QSize size)
{
    const auto dpi = [](int wanted, int own) {
        return static_cast<unsigned>(std::ceil(kLogicalDpi * wanted / own));
    };
    Magick::Image image = imageFor(PictureFormat::Wmf);
    image.density(Magick::Geometry(dpi(size.width(), natural.width()), dpi(size.height(), natural.height())));
    image.read(blob);
    if (image.columns() == 0 || image.rows() == 0)
        return {};
    QImage pixels = exportPixels(image);
    if (pixels.size() != size)
        pixels = pixels.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return pixels;
}

QSize containedIn(QSize natural, QSize target)
{
    if (target.isEmpty())
        return natural;
    return natural.scaled(target, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

DecodeOutcome decodeMetafile(const QByteArray& data, QSize target)
{
    if (!metafileRecordsIntact(data))
        return {LoadResult::ReadError, {}};
    return guarded([&]() -> DecodeOutcome {
        const Magick::Blob blob(data.constData(), static_cast<size_t>(data.size()));
        const QSize natural = metafileNaturalSize(blob, data);
        if (natural.isEmpty())
            return {LoadResult::ReadError, {}};
        // Drawn first at the size a full screen shows it; other sizes are drawn when asked.
        QSize firstSize = containedIn(natural, target);
        if (!fitsDecodeLimit(firstSize))
            firstSize = containedIn(natural, QSize(4096, 4096));
        QImage rendering = drawMetafile(blob, natural, firstSize);
        if (rendering.isNull())
            return {LoadResult::ReadError, {}};
        return {LoadResult::Loaded, Picture::metafile(data, natural, std::move(rendering))};
    });
}

DecodeOutcome decodeRaster(const QByteArray& data, PictureFormat format, QSize target)
{
    return guarded([&]() -> DecodeOutcome {
        const Magick::Blob blob(data.constData(), static_cast<size_t>(data.size()));
        Magick::Image image = imageFor(format);
        image.ping(blob);
        if (!fitsDecodeLimit(sizeOf(image)))
            return {LoadResult::OutOfMemory, {}};
        image = imageFor(format);
        image.read(blob);
        const QSize stored = sizeOf(image);
        if (stored.isEmpty())
            return {LoadResult::ReadError, {}};
        if (!fitsDecodeLimit(stored))
            return {LoadResult::OutOfMemory, {}};
        // GraphicsMagick reports the orientation a picture records (a JPEG XL's own, a
        // TIFF's or EXIF's) and leaves the pixels as stored.
        const QImageIOHandler::Transformations upright = uprightTransformation(image.orientation());
        const bool sideways = turnsSideways(upright);
        const QSize natural = sideways ? stored.transposed() : stored;
        const QSize reduced = reducedDecodeSize(natural, target);
        QImage pixels = exportPixels(image);
        // Turning the reduced picture is the cheaper order.
        if (reduced != natural)
            pixels = pixels.scaled(sideways ? reduced.transposed() : reduced, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
        return {LoadResult::Loaded, Picture::raster(transformed(std::move(pixels), upright), natural)};
    });
}

} // namespace

DecodeOutcome decodeWithMagick(const QByteArray& data, PictureFormat format, QSize target)
{
    prepareMagick();
    if (format == PictureFormat::Unknown)
        return {LoadResult::UnknownType, {}};
    if (format == PictureFormat::Wmf)
        return decodeMetafile(data, target);
    if (format != PictureFormat::Tiff)
        return decodeRaster(data, format, target);
    const std::lock_guard tiffTurn(tiffReadTurn());
    DecodeOutcome outcome = decodeRaster(data, format, target);
    silenceTiffMessages();
    return outcome;
}

QImage renderMetafile(const QByteArray& data, QSize size)
{
    if (size.isEmpty() || !fitsDecodeLimit(size) || !metafileRecordsIntact(data))
        return {};
    prepareMagick();
    try {
        const Magick::Blob blob(data.constData(), static_cast<size_t>(data.size()));
        const QSize natural = metafileNaturalSize(blob, data);
        if (natural.isEmpty())
            return {};
        return drawMetafile(blob, natural, size);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace qv
