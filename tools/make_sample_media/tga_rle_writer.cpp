#include "make_sample_media/tga_rle_writer.h"

#include <QImage>

#include <array>

namespace qv::samples {
namespace {

constexpr int kLongestPacket = 128;

using Bgr = std::array<std::uint8_t, 3>;

Bgr pixelAt(const QRgb* row, int x)
{
    return {static_cast<std::uint8_t>(qBlue(row[x])), static_cast<std::uint8_t>(qGreen(row[x])),
            static_cast<std::uint8_t>(qRed(row[x]))};
}

void putPixel(ByteSink& out, const Bgr& pixel)
{
    for (const std::uint8_t channel : pixel)
        out.u8(channel);
}

void encodeRow(ByteSink& out, const QRgb* row, int width)
{
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < kLongestPacket && row[x + run] == row[x])
            ++run;
        if (run > 1) {
            out.u8(static_cast<std::uint8_t>(0x80 | (run - 1)));
            putPixel(out, pixelAt(row, x));
            x += run;
            continue;
        }
        // A raw packet lasts until two equal neighbours start a run worth repeating.
        int raw = 1;
        while (x + raw < width && raw < kLongestPacket
               && !(x + raw + 1 < width && row[x + raw] == row[x + raw + 1]))
            ++raw;
        out.u8(static_cast<std::uint8_t>(raw - 1));
        for (int i = 0; i < raw; ++i)
            putPixel(out, pixelAt(row, x + i));
        x += raw;
    }
}

} // namespace

Bytes encodeTgaRle(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    ByteSink out;
    out.u8(0);  // no image id
    out.u8(0);  // no colour map
    out.u8(10); // run-length true colour
    for (int i = 0; i < 5; ++i)
        out.u8(0); // colour map: none
    out.u16le(0);
    out.u16le(0);
    out.u16le(static_cast<std::uint16_t>(rgb.width()));
    out.u16le(static_cast<std::uint16_t>(rgb.height()));
    out.u8(24);
    out.u8(0x20); // rows stored top to bottom
    for (int y = 0; y < rgb.height(); ++y)
        encodeRow(out, reinterpret_cast<const QRgb*>(rgb.constScanLine(y)), rgb.width());
    out.u32le(0); // no extension area
    out.u32le(0); // no developer area
    out.text("TRUEVISION-XFILE.");
    out.u8(0);
    return out.take();
}

} // namespace qv::samples
