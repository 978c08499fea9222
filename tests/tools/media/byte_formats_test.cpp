#include "make_sample_media/tga_rle_writer.h"
#include "make_sample_media/wav_writer.h"
#include "make_sample_media/wmf_writer.h"

#include <Magick++.h>

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace qv::samples {
namespace {

std::uint16_t u16At(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8)); }
std::uint32_t u32At(const Bytes& b, std::size_t at) { return u16At(b, at) | (std::uint32_t{u16At(b, at + 2)} << 16); }
std::int16_t pcmAt(const Bytes& b, std::size_t sample) { return static_cast<std::int16_t>(u16At(b, 44 + 2 * sample)); }

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

TEST(WavFile, HeaderDescribesTheSamplesThatFollow)
{
    const Sound stereo{22050, 2, {0.0f, 0.5f, -0.5f, 1.0f, 0.25f}}; // the odd last sample is no frame
    const Bytes wav = encodeWav(stereo);
    ASSERT_EQ(wav.size(), 44u + 2 * 2 * 2);
    EXPECT_EQ(u32At(wav, 4), wav.size() - 8);
    EXPECT_EQ(u16At(wav, 20), 1);       // PCM
    EXPECT_EQ(u16At(wav, 22), 2);       // channels
    EXPECT_EQ(u32At(wav, 24), 22050u);  // frames per second
    EXPECT_EQ(u32At(wav, 28), 22050u * 4); // bytes per second
    EXPECT_EQ(u16At(wav, 32), 4);       // bytes per frame
    EXPECT_EQ(u16At(wav, 34), 16);
    EXPECT_EQ(u32At(wav, 40), 8u);
    EXPECT_EQ(pcmAt(wav, 1), 16384);
    EXPECT_EQ(pcmAt(wav, 2), -16384);
}

TEST(WavFile, OverloudSamplesClipInsteadOfWrappingAround)
{
    const Bytes wav = encodeWav(Sound{44100, 1, {1.5f, -3.0f, 1.0f, -1.0f}});
    EXPECT_EQ(pcmAt(wav, 0), 32767);
    EXPECT_EQ(pcmAt(wav, 1), -32767);
    EXPECT_EQ(pcmAt(wav, 2), 32767);
    EXPECT_EQ(pcmAt(wav, 3), -32767);
}

TEST(Metafile, HeadersAgreeWithTheRecords)
{
    WmfWriter wmf(2000, 1000);
    const int first = wmf.createSolidBrush({1, 2, 3});
    const int second = wmf.createNullPen();
    wmf.remove(first);
    // The player reuses the lowest free slot, so must we, or later selections miss.
    EXPECT_EQ(wmf.createSolidBrush({4, 5, 6}), first);
    EXPECT_EQ(wmf.createFont(200, 400, "Arial"), 2);
    EXPECT_NE(second, first);
    wmf.textOut(10, 20, "odd");
    const Bytes file = wmf.finish();

    EXPECT_EQ(u32At(file, 0), 0x9AC6CDD7u);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        checksum ^= u16At(file, i);
    EXPECT_EQ(u16At(file, 20), checksum);
    EXPECT_EQ(u32At(file, 22 + 6) * 2, file.size() - 22) << "size in words";
    EXPECT_EQ(u16At(file, 22 + 10), 3) << "objects alive at most at once";

    std::uint32_t largest = 0;
    std::size_t at = 22 + 18;
    std::uint16_t function = 0xFFFF;
    while (at < file.size()) {
        const std::uint32_t words = u32At(file, at);
        ASSERT_GE(words, 3u);
        function = u16At(file, at + 4);
        largest = std::max(largest, words);
        at += words * 2;
    }
    EXPECT_EQ(at, file.size());
    EXPECT_EQ(function, 0) << "ends with the end-of-file record";
    EXPECT_EQ(u32At(file, 22 + 12), largest);
}

TEST(Metafile, ShapesLandWhereTheyWereDrawn)
{
    // 1440 x 1440 twips: 72 x 72 pixels at GraphicsMagick's default 72 dots per inch.
    WmfWriter wmf(1440, 1440);
    const int noPen = wmf.createNullPen();
    wmf.select(noPen);
    const int white = wmf.createSolidBrush({255, 255, 255});
    wmf.select(white);
    wmf.rectangle(0, 0, 1440, 1440);
    const int red = wmf.createSolidBrush({255, 0, 0});
    wmf.select(red);
    wmf.ellipse(100, 700, 700, 1300); // lower left, so a mixed-up corner order shows
    const int blue = wmf.createSolidBrush({0, 0, 255});
    wmf.select(blue);
    const std::array<WmfPoint, 3> corner{{{1440, 0}, {1440, 360}, {1080, 0}}};
    wmf.polygon(corner);

    Magick::Image image = decode(wmf.finish(), "WMF");
    ASSERT_EQ(image.columns(), 72u);
    ASSERT_EQ(image.rows(), 72u);
    EXPECT_EQ(pixelOf(image, 20, 50), qRgb(255, 0, 0));
    EXPECT_EQ(pixelOf(image, 50, 20), qRgb(255, 255, 255));
    EXPECT_EQ(pixelOf(image, 4, 68), qRgb(255, 255, 255));
    EXPECT_EQ(pixelOf(image, 69, 2), qRgb(0, 0, 255)) << "polygon in the top right corner";
    EXPECT_EQ(pixelOf(image, 2, 2), qRgb(255, 255, 255));
}

TEST(TargaRle, DecodesToTheSamePixels)
{
    // Long runs, single pixels, and a run that continues across a row end.
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
}

TEST(TargaRle, PacketsStopAtRowEndsAndAt128Pixels)
{
    QImage plain(300, 4, QImage::Format_RGB32);
    plain.fill(qRgb(5, 6, 7));
    const Bytes file = encodeTgaRle(plain);
    // 128 + 128 + 44 per row: three packets of a count byte and one pixel each.
    EXPECT_EQ(file.size(), 18u + 4 * 3 * 4 + 26);
    EXPECT_EQ(file.at(18), 0xFF);
    EXPECT_EQ(file.at(26), 0x80 | 43);
}

} // namespace
} // namespace qv::samples
