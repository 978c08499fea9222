#pragma once

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace qv::transitions {

using Pixel = std::uint32_t;

inline constexpr Pixel kBlack = 0xff000000u;

// The three pictures of one frame as raw rows: read-only sources, one target.
struct FramePixels {
    const uchar* from = nullptr;
    const uchar* to = nullptr;
    uchar* out = nullptr;
    qsizetype fromStride = 0;
    qsizetype toStride = 0;
    qsizetype outStride = 0;
    int width = 0;
    int height = 0;

    FramePixels(const QImage& fromImage, const QImage& toImage, QImage& outImage)
        : from(fromImage.constBits()), to(toImage.constBits()), out(outImage.bits()),
          fromStride(fromImage.bytesPerLine()), toStride(toImage.bytesPerLine()),
          outStride(outImage.bytesPerLine()), width(outImage.width()), height(outImage.height())
    {
    }

    const Pixel* fromRow(int y) const { return pixels(from, fromStride, y); }
    const Pixel* toRow(int y) const { return pixels(to, toStride, y); }
    Pixel* outRow(int y) const { return reinterpret_cast<Pixel*>(out + outStride * y); }

private:
    static const Pixel* pixels(const uchar* base, qsizetype stride, int y)
    {
        return reinterpret_cast<const Pixel*>(base + stride * y);
    }
};

inline void copyPixels(Pixel* dst, const Pixel* src, int count)
{
    // Fine-grained effects copy thousands of spans of a few pixels per row; a call
    // into memcpy costs more than the copy itself at that size.
    constexpr int shortSpan = 16;
    if (count > shortSpan) {
        std::memcpy(dst, src, sizeof(Pixel) * static_cast<std::size_t>(count));
        return;
    }
    for (int i = 0; i < count; ++i)
        dst[i] = src[i];
}

// Alternating bands of `band` pixels from two rows: even bands from `even`, odd
// bands from `odd`, each at its own column.
inline void interleavePixels(Pixel* dst, const Pixel* even, const Pixel* odd, int count, int band)
{
    bool isEven = true;
    for (int x = 0; x < count; x += band, isEven = !isEven) {
        const int length = std::min(band, count - x);
        copyPixels(dst + x, (isEven ? even : odd) + x, length);
    }
}

inline void fillPixels(Pixel* dst, int count, Pixel colour)
{
    if (count > 0)
        std::fill_n(dst, count, colour);
}

// Half brightness: the shadowed side of a roll.
inline void shadePixels(Pixel* dst, int count)
{
    for (int i = 0; i < count; ++i)
        dst[i] = ((dst[i] >> 1) & 0x007f7f7fu) | kBlack;
}

// Nearest-neighbour resampling of `srcCount` source pixels onto `dstCount` target
// pixels, in 16.16 fixed point; every index read stays below srcCount.
inline void scalePixels(Pixel* dst, int dstCount, const Pixel* src, int srcCount)
{
    if (dstCount <= 0 || srcCount <= 0)
        return;
    const std::int64_t step = (std::int64_t{srcCount} << 16) / dstCount;
    std::int64_t position = step / 2;
    for (int i = 0; i < dstCount; ++i, position += step)
        dst[i] = src[position >> 16];
}

} // namespace qv::transitions
