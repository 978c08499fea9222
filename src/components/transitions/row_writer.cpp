#include "components/transitions/effect_recipe.h"

namespace qv::transitions {

namespace {

// Trims [start, start + length) to [0, limit) and reports how much was cut off
// the front.
struct Clip {
    int start = 0;
    int length = 0;
    int skipped = 0;
};

Clip clipRange(int start, int length, int limit)
{
    const int begin = std::max(start, 0);
    const int end = std::min(start + std::max(length, 0), limit);
    if (end <= begin)
        return {};
    return {begin, end - begin, begin - start};
}

} // namespace

const Pixel* RowWriter::sourceRow(Source source, int srcRow) const
{
    const int row = std::clamp(srcRow, 0, frame_.height - 1);
    return source == Source::From ? frame_.fromRow(row) : frame_.toRow(row);
}

void RowWriter::copy(Source source, int srcRow, int srcX, int dstX, int length) const
{
    Clip dst = clipRange(dstX, length, frame_.width);
    if (dst.length == 0)
        return;
    // The same cut applied to the source, then the source's own limits.
    const Clip src = clipRange(srcX + dst.skipped, dst.length, frame_.width);
    const int lead = src.skipped;
    const Pixel* row = sourceRow(source, srcRow);
    fillPixels(dst_ + dst.start, lead, kBlack);
    copyPixels(dst_ + dst.start + lead, row + src.start, src.length);
    fillPixels(dst_ + dst.start + lead + src.length, dst.length - lead - src.length, kBlack);
}

void RowWriter::scaled(Source source, int srcRow, int srcX, int srcLength, int dstX,
                       int dstLength) const
{
    const Clip src = clipRange(srcX, srcLength, frame_.width);
    if (src.length == 0 || dstLength <= 0) {
        fill(dstX, dstLength);
        return;
    }
    const Pixel* row = sourceRow(source, srcRow) + src.start;
    const Clip dst = clipRange(dstX, dstLength, frame_.width);
    if (dst.length == 0)
        return;
    if (dst.length == dstLength) {
        scalePixels(dst_ + dst.start, dst.length, row, src.length);
        return;
    }
    // Partly outside the frame: resample the visible part only, keeping the step.
    const std::int64_t step = (std::int64_t{src.length} << 16) / dstLength;
    std::int64_t position = step / 2 + step * dst.skipped;
    Pixel* out = dst_ + dst.start;
    for (int i = 0; i < dst.length; ++i, position += step)
        out[i] = row[std::min<std::int64_t>(position >> 16, src.length - 1)];
}

void RowWriter::interleave(Source even, int evenRow, Source odd, int oddRow, int band) const
{
    interleavePixels(dst_, sourceRow(even, evenRow), sourceRow(odd, oddRow), frame_.width,
                     std::max(band, 1));
}

void RowWriter::fill(int dstX, int length, Pixel colour) const
{
    const Clip dst = clipRange(dstX, length, frame_.width);
    fillPixels(dst_ + dst.start, dst.length, colour);
}

void RowWriter::shade(int dstX, int length) const
{
    const Clip dst = clipRange(dstX, length, frame_.width);
    shadePixels(dst_ + dst.start, dst.length);
}

} // namespace qv::transitions
