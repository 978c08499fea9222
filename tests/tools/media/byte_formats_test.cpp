#include "make_sample_media/tga_rle_writer.h"

#include <Magick++.h>

#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>

namespace qv::samples {
namespace {

Magick::Image decode(const Bytes& bytes, const std::string& format)
{
    Magick::Image image;
    image.magick(format);
    image.read(Magick::Blob(bytes.data(), bytes.size()));
    return image;
}

QRgb pixelOf(Magick::Image& image, int x, int y)
{
    std::uint8_t rgb[3] = {};
    image.write(x, y, 1, 1, "RGB", Magick::CharPixel, rgb);
    return qRgb(rgb[0], rgb[1], rgb[2]);
}

// Long runs, single pixels, and a run that continues across a row end; packets stop
// at row ends and at 128 pixels, as older readers need.
TEST(TargaRle, DecodesToTheSamePixelsWithPacketsWithinRows)
{
    QImage image(300, 5, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    for (int x = 0; x < 300; x += 2)
        image.setPixel(x, 1, qRgb(x % 256, 0, 255 - x % 256));
    for (int x = 250; x < 300; ++x)
        image.setPixel(x, 2, qRgb(1, 2, 3));
    for (int x = 0; x < 40; ++x)
        image.setPixel(x, 3, qRgb(1, 2, 3));
    image.setPixel(299, 4, qRgb(255, 255, 255));

    Magick::Image decoded = decode(encodeTgaRle(image), "TGA");
    ASSERT_EQ(decoded.columns(), 300u);
    ASSERT_EQ(decoded.rows(), 5u);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(pixelOf(decoded, x, y), image.pixel(x, y)) << x << "," << y;

    // One colour: 128 + 128 + 44 a row, three packets of a count byte and one pixel.
    image.fill(qRgb(5, 6, 7));
    const Bytes plain = encodeTgaRle(image);
    EXPECT_EQ(plain.size(), 18u + 5 * 3 * 4 + 26);
    EXPECT_EQ(plain.at(18), 0xFF);
    EXPECT_EQ(plain.at(26), 0x80 | 43);
}

} // namespace
} // namespace qv::samples
