#include "picture_samples.h"

#include "components/picture/magick_setup.h"
#include "make_sample_media/modern_encoders.h"
#include "make_sample_media/wmf_writer.h"

#include <QBuffer>
#include <QDataStream>
#include <QImageWriter>
#include <QPainter>

#include <Magick++.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace qv::test {
namespace {

QByteArray fromSamples(const samples::Bytes& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

std::uint32_t pngChunkCrc(const QByteArray& typeAndData)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : typeAndData) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

QByteArray bigEndian32(std::uint32_t value)
{
    return QByteArray(1, char(value >> 24)) + char((value >> 16) & 0xFF) + char((value >> 8) & 0xFF) + char(value & 0xFF);
}

QByteArray littleEndian(std::uint32_t value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

} // namespace

QImage quadrantPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, Qt::red);
    painter.fillRect(halfWidth, 0, size.width() - halfWidth, halfHeight, Qt::green);
    painter.fillRect(0, halfHeight, halfWidth, size.height() - halfHeight, Qt::blue);
    painter.fillRect(halfWidth, halfHeight, size.width() - halfWidth, size.height() - halfHeight, Qt::white);
    return picture;
}

QByteArray encodeWithMagick(const QImage& picture, const MagickEncoding& encoding)
{
    prepareMagick();
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    Magick::Image image(static_cast<unsigned>(pixels.width()), static_cast<unsigned>(pixels.height()), "BGRA",
                        Magick::CharPixel, pixels.constBits());
    image.matte(false);
    if (encoding.greyscale)
        image.type(Magick::GrayscaleType);
    else if (encoding.palette)
        image.type(Magick::PaletteType);
    if (encoding.runLength)
        image.compressType(Magick::RLECompression);
    if (encoding.alpha) {
        image.matte(true);
        image.opacity(0);
    }
    if (encoding.colourSpace == "CMYK")
        image.colorSpace(Magick::CMYKColorspace);
    else if (encoding.colourSpace == "YCbCr")
        image.colorSpace(Magick::YCbCrColorspace);
    if (encoding.deep)
        image.depth(16);
    if (encoding.planes)
        image.interlaceType(Magick::PlaneInterlace);
    if (encoding.compression == "LZW")
        image.compressType(Magick::LZWCompression);
    else if (encoding.compression == "JPEG")
        image.compressType(Magick::JPEGCompression);
    image.magick(encoding.coder);
    Magick::Blob blob;
    image.write(&blob);
    return {static_cast<const char*>(blob.data()), static_cast<qsizetype>(blob.length())};
}

QByteArray labTiff(const QImage& picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const auto lab = [](QRgb rgb) {
        const auto linear = [](int c) { const double v = c / 255.0; return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        const double r = linear(qRed(rgb)), g = linear(qGreen(rgb)), b = linear(qBlue(rgb));
        const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
        const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047), y = f(0.2126 * r + 0.7152 * g + 0.0722 * b),
                     z = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
        return std::array<char, 3>{char(qRound((116 * y - 16) * 2.55)), char(qRound(500 * (x - y))), char(qRound(200 * (y - z)))};
    };
    QByteArray samples;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            samples.append(lab(pixels.pixel(x, y)).data(), 3);
    // Relative to D65 white, which the file names (TIFF assumes D50 otherwise).
    const quint16 entries = 11;
    const quint32 bitsAt = 8 + 2 + entries * 12 + 4, whiteAt = bitsAt + 6, dataAt = whiteAt + 16;
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0x4949) << quint16(42) << quint32(8) << entries;
    const auto entry = [&](quint16 tag, quint16 type, quint32 count, quint32 value) {
        out << tag << type << count << (type == 3 && count == 1 ? value & 0xFFFF : value);
    };
    entry(256, 4, 1, quint32(pixels.width()));
    entry(257, 4, 1, quint32(pixels.height()));
    entry(258, 3, 3, bitsAt);
    entry(259, 3, 1, 1);
    entry(262, 3, 1, 8);
    entry(273, 4, 1, dataAt);
    entry(277, 3, 1, 3);
    entry(278, 4, 1, quint32(pixels.height()));
    entry(279, 4, 1, quint32(samples.size()));
    entry(284, 3, 1, 1);
    entry(318, 5, 2, whiteAt);
    out << quint32(0) << quint16(8) << quint16(8) << quint16(8) << quint32(31270) << quint32(100000) << quint32(32900)
        << quint32(100000);
    return file + samples;
}

QByteArray sampleMetafile(bool withText)
{
    // 1600 x 1200 twips: 107 x 80 pixels at 96 per inch. A brush made and deleted first
    // leaves a free slot that playback fills with the next object: a writer that numbers
    // objects otherwise selects the wrong brushes.
    samples::WmfWriter wmf(1600, 1200);
    wmf.select(wmf.createNullPen());
    wmf.remove(wmf.createSolidBrush({1, 2, 3}));
    wmf.select(wmf.createSolidBrush({255, 0, 0}));
    wmf.rectangle(0, 0, 800, 600);
    wmf.select(wmf.createSolidBrush({0, 0, 255}));
    wmf.ellipse(800, 600, 1600, 1200);
    const std::array<samples::WmfPoint, 3> corner{{{1600, 0}, {1600, 300}, {1200, 0}}};
    wmf.polygon(corner);
    if (withText) {
        wmf.select(wmf.createFont(240, 700, "Arial"));
        wmf.setTextColour({0, 255, 0});
        wmf.setTransparentText();
        wmf.textOut(80, 960, "Text");
    }
    return fromSamples(wmf.finish());
}

QByteArray withExifOrientation(const QByteArray& picture, int orientation)
{
    QByteArray tiff;
    QDataStream s(&tiff, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("II", 2);
    s << quint16(42) << quint32(8);                   // TIFF header, first directory at 8
    s << quint16(1);                                   // one entry
    s << quint16(0x0112) << quint16(3) << quint32(1);  // orientation, SHORT, one value
    s << quint16(orientation) << quint16(0);
    s << quint32(0);                                   // no further directory
    if (picture.startsWith("\x89PNG")) {
        constexpr qsizetype kAfterHeader = 8 + 25;      // signature, IHDR chunk
        const QByteArray body = QByteArray("eXIf") + tiff;
        const QByteArray chunk = bigEndian32(std::uint32_t(tiff.size())) + body + bigEndian32(pngChunkCrc(body));
        return picture.left(kAfterHeader) + chunk + picture.mid(kAfterHeader);
    }
    if (picture.startsWith("RIFF")) {
        // The extended form: a VP8X header that announces EXIF, the picture, the EXIF chunk.
        const QSize size = QImage::fromData(picture, "webp").size();
        const QByteArray header = QByteArray("VP8X") + littleEndian(10, 4) + littleEndian(0x08, 4)
                                + littleEndian(std::uint32_t(size.width() - 1), 3)
                                + littleEndian(std::uint32_t(size.height() - 1), 3);
        const QByteArray exifChunk = QByteArray("EXIF") + littleEndian(std::uint32_t(tiff.size()), 4) + tiff;
        const QByteArray body = QByteArray("WEBP") + header + picture.mid(12) + exifChunk;
        return QByteArray("RIFF") + littleEndian(std::uint32_t(body.size()), 4) + body;
    }
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    const int length = static_cast<int>(exif.size()) + 2;
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(exif);
    return picture.left(2) + segment + picture.mid(2);
}

QByteArray encodeHeic(const QImage& picture, int exifOrientation)
{
    return fromSamples(samples::encodeHeic(picture, exifOrientation, 90));
}

QByteArray encodeJxl(const QImage& picture, int exifOrientation)
{
    return fromSamples(samples::encodeJxl(picture, exifOrientation));
}

QByteArray encodeAvif(const QImage& picture)
{
    return fromSamples(samples::encodeAvif(picture, 95));
}

QByteArray encodeWithQt(const QImage& picture, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(picture);
    return bytes;
}

bool isNear(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace qv::test
