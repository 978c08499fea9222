#include "components/picture/border_style.h"
#include "components/picture/declared_size.h"
#include "components/picture/decode_limits.h"
#include "components/picture/picture_cache.h"
#include "components/picture/tiff_layout.h"
#include "components/picture/transition_timing.h"
#include "showdata/effect_catalogue.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>

#include <array>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

namespace qv {
namespace {

using std::chrono::milliseconds;

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kBand(0, 0, 128);
const QColor kPicture(255, 0, 0);

// The rings lie outside in: outer bevel, band, inner bevel; a raised bevel is light on
// the top and left, an inset one dark; style 0 (and a style unknown) takes no room.
TEST(BorderRings, LandWhereTheStylesPutThem)
{
    using Colours = std::vector<std::pair<int, QColor>>;
    const struct {
        int outerStyle, innerStyle;
        // Along the middle row, from the left and from the right edge inwards, at the
        // centres of the rings that exist.
        Colours fromLeft, fromRight;
    } cases[] = {{2, 1, {{1, kWhite}, {7, kBand}, {12, kGrey}, {15, kPicture}}, {{1, kGrey}, {7, kBand}, {12, kWhite}, {15, kPicture}}},
                 {1, 2, {{1, kGrey}, {7, kBand}, {12, kWhite}, {15, kPicture}}, {{1, kWhite}, {7, kBand}, {12, kGrey}, {15, kPicture}}},
                 {0, 0, {{1, kBand}, {5, kBand}, {6, kPicture}}, {{1, kBand}, {6, kPicture}}},
                 {7, 0, {{1, kBand}, {6, kPicture}}, {{1, kBand}, {6, kPicture}}}};
    for (const auto& c : cases) {
        SCOPED_TRACE("styles " + std::to_string(c.outerStyle) + " and " + std::to_string(c.innerStyle));
        QImage canvas(100, 80, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        QPainter painter(&canvas);
        const BorderStyle border{{4, c.outerStyle, kGrey, kWhite}, 6, kBand, {5, c.innerStyle, kGrey, kWhite}};
        const QRect area = paintBorder(painter, canvas.rect(), border, 1.0);
        painter.fillRect(area, kPicture);
        painter.end();
        const int thickness = borderThickness(border, 1.0);
        EXPECT_EQ(area, canvas.rect().adjusted(thickness, thickness, -thickness, -thickness));
        for (const auto& [x, colour] : c.fromLeft)
            EXPECT_EQ(QColor(canvas.pixel(x, 40)), colour) << "x " << x;
        for (const auto& [x, colour] : c.fromRight)
            EXPECT_EQ(QColor(canvas.pixel(99 - x, 40)), colour) << "x 99-" << x;
        // Top and bottom edges follow the left and right ones.
        EXPECT_EQ(QColor(canvas.pixel(50, c.fromLeft.front().first)), c.fromLeft.front().second);
        EXPECT_EQ(QColor(canvas.pixel(50, 79 - c.fromRight.front().first)), c.fromRight.front().second);
    }
}

// Slower with a larger speed number, a larger screen and a finer grain; every effect of
// the catalogue at its base speed and grain ("Fast"), in both grain modes, on a full HD
// screen, takes between about half a second and three seconds.
TEST(TransitionTiming, SlowerWithSpeedAndAreaAndTheCatalogueWithinThreeSeconds)
{
    const QSize screen(1920, 1080);
    milliseconds previous{0};
    for (const int speed : {0, 1, 10, 110, 210, 255, 1000}) {
        const milliseconds duration = transitionDuration(speed, 8, screen);
        EXPECT_GE(duration, previous) << speed;
        previous = duration;
    }
    EXPECT_GT(transitionDuration(10, 8, QSize(3840, 2160)), transitionDuration(10, 8, screen));
    EXPECT_LT(transitionDuration(10, 8, QSize(480, 350)), transitionDuration(10, 8, screen));
    EXPECT_GT(transitionDuration(10, 1, screen), transitionDuration(10, 20, screen));
    EXPECT_EQ(transitionDuration(10, -5, screen), transitionDuration(10, 1, screen));
    const EffectCatalogue catalogue = standardEffectCatalogue();
    for (const std::size_t mode : {0u, 1u})
        for (std::size_t effect = 1; effect <= std::size_t{lastRealEffect}; ++effect) {
            const milliseconds duration =
                transitionDuration(catalogue.effectBaseSpeed[mode][effect], catalogue.effectGrain[mode][effect], screen);
            EXPECT_TRUE(duration >= milliseconds(400) && duration <= milliseconds(3000)) << effect << " in grain mode " << mode;
        }
}

TEST(DecodeSize, CoversTheScreenWithoutGrowingOrExploding)
{
    const QSize screen(1920, 1080);
    EXPECT_EQ(reducedDecodeSize(QSize(4000, 3000), screen), QSize(1920, 1440));
    EXPECT_EQ(reducedDecodeSize(QSize(3000, 4000), screen), QSize(1920, 2560));
    EXPECT_EQ(reducedDecodeSize(QSize(640, 480), screen), QSize(640, 480));
    // A panorama one screen high would be 40 screens wide: fitted inside instead.
    EXPECT_EQ(reducedDecodeSize(QSize(80000, 2000), screen), QSize(1920, 48));
    EXPECT_EQ(reducedDecodeSize(QSize(4000, 3000), QSize()), QSize(4000, 3000));
}

// A first directory of `entries` tags (tag, type, count, value) in either byte order.
QByteArray tiffHead(bool bigEndian, std::vector<std::array<quint32, 4>> entries, quint32 directory = 8)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(bigEndian ? QDataStream::BigEndian : QDataStream::LittleEndian);
    out.writeRawData(bigEndian ? "MM" : "II", 2);
    out << quint16(42) << directory << quint16(entries.size());
    for (const auto& [tag, type, count, value] : entries) {
        out << quint16(tag) << quint16(type) << count;
        if (type == 3 && count <= 2)
            out << quint16(value) << quint16(0);
        else
            out << value;
    }
    out << quint32(0) << quint16(16) << quint16(16);  // a bits-per-sample array at 8 + 2 + 12n + 4
    return bytes;
}

// Hostile directories give nothing or defaults, never a read outside the data.
TEST(TiffLayoutHeader, ReadsBothByteOrdersAndStaysInsideTheData)
{
    const std::vector<std::array<quint32, 4>> cmyk16 = {{258, 3, 4, 62}, {262, 3, 1, 5}, {277, 3, 1, 4}, {284, 3, 1, 2}};
    for (bool bigEndian : {false, true}) {
        const auto layout = readTiffLayout(tiffHead(bigEndian, cmyk16));
        ASSERT_TRUE(layout) << bigEndian;
        EXPECT_EQ(layout->photometric, 5u);
        EXPECT_EQ(layout->bitsPerSample, 16u);
        EXPECT_EQ(layout->samplesPerPixel, 4u);
        EXPECT_TRUE(layout->planesApart);
    }
    EXPECT_FALSE(readTiffLayout(tiffHead(false, cmyk16, 0xFFFFFFF0u)));             // directory beyond the end
    EXPECT_FALSE(readTiffLayout(tiffHead(false, cmyk16).left(40)));                 // entries cut off
    EXPECT_FALSE(readTiffLayout(tiffHead(false, {{258, 3, 1, 8}})));                // no photometric tag
    const auto farArray = readTiffLayout(tiffHead(false, {{258, 3, 3, 0xFFFFFFFFu}, {262, 3, 1, 2}}));
    ASSERT_TRUE(farArray);
    EXPECT_EQ(farArray->bitsPerSample, 1u);
}

QByteArray be32(quint32 value)
{
    return QByteArray(1, char(value >> 24)) + char((value >> 16) & 0xFF) + char((value >> 8) & 0xFF) + char(value & 0xFF);
}

QByteArray le24(quint32 value) { return QByteArray(1, char(value & 0xFF)) + char((value >> 8) & 0xFF) + char(value >> 16); }

QByteArray box(const char* type, const QByteArray& body) { return be32(quint32(body.size() + 8)) + type + body; }

QByteArray fullBox(const char* type, const QByteArray& body) { return box(type, QByteArray(4, '\0') + body); }

QByteArray pngHead(quint32 width, quint32 height)
{
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height) + QByteArray(9, '\0');
}

QByteArray webpHead(const char* chunk, const QByteArray& body)
{
    return QByteArray("RIFF") + QByteArray(4, '\x7F') + "WEBP" + chunk + QByteArray(4, '\x7F') + body + QByteArray(8, '\0');
}

// A HEIF: the primary item 1 with an 'ispe' of `width` x `height` and, unless `turns` is
// negative, an 'irot'; `associations` lists the property numbers ipma gives item 1.
QByteArray heif(const char* brand, quint32 width, quint32 height, QByteArray associations = "\x81\x02",
                quint16 primary = 1)
{
    const QByteArray ftyp = box("ftyp", QByteArray(brand) + be32(0) + "mif1" + brand);
    const QByteArray ipco = box("ipco", fullBox("ispe", be32(width) + be32(height)) + box("irot", QByteArray(1, '\1')));
    const QByteArray ipma = fullBox("ipma", be32(1) + QByteArray("\0\1", 2) + char(associations.size()) + associations);
    const QByteArray pitm = fullBox("pitm", QByteArray(1, char(primary >> 8)) + char(primary & 0xFF));
    return ftyp + fullBox("meta", pitm + box("iprp", ipco + ipma)) + box("mdat", QByteArray(16, '\0'));
}

// A JPEG XL code stream whose header holds `fields`, each (value, bit count), least
// significant bit first.
QByteArray jxl(std::initializer_list<std::pair<quint32, int>> fields)
{
    QByteArray bytes("\xFF\x0A", 2);
    int bit = 0;
    for (const auto& [value, count] : fields) {
        for (int n = 0; n < count; ++n, ++bit) {
            if (bit % 8 == 0)
                bytes.append('\0');
            bytes[bytes.size() - 1] = char(bytes.back() | (((value >> n) & 1u) << (bit % 8)));
        }
    }
    return bytes + QByteArray(4, '\0');
}

struct HeaderCase {
    const char* label;
    QByteArray bytes;
    PictureFormat format;
    std::optional<QSize> size;
};

// The newer formats' headers are read by us before any decoder: every field a hostile
// file can set gives a size or nothing, never a read outside the bytes.
TEST(ModernHeaders, SniffAndDeclaredSizeStayInsideTheBytes)
{
    const QByteArray goodHeif = heif("heic", 4000, 3000);
    const QByteArray smallJxl = jxl({{1, 1}, {3, 5}, {0, 3}, {7, 5}, {1, 1}});  // 64 x 32, metadata all default
    const std::vector<HeaderCase> cases = {
        {"png", pngHead(640, 480), PictureFormat::Png, QSize(640, 480)},
        {"png zero width", pngHead(0, 480), PictureFormat::Png, std::nullopt},
        {"png beyond int", pngHead(0xFFFFFFFFu, 2), PictureFormat::Png, std::nullopt},
        {"png cut", pngHead(640, 480).left(20), PictureFormat::Png, std::nullopt},
        {"webp extended", webpHead("VP8X", QByteArray(4, '\0') + le24(0xFFFFFF) + le24(1)), PictureFormat::WebP,
         QSize(0x1000000, 2)},
        {"webp lossless", webpHead("VP8L", QByteArray(1, '\x2F') + le24(99 | (49 << 14)) + '\0'), PictureFormat::WebP,
         QSize(100, 50)},
        {"webp lossless bad signature", webpHead("VP8L", QByteArray(5, '\0')), PictureFormat::WebP, std::nullopt},
        {"webp lossy", webpHead("VP8 ", QByteArray(3, '\0') + "\x9D\x01\x2A" + "\x80\x02\xE0\x01"), PictureFormat::WebP,
         QSize(640, 480)},
        {"riff sound", QByteArray("RIFF\0\0\0\0WAVEfmt ", 16) + QByteArray(32, '\0'), PictureFormat::Unknown, std::nullopt},
        {"heic turned", goodHeif, PictureFormat::Heif, QSize(3000, 4000)},
        {"avif unturned", heif("avif", 4000, 3000, "\x81"), PictureFormat::Avif, QSize(4000, 3000)},
        {"mif1 with avif", QByteArray(goodHeif).replace(8, 4, "mif1").replace(20, 4, "avif"), PictureFormat::Avif,
         QSize(3000, 4000)},
        {"mp4 video", QByteArray(goodHeif).replace(8, 4, "isom").replace(16, 8, "isomiso2"), PictureFormat::Unknown,
         std::nullopt},
        {"heic property out of range", heif("heic", 4000, 3000, "\x89"), PictureFormat::Heif, std::nullopt},
        {"heic other primary", heif("heic", 4000, 3000, "\x81", 7), PictureFormat::Heif, std::nullopt},
        {"heic huge", heif("heic", 0x7FFFFFFF, 0x7FFFFFFF), PictureFormat::Heif, QSize(0x7FFFFFFF, 0x7FFFFFFF)},
        {"heic cut in meta", goodHeif.left(60), PictureFormat::Heif, std::nullopt},
        {"heic meta too long", QByteArray(goodHeif).replace(goodHeif.indexOf("meta") - 4, 4, be32(0xFFFFFFF0u)),
         PictureFormat::Heif, std::nullopt},
        {"heic meta 64-bit length", QByteArray(goodHeif).replace(goodHeif.indexOf("meta") - 4, 4, be32(1)),
         PictureFormat::Heif, std::nullopt},
        {"heic box shorter than its header", QByteArray(goodHeif).replace(goodHeif.indexOf("ipco") - 4, 4, be32(3)),
         PictureFormat::Heif, std::nullopt},
        {"heic ipma count beyond box", QByteArray(goodHeif).replace(goodHeif.indexOf("ipma") + 8, 4, be32(0xFFFFFFFFu)),
         PictureFormat::Heif, QSize(3000, 4000)},
        {"jxl small", smallJxl, PictureFormat::JpegXl, QSize(64, 32)},
        {"jxl ratio 2:1", jxl({{1, 1}, {3, 5}, {7, 3}, {1, 1}}), PictureFormat::JpegXl, QSize(64, 32)},
        {"jxl turned", jxl({{1, 1}, {3, 5}, {0, 3}, {7, 5}, {0, 1}, {1, 1}, {5, 3}}), PictureFormat::JpegXl,
         QSize(32, 64)},
        {"jxl largest", jxl({{0, 1}, {3, 2}, {0x3FFFFFFF, 30}, {0, 3}, {3, 2}, {0x3FFFFFFF, 30}, {1, 1}}),
         PictureFormat::JpegXl, QSize(0x40000000, 0x40000000)},
        {"jxl cut", QByteArray("\xFF\x0A\xFF", 3), PictureFormat::JpegXl, std::nullopt},
        {"jxl container", QByteArray("\0\0\0\x0CJXL \r\n\x87\n", 12) + box("ftyp", QByteArray("jxl \0\0\0\0jxl ", 12)) + box("jxlc", smallJxl),
         PictureFormat::JpegXl, QSize(64, 32)},
        {"jxl container without code", QByteArray("\0\0\0\x0CJXL \r\n\x87\n", 12) + box("jxlc", QByteArray(2, '\0')),
         PictureFormat::JpegXl, std::nullopt},
    };
    for (const HeaderCase& c : cases) {
        const PictureFormat format = sniffPictureFormat(QByteArrayView(c.bytes).first(std::min<qsizetype>(c.bytes.size(), 128)));
        EXPECT_EQ(format, c.format) << c.label;
        EXPECT_EQ(declaredPictureSize(format, c.bytes), c.size) << c.label;
        // Every shorter file as well: nothing may be read past its end.
        for (qsizetype length = 0; length < c.bytes.size(); ++length)
            declaredPictureSize(c.format, QByteArray(c.bytes.left(length)));
    }
}

TEST(PictureCacheBounds, EvictsLeastRecentlyUsedWithinBudget)
{
    PictureCache cache(3 * 100 * 100 * 4, 8);
    const auto key = [](int n) { return PictureKey{QStringLiteral("/p%1").arg(n), 1, 1, QSize(10, 10)}; };
    const auto pictureOf = [](int width) { return Picture::raster(QImage(width, 100, QImage::Format_RGB32), QSize(width, 100)); };
    cache.insert(key(1), pictureOf(100));
    cache.insert(key(2), pictureOf(100));
    cache.insert(key(3), pictureOf(100));
    ASSERT_TRUE(cache.find(key(1)));  // now the most recent
    cache.insert(key(4), pictureOf(100));
    EXPECT_TRUE(cache.find(key(1)));
    EXPECT_FALSE(cache.find(key(2)));
    EXPECT_TRUE(cache.find(key(4)));
    cache.insert(key(5), pictureOf(1000));  // larger than the whole budget: not kept
    EXPECT_FALSE(cache.find(key(5)));
    EXPECT_EQ(cache.size(), 3);
    PictureKey changed = key(4);
    changed.modified = 2;
    EXPECT_FALSE(cache.find(changed));
}

} // namespace
} // namespace qv
