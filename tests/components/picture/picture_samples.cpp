#include "picture_samples.h"

#include "components/picture/magick_setup.h"

#include <QBuffer>
#include <QDataStream>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <Magick++.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace qv::test {

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

namespace {

class MetafileWriter {
public:
    void record(quint16 function, std::initializer_list<qint16> words, const QByteArray& tail = {})
    {
        const quint32 sizeInWords = 3 + static_cast<quint32>(words.size()) + static_cast<quint32>(tail.size() / 2);
        stream_ << sizeInWords << function;
        for (qint16 word : words)
            stream_ << word;
        stream_.writeRawData(tail.constData(), static_cast<int>(tail.size()));
        maxRecordWords_ = std::max(maxRecordWords_, sizeInWords);
    }
    void brush(QRgb colour)
    {
        QByteArray tail;
        QDataStream s(&tail, QIODevice::WriteOnly);
        s.setByteOrder(QDataStream::LittleEndian);
        s << quint16(0) << colourRef(colour) << quint16(0);
        record(0x02FC, {}, tail);
    }
    static quint32 colourRef(QRgb colour)
    {
        return quint32(qRed(colour)) | (quint32(qGreen(colour)) << 8) | (quint32(qBlue(colour)) << 16);
    }
    QByteArray finish(QRect bounds, quint16 unitsPerInch, quint16 objects)
    {
        record(0x0000, {});
        QByteArray whole;
        QDataStream out(&whole, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        const qint16 words[] = {0, qint16(bounds.left()), qint16(bounds.top()), qint16(bounds.right() + 1),
                                qint16(bounds.bottom() + 1), qint16(unitsPerInch)};
        quint16 checksum = 0x9AC6 ^ 0xCDD7;
        out << quint32(0x9AC6CDD7);
        for (qint16 word : words) {
            out << word;
            checksum ^= quint16(word);
        }
        out << quint32(0) << checksum;
        out << quint16(1) << quint16(9) << quint16(0x0300) << quint32(9 + body_.size() / 2) << objects
            << maxRecordWords_ << quint16(0);
        out.writeRawData(body_.constData(), static_cast<int>(body_.size()));
        return whole;
    }

private:
    QByteArray body_;
    QDataStream stream_{&body_, QIODevice::WriteOnly};
    quint32 maxRecordWords_ = 0;

public:
    MetafileWriter() { stream_.setByteOrder(QDataStream::LittleEndian); }
};

} // namespace

QByteArray sampleMetafile(bool withText)
{
    MetafileWriter writer;
    writer.record(0x020B, {0, 0});      // window origin (y, x)
    writer.record(0x020C, {600, 800});  // window extent (y, x)
    writer.brush(qRgb(255, 0, 0));
    writer.record(0x012D, {0});
    writer.record(0x041B, {300, 400, 0, 0});  // rectangle (bottom, right, top, left)
    writer.brush(qRgb(0, 0, 255));
    writer.record(0x012D, {1});
    writer.record(0x0418, {600, 800, 300, 400});  // ellipse
    quint16 objects = 2;
    if (withText) {
        QByteArray face("Arial");
        face.append('\0');
        if (face.size() % 2 != 0)
            face.append('\0');
        QByteArray font;
        QDataStream s(&font, QIODevice::WriteOnly);
        s.setByteOrder(QDataStream::LittleEndian);
        s << qint16(-120) << qint16(0) << qint16(0) << qint16(0) << qint16(700);
        for (int i = 0; i < 8; ++i)
            s << quint8(0);
        s.writeRawData(face.constData(), static_cast<int>(face.size()));
        writer.record(0x02FB, {}, font);
        writer.record(0x012D, {2});
        QByteArray colour;
        QDataStream c(&colour, QIODevice::WriteOnly);
        c.setByteOrder(QDataStream::LittleEndian);
        c << MetafileWriter::colourRef(qRgb(0, 255, 0));
        writer.record(0x0209, {}, colour);  // text colour
        writer.record(0x0102, {1});          // transparent text background
        QByteArray textOut;
        QDataStream t(&textOut, QIODevice::WriteOnly);
        t.setByteOrder(QDataStream::LittleEndian);
        t.writeRawData("Text", 4);
        t << qint16(480) << qint16(40);  // y, x
        writer.record(0x0521, {4}, textOut);
        objects = 3;
    }
    return writer.finish(QRect(0, 0, 800, 600), 720, objects);
}

namespace {

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

} // namespace

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
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    const int length = static_cast<int>(exif.size()) + 2;
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(exif);
    return picture.left(2) + segment + picture.mid(2);
}

QByteArray encodeWithTool(const QImage& picture, const QString& program, const QStringList& options,
                          const QString& suffix)
{
    const QTemporaryDir scratch;
    const QString input = scratch.filePath(QStringLiteral("in.png"));
    const QString output = scratch.filePath(QStringLiteral("out.") + suffix);
    if (!picture.save(input, "PNG"))
        return {};
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, options + QStringList{input, QStringLiteral("-o"), output});
    const bool ran = tool.waitForFinished(120000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    QFile file(output);
    if (!ran || !file.open(QIODevice::ReadOnly)) {
        // Never a silent pass: setup.sh installs these tools.
        ADD_FAILURE() << qPrintable(program) << " could not make the test file: " << tool.errorString().toStdString()
                      << tool.readAll().toStdString();
        return {};
    }
    return file.readAll();
}

QByteArray encodeHeic(const QImage& picture) { return encodeWithTool(picture, "heif-enc", {"-q", "90"}, "heic"); }

QByteArray encodeAvif(const QImage& picture, int quarterTurns)
{
    QStringList options{"-s", "10", "--min", "0", "--max", "10"};
    if (quarterTurns != 0)
        options << "--irot" << QString::number(quarterTurns);
    return encodeWithTool(picture, "avifenc", options, "avif");
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
