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

template <typename Case> std::string caseLabel(const testing::TestParamInfo<Case>& info) { return info.param.label; }

class EveryFormat : public testing::TestWithParam<FormatCase> {};

// Each format decodes to the right size with its colours in the right corners.
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
    caseLabel<FormatCase>);

struct FailureCase {
    const char* label;
    std::function<QString(ScratchFiles&)> makeFile;
    int expectedCode;
};

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

using MakeFile = std::function<QString(ScratchFiles&)>;

MakeFile cutFile(const char* name, const char* format, double keep = 0.5, MagickEncoding encoding = {})
{
    return [=](ScratchFiles& f) { return f.write(name, cut(newSample(format, encoding), keep)); };
}

// The headers intact, the coded picture data behind them overwritten.
MakeFile scrambledFile(const char* name, const char* format)
{
    return [=](ScratchFiles& f) {
        QByteArray bytes = newSample(format);
        for (qsizetype at = bytes.size() / 3; at < bytes.size(); at += 3)
            bytes[at] = char(bytes[at] ^ 0x5A);
        return f.write(name, bytes);
    };
}

class Failures : public testing::TestWithParam<FailureCase> {};

TEST_P(Failures, GiveTheirCode)
{
    ScratchFiles files;
    const QString path = GetParam().makeFile(files);
    const DecodeOutcome outcome = decodePictureFile(path, QSize(800, 600));
    EXPECT_EQ(outcome.code, GetParam().expectedCode);
    EXPECT_EQ(outcome.picture != nullptr, outcome.code == LoadResult::Loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Picture, Failures,
    testing::Values(
        FailureCase{"Missing", [](ScratchFiles& f) { return f.path("none.jpg"); }, LoadResult::FileNotFound},
        FailureCase{"EmptyPath", [](ScratchFiles&) { return QString(); }, LoadResult::FileNotFound},
        FailureCase{"Folder", [](ScratchFiles& f) { QDir().mkpath(f.path("dir.jpg")); return f.path("dir.jpg"); },
                    LoadResult::FileNotFound},
        FailureCase{"EmptyFile", [](ScratchFiles& f) { return f.write("e.jpg", {}); }, LoadResult::UnknownType},
        FailureCase{"TextStartingBM", [](ScratchFiles& f) { return f.write("t.bmp", "BMP pictures are old\n"); },
                    LoadResult::UnknownType},
        // A JPEG cut short still makes a whole picture, its lost rows grey.
        FailureCase{"JpegCut", cutFile("c.jpg", "jpeg", 0.6), LoadResult::Loaded},
        FailureCase{"GifCut", cutFile("c.gif", "gif"), LoadResult::Loaded},
        FailureCase{"BmpCut", cutFile("c.bmp", "bmp"), LoadResult::ReadError},
        FailureCase{"PcxCut", cutFile("c.pcx", "pcx"), LoadResult::ReadError},
        FailureCase{"TgaCut", cutFile("c.tga", "tga"), LoadResult::ReadError},
        FailureCase{"TgaRunLengthCut", cutFile("d.tga", "tga", 0.5, {"", true}), LoadResult::ReadError},
        FailureCase{"TiffCut", cutFile("c.tif", "tiff"), LoadResult::ReadError},
        FailureCase{"TiffCmyk16Cut", cutFile("d.tif", "tiff", 0.5, {"", false, false, false, "CMYK", false, true}),
                    LoadResult::ReadError},
        FailureCase{"DibCut", cutFile("c.dib", "dib"), LoadResult::ReadError},
        FailureCase{"WmfCut", [](ScratchFiles& f) { return f.write("c.wmf", cut(test::sampleMetafile(true), 0.7)); }, LoadResult::ReadError},
        FailureCase{"PngCut", cutFile("c.png", "png"), LoadResult::ReadError},
        FailureCase{"WebPCut", cutFile("c.webp", "webp"), LoadResult::ReadError},
        FailureCase{"HeicCut", cutFile("c.heic", "heic"), LoadResult::ReadError},
        FailureCase{"AvifCut", cutFile("c.avif", "avif"), LoadResult::ReadError},
        FailureCase{"JxlCut", cutFile("c.jxl", "jxl"), LoadResult::ReadError},
        // The HEVC decoder conceals damage inside the coded picture, as a JPEG decoder does.
        FailureCase{"HeicScrambled", scrambledFile("s.heic", "heic"), LoadResult::Loaded},
        FailureCase{"AvifScrambled", scrambledFile("s.avif", "avif"), LoadResult::ReadError},
        FailureCase{"JxlScrambled", scrambledFile("s.jxl", "jxl"), LoadResult::ReadError}),
    caseLabel<FailureCase>);

// Headers claiming enormous pictures are refused before any pixel is allocated.
TEST(PictureDecoding, HeadersClaimingHugePicturesAreRefusedAsOutOfMemory)
{
    const std::pair<const char*, QByteArray> claims[] = {
        {"h.jpg", jpegClaiming(QSize(65000, 65000))},
        {"h.bmp", withU32(withU32(newSample("bmp"), 18, 60000), 22, 60000)},
        {"h.gif", gifClaiming(newSample("gif"), QSize(65535, 65535))},
        {"h.tga", withU16(withU16(newSample("tga", {"", true}), 12, 65535), 14, 65535)},
        {"h.pcx", withU16(withU16(newSample("pcx"), 8, 65000), 10, 65000)},
        {"h.png", withU32(withU32(newSample("png"), 16, 0xE8FD0000u), 20, 0xE8FD0000u)}};
    ScratchFiles files;
    for (const auto& [name, bytes] : claims) {
        const DecodeOutcome outcome = decodePictureFile(files.write(name, bytes), QSize(800, 600));
        EXPECT_EQ(outcome.code, LoadResult::OutOfMemory) << name;
        EXPECT_FALSE(outcome.picture) << name;
    }
}

struct OrientationCase {
    const char* label;
    std::function<QByteArray(const QImage&)> encode;  // the picture as stored
    bool sideways;
    QColor topLeft;  // of the upright picture
};

class Orientation : public testing::TestWithParam<OrientationCase> {};

// The upright picture is what counts: its size, its corners, also when decoded reduced.
TEST_P(Orientation, ShowsThePictureUpright)
{
    const OrientationCase& c = GetParam();
    const QSize stored(640, 320);
    const QByteArray bytes = c.encode(test::quadrantPicture(stored));
    for (const QSize target : {QSize(), QSize(80, 80)}) {
        const DecodeOutcome outcome = decodePictureData(bytes, target);
        ASSERT_EQ(outcome.code, LoadResult::Loaded);
        const QSize upright = c.sideways ? stored.transposed() : stored;
        EXPECT_EQ(outcome.picture->naturalSize(), upright);
        const QSize shown = upright / 8;
        EXPECT_TRUE(isNear(colourAt(outcome.picture, shown, QPoint(4, 4)), c.topLeft)) << "target " << target.width();
    }
}

// Stored in `format` with an Exif orientation tag saying it lies turned.
std::function<QByteArray(const QImage&)> turned(const char* format, int orientation)
{
    return [=](const QImage& p) { return test::withExifOrientation(test::encodeWithQt(p, format, 95), orientation); };
}

INSTANTIATE_TEST_SUITE_P(
    Picture, Orientation,
    testing::Values(OrientationCase{"Jpeg1", turned("jpeg", 1), false, Qt::red},
                    OrientationCase{"Jpeg3", turned("jpeg", 3), false, Qt::white},
                    OrientationCase{"Jpeg6", turned("jpeg", 6), true, Qt::blue},
                    OrientationCase{"Jpeg8", turned("jpeg", 8), true, Qt::green},
                    OrientationCase{"Png2", turned("png", 2), false, Qt::green},
                    OrientationCase{"Png5", turned("png", 5), true, Qt::red},
                    OrientationCase{"Png6", turned("png", 6), true, Qt::blue},
                    OrientationCase{"Webp8", turned("webp", 8), true, Qt::green},
                    // Stored turned with the turn recorded: upright as given.
                    OrientationCase{"Heic6", [](const QImage& p) { return test::encodeHeic(p, 6); }, false, Qt::red},
                    OrientationCase{"Heic8", [](const QImage& p) { return test::encodeHeic(p, 8); }, false, Qt::red},
                    OrientationCase{"Jxl3", [](const QImage& p) { return test::encodeJxl(p, 3); }, false, Qt::red},
                    OrientationCase{"Jxl6", [](const QImage& p) { return test::encodeJxl(p, 6); }, false, Qt::red}),
    caseLabel<OrientationCase>);

// A picture larger than the screen is kept no larger than the screen needs, whatever its
// decoder; its natural size stays its own.
TEST(PictureDecoding, LargePicturesAreKeptAtScreenSize)
{
    const QSize large(1600, 1200);
    const QImage picture = test::quadrantPicture(large);
    for (const QByteArray& bytes : {test::encodeWithQt(picture, "jpeg"), test::encodeWithQt(picture, "bmp"),
                                    encodeWithMagick(picture, {"PCX"}), test::encodeWithQt(picture, "png"),
                                    test::encodeAvif(picture)}) {
        const DecodeOutcome outcome = decodePictureData(bytes, QSize(400, 300));
        ASSERT_EQ(outcome.code, LoadResult::Loaded);
        EXPECT_EQ(outcome.picture->naturalSize(), large);
        EXPECT_LE(outcome.picture->memoryCost(), 400 * 300 * 4);
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
