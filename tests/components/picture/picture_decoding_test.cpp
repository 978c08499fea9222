#include "components/picture/picture_decoder.h"

#include "picture_samples.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace qv {
namespace {

using test::encodeWithMagick;
using test::isNear;
using test::MagickEncoding;

const QSize kSampleSize(64, 48);

class ScratchFiles {
public:
    QString write(const QString& name, const QByteArray& bytes) const
    {
        EXPECT_TRUE(test::writeFile(path(name), bytes));
        return path(name);
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

QColor colourAt(const PictureHandle& picture, QSize size, QPoint point)
{
    return QColor(picture->imageAt(size).pixel(point));
}

struct FormatCase {
    const char* label;
    const char* fileName;
    std::function<QByteArray(const QImage&)> encode;
    bool greyscale = false;
};

std::string caseLabel(const testing::TestParamInfo<FormatCase>& info) { return info.param.label; }

class EveryFormat : public testing::TestWithParam<FormatCase> {};

// Each format decodes to the right size with its colours in the right corners. Larger
// than the screen, it is kept no larger than the screen needs, whatever its decoder; its
// natural size stays its own.
TEST_P(EveryFormat, DecodesWithSizeAndCorners)
{
    const FormatCase& format = GetParam();
    ScratchFiles files;
    const QString path = files.write(format.fileName, format.encode(test::quadrantPicture(kSampleSize)));

    const DecodeOutcome outcome = decodePictureFile(path, QSize());

    ASSERT_EQ(outcome.code, LoadResult::Loaded);
    ASSERT_TRUE(outcome.picture);
    EXPECT_EQ(outcome.picture->naturalSize(), kSampleSize);
    const auto expected = [&](QColor colour) {
        if (!format.greyscale)
            return colour;
        const int grey = qRound(0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue());
        return QColor(grey, grey, grey);
    };
    const std::pair<QPoint, QColor> corners[] = {
        {{8, 6}, expected(Qt::red)}, {{56, 6}, expected(Qt::green)},
        {{8, 42}, expected(Qt::blue)}, {{56, 42}, expected(Qt::white)}};
    for (const auto& [point, colour] : corners) {
        const QColor actual = colourAt(outcome.picture, kSampleSize, point);
        EXPECT_TRUE(isNear(actual, colour)) << "at " << point.x() << "," << point.y() << ": " << qPrintable(actual.name());
    }
    const DecodeOutcome reduced = decodePictureFile(path, kSampleSize / 4);
    ASSERT_EQ(reduced.code, LoadResult::Loaded);
    EXPECT_EQ(reduced.picture->naturalSize(), kSampleSize);
    EXPECT_LE(reduced.picture->memoryCost(), 16 * 12 * 4);
}

std::function<QByteArray(const QImage&)> magick(MagickEncoding encoding)
{
    return [=](const QImage& p) { return encodeWithMagick(p, encoding); };
}

INSTANTIATE_TEST_SUITE_P(
    Picture, EveryFormat,
    testing::Values(
        FormatCase{"Jpeg", "a.jpg", [](const QImage& p) { return test::encodeWithQt(p, "jpeg", 95); }},
        FormatCase{"Gif", "a.gif", magick({"GIF"})},
        FormatCase{"Bmp", "a.bmp", [](const QImage& p) { return test::encodeWithQt(p, "bmp"); }},
        FormatCase{"BmpNamedDib", "a.dib", [](const QImage& p) { return test::encodeWithQt(p, "bmp"); }},
        FormatCase{"HeaderlessDib", "b.dib", magick({"DIB"})},
        FormatCase{"Pcx", "a.pcx", magick({"PCX"})},
        FormatCase{"PcxNamedJpeg", "pcx.jpg", magick({"PCX"})},
        FormatCase{"Tga", "a.tga", magick({"TGA"})},
        FormatCase{"TgaRunLength", "b.tga", magick({"TGA", true})},
        FormatCase{"TgaPalette", "c.tga", magick({"TGA", false, true})},
        FormatCase{"TgaPaletteRunLength", "d.tga", magick({"TGA", true, true})},
        FormatCase{"TgaGrey", "e.tga", magick({"TGA", false, false, true}), true},
        FormatCase{"Tiff", "a.tif", magick({"TIFF"})},
        FormatCase{"TiffRunLength", "b.tif", magick({"TIFF", true})},
        // TIFF in every layout a print or scanning workflow writes.
        FormatCase{"TiffCmyk", "c.tif", magick({"TIFF", false, false, false, "CMYK"})},
        FormatCase{"TiffCmykAlphaLzw", "d.tif", magick({"TIFF", false, false, false, "CMYK", true, false, false, "LZW"})},
        FormatCase{"TiffCmyk16", "e.tif", magick({"TIFF", false, false, false, "CMYK", false, true})},
        FormatCase{"TiffCmyk16Alpha", "f.tif", magick({"TIFF", false, false, false, "CMYK", true, true})},
        FormatCase{"TiffCmykPlanes", "g.tif", magick({"TIFF", false, false, false, "CMYK", false, false, true})},
        FormatCase{"TiffRgbPlanes16", "h.tif", magick({"TIFF", false, false, false, "", false, true, true})},
        FormatCase{"TiffRgbPlanes", "k.tif", magick({"TIFF", false, false, false, "", false, false, true})},
        FormatCase{"TiffLab", "i.tif", [](const QImage& p) { return test::labTiff(p); }},
        FormatCase{"TiffYCbCrJpeg", "j.tif", magick({"TIFF", false, false, false, "YCbCr", false, false, false, "JPEG"})},
        FormatCase{"Png", "a.png", [](const QImage& p) { return test::encodeWithQt(p, "png"); }},
        FormatCase{"WebP", "a.webp", magick({"WEBP"})},
        FormatCase{"Heic", "a.heic", [](const QImage& p) { return test::encodeHeic(p); }},
        FormatCase{"Avif", "a.avif", [](const QImage& p) { return test::encodeAvif(p); }},
        FormatCase{"JpegXl", "a.jxl", magick({"JXL"})}),
    caseLabel);

QByteArray cut(const QByteArray& bytes, double keep) { return bytes.left(qsizetype(bytes.size() * keep)); }

QByteArray withU16(QByteArray bytes, qsizetype offset, quint16 value, bool bigEndian = false)
{
    bytes[offset] = char(bigEndian ? value >> 8 : value & 0xFF);
    bytes[offset + 1] = char(bigEndian ? value & 0xFF : value >> 8);
    return bytes;
}

QByteArray withU32(QByteArray bytes, qsizetype offset, quint32 value)
{
    return withU16(withU16(bytes, offset, quint16(value & 0xFFFF)), offset + 2, quint16(value >> 16));
}

QByteArray jpegClaiming(QSize size)
{
    QByteArray jpeg = test::encodeWithQt(test::quadrantPicture(kSampleSize), "jpeg");
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    return withU16(withU16(jpeg, frame + 5, quint16(size.height()), true), frame + 7, quint16(size.width()), true);
}

// A GIF whose screen and first frame both claim `size`.
QByteArray gifClaiming(QByteArray gif, QSize size)
{
    qsizetype offset = 13;
    if ((quint8(gif[10]) & 0x80) != 0)
        offset += 3 * (2 << (quint8(gif[10]) & 0x07));
    while (offset < gif.size() && gif[offset] == 0x21) {  // extension blocks
        offset += 2;
        while (offset < gif.size() && gif[offset] != 0)
            offset += quint8(gif[offset]) + 1;
        ++offset;
    }
    EXPECT_EQ(gif[offset], 0x2C);
    gif = withU16(withU16(gif, 6, quint16(size.width())), 8, quint16(size.height()));
    return withU16(withU16(gif, offset + 5, quint16(size.width())), offset + 7, quint16(size.height()));
}

// A 160 x 120 sample in `format`: "png", "jpeg", "heic", "avif" or a GraphicsMagick coder.
QByteArray newSample(const QString& format, MagickEncoding encoding = {})
{
    const QImage picture = test::quadrantPicture(QSize(160, 120));
    if (format == "heic")
        return test::encodeHeic(picture);
    if (format == "avif")
        return test::encodeAvif(picture);
    if (format == "png" || format == "jpeg")
        return test::encodeWithQt(picture, qPrintable(format));
    encoding.coder = format.toUpper().toStdString();
    return encodeWithMagick(picture, encoding);
}

QByteArray cutInHalf(const char* format, const MagickEncoding& encoding = {}) { return cut(newSample(format, encoding), 0.5); }

// The headers intact, the coded picture data behind them overwritten.
QByteArray scrambled(QByteArray bytes)
{
    for (qsizetype at = bytes.size() / 3; at < bytes.size(); at += 3)
        bytes[at] = char(bytes[at] ^ 0x5A);
    return bytes;
}

// A damaged or hostile file gives its code, and a picture only when that code is Loaded.
TEST(PictureDecoding, DamagedAndHostileFilesGiveTheirCode)
{
    const struct {
        const char* name;
        QByteArray bytes;
        int code;
    } files[] = {
        {"e.jpg", {}, LoadResult::UnknownType},
        {"t.bmp", "BMP pictures are old\n", LoadResult::UnknownType},
        // A JPEG or GIF cut short still makes a whole picture, its lost rows grey.
        {"c.jpg", cut(newSample("jpeg"), 0.6), LoadResult::Loaded},
        {"c.gif", cutInHalf("gif"), LoadResult::Loaded},
        {"c.bmp", cutInHalf("bmp"), LoadResult::ReadError},
        {"c.pcx", cutInHalf("pcx"), LoadResult::ReadError},
        {"c.tga", cutInHalf("tga"), LoadResult::ReadError},
        {"d.tga", cutInHalf("tga", {"", true}), LoadResult::ReadError},
        {"c.tif", cutInHalf("tiff"), LoadResult::ReadError},
        {"d.tif", cutInHalf("tiff", {"", false, false, false, "CMYK", false, true}), LoadResult::ReadError},
        {"c.dib", cutInHalf("dib"), LoadResult::ReadError},
        {"c.wmf", cut(test::sampleMetafile(true), 0.7), LoadResult::ReadError},
        {"c.png", cutInHalf("png"), LoadResult::ReadError},
        {"c.webp", cutInHalf("webp"), LoadResult::ReadError},
        {"c.heic", cutInHalf("heic"), LoadResult::ReadError},
        {"c.avif", cutInHalf("avif"), LoadResult::ReadError},
        {"c.jxl", cutInHalf("jxl"), LoadResult::ReadError},
        // The HEVC decoder conceals damage inside the coded picture, as a JPEG decoder does.
        {"s.heic", scrambled(newSample("heic")), LoadResult::Loaded},
        {"s.avif", scrambled(newSample("avif")), LoadResult::ReadError},
        {"s.jxl", scrambled(newSample("jxl")), LoadResult::ReadError},
        // Headers claiming enormous pictures are refused before any pixel is allocated.
        {"h.jpg", jpegClaiming(QSize(65000, 65000)), LoadResult::OutOfMemory},
        {"h.bmp", withU32(withU32(newSample("bmp"), 18, 60000), 22, 60000), LoadResult::OutOfMemory},
        {"h.gif", gifClaiming(newSample("gif"), QSize(65535, 65535)), LoadResult::OutOfMemory},
        {"h.tga", withU16(withU16(newSample("tga", {"", true}), 12, 65535), 14, 65535), LoadResult::OutOfMemory},
        {"h.pcx", withU16(withU16(newSample("pcx"), 8, 65000), 10, 65000), LoadResult::OutOfMemory},
        {"h.png", withU32(withU32(newSample("png"), 16, 0xE8FD0000u), 20, 0xE8FD0000u), LoadResult::OutOfMemory}};
    ScratchFiles scratch;
    QDir().mkpath(scratch.path("dir.jpg"));
    for (const auto& f : files) {
        const DecodeOutcome outcome = decodePictureFile(scratch.write(f.name, f.bytes), QSize(800, 600));
        EXPECT_EQ(outcome.code, f.code) << f.name;
        EXPECT_EQ(outcome.picture != nullptr, outcome.code == LoadResult::Loaded) << f.name;
    }
    // A path that leads to no file: missing, empty, a folder.
    for (const QString& path : {scratch.path("none.jpg"), QString(), scratch.path("dir.jpg")}) {
        const DecodeOutcome outcome = decodePictureFile(path, QSize(800, 600));
        EXPECT_EQ(outcome.code, LoadResult::FileNotFound) << path.toStdString();
        EXPECT_FALSE(outcome.picture) << path.toStdString();
    }
}

// Stored in `format` with an Exif orientation tag saying it lies turned.
std::function<QByteArray(const QImage&)> turned(const char* format, int orientation)
{
    return [=](const QImage& p) { return test::withExifOrientation(test::encodeWithQt(p, format, 95), orientation); };
}

// The upright picture is what counts: its size, its corners, also when decoded reduced.
TEST(PictureDecoding, OrientedPicturesAreShownUpright)
{
    const auto heic = [](int turn) { return [turn](const QImage& p) { return test::encodeHeic(p, turn); }; };
    const auto jxl = [](int turn) { return [turn](const QImage& p) { return test::encodeJxl(p, turn); }; };
    const struct {
        const char* label;
        std::function<QByteArray(const QImage&)> encode;  // the picture as stored
        bool sideways;
        QColor topLeft;  // of the upright picture
    } cases[] = {{"Jpeg1", turned("jpeg", 1), false, Qt::red}, {"Jpeg3", turned("jpeg", 3), false, Qt::white},
                 {"Jpeg6", turned("jpeg", 6), true, Qt::blue}, {"Jpeg8", turned("jpeg", 8), true, Qt::green},
                 {"Png2", turned("png", 2), false, Qt::green}, {"Png5", turned("png", 5), true, Qt::red},
                 {"Png6", turned("png", 6), true, Qt::blue}, {"Webp8", turned("webp", 8), true, Qt::green},
                 // Stored turned with the turn recorded: upright as given.
                 {"Heic6", heic(6), false, Qt::red}, {"Heic8", heic(8), false, Qt::red},
                 {"Jxl3", jxl(3), false, Qt::red}, {"Jxl6", jxl(6), false, Qt::red}};
    const QSize stored(640, 320);
    for (const auto& c : cases) {
        const QByteArray bytes = c.encode(test::quadrantPicture(stored));
        const QSize upright = c.sideways ? stored.transposed() : stored;
        for (const QSize target : {QSize(), QSize(80, 80)}) {
            const DecodeOutcome outcome = decodePictureData(bytes, target);
            ASSERT_EQ(outcome.code, LoadResult::Loaded) << c.label;
            EXPECT_EQ(outcome.picture->naturalSize(), upright) << c.label;
            EXPECT_TRUE(isNear(colourAt(outcome.picture, upright / 8, QPoint(4, 4)), c.topLeft))
                << c.label << " target " << target.width();
        }
    }
}

TEST(PictureDecoding, MetafileHasItsDeclaredSizeAndDrawsShapesAndText)
{
    const DecodeOutcome outcome = decodePictureData(test::sampleMetafile(true), QSize(1920, 1080));
    ASSERT_EQ(outcome.code, LoadResult::Loaded);
    // 1600 x 1200 twips at 96 pixels per inch.
    EXPECT_EQ(outcome.picture->naturalSize(), QSize(107, 80));

    for (const QSize shown : {QSize(428, 320), QSize(214, 160)}) {
        const QImage drawn = outcome.picture->imageAt(shown);
        ASSERT_EQ(drawn.size(), shown);
        const int w = shown.width();
        const int h = shown.height();
        EXPECT_TRUE(isNear(QColor(drawn.pixel(w / 4, h / 4)), Qt::red));
        EXPECT_TRUE(isNear(QColor(drawn.pixel(3 * w / 4, 3 * h / 4)), Qt::blue));
        EXPECT_TRUE(isNear(QColor(drawn.pixel(w - 2, 1)), Qt::blue)) << "the triangle in the top right corner";
        for (const QPoint empty : {QPoint(3 * w / 4, h / 4), QPoint(2, 3 * h / 4 + 2), QPoint(w - 2, h / 2 - 2)})
            EXPECT_EQ(drawn.pixel(empty), drawn.pixel(w / 2 + 2, 2)) << "a shape beyond its place";
        int textPixels = 0;
        for (int y = h / 2; y < h; ++y) {
            for (int x = 0; x < w / 2; ++x)
                textPixels += isNear(QColor(drawn.pixel(x, y)), Qt::green, 80) ? 1 : 0;
        }
        EXPECT_GT(textPixels, w * h / 400) << "no text drawn at " << w << "x" << h;
    }
}

} // namespace
} // namespace qv
