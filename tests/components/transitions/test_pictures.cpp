#include "test_pictures.h"

#include <algorithm>
#include <cstdint>

namespace qv::test {

namespace {

std::uint32_t noise(int x, int y, std::uint32_t salt)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^ salt;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

template <typename Colour>
QImage painted(QSize size, Colour colourAt)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, colourAt(x, y));
    return image;
}

} // namespace

QImage oldPicture(QSize size)
{
    return painted(size, [](int x, int y) { return qRgb(200 + int(noise(x, y, 1) % 56), (x * 7) % 256, (y * 5) % 256); });
}

QImage newPicture(QSize size)
{
    return painted(size, [](int x, int y) { return qRgb(int(noise(x, y, 2) % 150), (y * 11) % 256, (x * 3 + y) % 256); });
}

QImage untouchedFrame(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    // Written by hand: QImage::fill() would make the colour opaque.
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill_n(row, size.width(), 0x00ff00ffu);
    }
    return image;
}

int countUntouched(const QImage& frame)
{
    int count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x)
            count += qAlpha(row[x]) == 0 ? 1 : 0;
    }
    return count;
}

} // namespace qv::test
