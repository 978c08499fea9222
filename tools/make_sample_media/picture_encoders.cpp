#include "make_sample_media/picture_encoders.h"

#include <Magick++.h>

#include <QBuffer>
#include <QImage>

#include <stdexcept>

namespace qv::samples {
namespace {

Bytes encodeWithQt(QImage image, const char* format, int quality)
{
    // Qt would take the resolution from the screen, if any: fix it, so every machine
    // writes the same bytes.
    constexpr int kDotsPerMetre = 3780; // 96 dots per inch
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality))
        throw std::runtime_error(std::string("Qt cannot write ") + format);
    return Bytes(data.begin(), data.end());
}

} // namespace

Bytes encodeJpeg(const QImage& image, int quality)
{
    return encodeWithQt(image.convertToFormat(QImage::Format_RGB32), "JPEG", quality);
}

Bytes encodeBmp(const QImage& image)
{
    return encodeWithQt(image.convertToFormat(QImage::Format_RGB32), "BMP", -1);
}

Bytes encodePng(const QImage& image) { return encodeWithQt(image, "PNG", -1); }

Bytes encodeWebP(const QImage& image, int quality) { return encodeWithQt(image, "WEBP", quality); }

Bytes encodeWithMagick(const QImage& image, const MagickOptions& options)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    std::string packed;
    packed.reserve(rowBytes * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        packed.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rowBytes);

    Magick::Image picture(static_cast<unsigned>(rgb.width()), static_cast<unsigned>(rgb.height()),
                          "RGB", Magick::CharPixel, packed.data());
    if (options.maximumColours > 0) {
        picture.quantizeColors(static_cast<unsigned>(options.maximumColours));
        picture.quantizeDither(options.dither);
        picture.quantize();
    }
    if (options.lzw)
        picture.compressType(Magick::LZWCompression);
    picture.magick(options.format);
    Magick::Blob blob;
    picture.write(&blob);
    const auto* first = static_cast<const std::uint8_t*>(blob.data());
    return Bytes(first, first + blob.length());
}

} // namespace qv::samples
