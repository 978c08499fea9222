#include "components/picture/border_style.h"
#include "components/picture/decode_limits.h"
#include "components/picture/picture_cache.h"
#include "components/picture/tiff_layout.h"
#include "components/picture/transition_timing.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainter>

#include <array>

#include <gtest/gtest.h>

namespace qv {
namespace {

using std::chrono::milliseconds;

struct RingCase {
    const char* label;
    int outerStyle;
    int innerStyle;
    // Expected colours along the middle row, from the left edge inwards and from the
    // right edge inwards, at the centres of the rings that exist.
    std::vector<std::pair<int, QColor>> fromLeft;
    std::vector<std::pair<int, QColor>> fromRight;
};

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kBand(0, 0, 128);
const QColor kPicture(255, 0, 0);

BorderStyle sampleBorder(int outerStyle, int innerStyle)
{
    BorderStyle border;
    border.outer = {4, outerStyle, kGrey, kWhite};
    border.width = 6;
    border.colour = kBand;
    border.inner = {5, innerStyle, kGrey, kWhite};
    return border;
}

class BorderRings : public testing::TestWithParam<RingCase> {};

// The rings lie outside in: outer bevel, band, inner bevel; a raised bevel is light on
// the top and left, an inset one dark; style 0 takes no room.
TEST_P(BorderRings, LandWhereTheStylesPutThem)
{
    const RingCase& c = GetParam();
    QImage canvas(100, 80, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    const BorderStyle border = sampleBorder(c.outerStyle, c.innerStyle);
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

INSTANTIATE_TEST_SUITE_P(
    Picture, BorderRings,
    testing::Values(
        RingCase{"RaisedOutInsetIn", 2, 1, {{1, kWhite}, {7, kBand}, {12, kGrey}, {15, kPicture}},
                 {{1, kGrey}, {7, kBand}, {12, kWhite}, {15, kPicture}}},
        RingCase{"InsetOutRaisedIn", 1, 2, {{1, kGrey}, {7, kBand}, {12, kWhite}, {15, kPicture}},
                 {{1, kWhite}, {7, kBand}, {12, kGrey}, {15, kPicture}}},
        RingCase{"NoBevels", 0, 0, {{1, kBand}, {5, kBand}, {6, kPicture}}, {{1, kBand}, {6, kPicture}}},
        RingCase{"UnknownStyleIsNone", 7, 0, {{1, kBand}, {6, kPicture}}, {{1, kBand}, {6, kPicture}}}),
    [](const auto& param) { return std::string(param.param.label); });

TEST(BorderRingsScale, DevicePixelsFollowTheScale)
{
    EXPECT_EQ(borderThickness(sampleBorder(2, 1), 2.0), 2 * (4 + 6 + 5));
    EXPECT_EQ(borderThickness(sampleBorder(0, 0), 1.5), 9);
}

// The catalogue's base speeds and grains of both grain modes, at "Fast", on a full HD
// screen: every transition between about half a second and three seconds.
TEST(TransitionTiming, CatalogueSpeedsAtFastStayWithinThreeSeconds)
{
    const std::pair<int, int> speedAndGrain[] = {
        {0, 1}, {1, 1}, {10, 8}, {2, 1}, {2, 8}, {1, 5}, {5, 8}, {2, 5}, {1, 24}, {1, 12}, {2, 2}, {2, 4},
        {8, 8}, {4, 8}, {1, 8}, {1, 4}, {1, 6}, {0, 8}, {1, 3}, {1, 20}, {1, 10}, {18, 20}, {4, 10},
        {1, 2}, {4, 2}, {4, 1}, {5, 1}, {10, 4}, {1, 10}, {10, 5}};
    for (const auto& [speed, grain] : speedAndGrain) {
        const milliseconds duration = transitionDuration(speed, grain, QSize(1920, 1080));
        EXPECT_GE(duration, milliseconds(400)) << speed << "/" << grain;
        EXPECT_LE(duration, milliseconds(3000)) << speed << "/" << grain;
    }
}

TEST(TransitionTiming, SlowerWithSpeedAndArea)
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

PictureHandle pictureOf(int width)
{
    QImage image(width, 100, QImage::Format_RGB32);
    image.fill(Qt::red);
    return Picture::raster(image, image.size());
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
    const auto layoutOf = [](const QByteArray& bytes) { return readTiffLayout(bytes); };
    const std::vector<std::array<quint32, 4>> cmyk16 = {{258, 3, 4, 62}, {262, 3, 1, 5}, {277, 3, 1, 4}, {284, 3, 1, 2}};
    for (bool bigEndian : {false, true}) {
        const auto layout = layoutOf(tiffHead(bigEndian, cmyk16));
        ASSERT_TRUE(layout) << bigEndian;
        EXPECT_EQ(layout->photometric, 5u);
        EXPECT_EQ(layout->bitsPerSample, 16u);
        EXPECT_EQ(layout->samplesPerPixel, 4u);
        EXPECT_TRUE(layout->planesApart);
    }
    EXPECT_FALSE(layoutOf(tiffHead(false, cmyk16, 0xFFFFFFF0u)));             // directory beyond the end
    EXPECT_FALSE(layoutOf(tiffHead(false, cmyk16).left(40)));                 // entries cut off
    EXPECT_FALSE(layoutOf(tiffHead(false, {{258, 3, 1, 8}})));                // no photometric tag
    const auto farArray = layoutOf(tiffHead(false, {{258, 3, 3, 0xFFFFFFFFu}, {262, 3, 1, 2}}));
    ASSERT_TRUE(farArray);
    EXPECT_EQ(farArray->bitsPerSample, 1u);
}

TEST(PictureCacheBounds, EvictsLeastRecentlyUsedWithinBudget)
{
    PictureCache cache(3 * 100 * 100 * 4, 8);
    const auto key = [](int n) { return PictureKey{QStringLiteral("/p%1").arg(n), 1, 1, QSize(10, 10)}; };
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
