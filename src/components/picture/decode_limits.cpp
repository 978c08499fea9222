#include "components/picture/decode_limits.h"

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

std::int64_t pixelCount(QSize size) { return std::int64_t{size.width()} * size.height(); }

QSize scaledBy(QSize natural, double scale)
{
    return {std::max(1, static_cast<int>(std::lround(natural.width() * scale))),
            std::max(1, static_cast<int>(std::lround(natural.height() * scale)))};
}

} // namespace

bool fitsDecodeLimit(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= DecodeLimits::kMaxSide
        && size.height() <= DecodeLimits::kMaxSide && pixelCount(size) <= DecodeLimits::kMaxDecodedPixels;
}

QSize reducedDecodeSize(QSize natural, QSize target)
{
    if (natural.isEmpty() || target.isEmpty())
        return natural;
    const double widthScale = double(target.width()) / natural.width();
    const double heightScale = double(target.height()) / natural.height();
    const double cover = std::min(1.0, std::max(widthScale, heightScale));
    if (pixelCount(natural) * cover * cover > 4.0 * double(pixelCount(target)))
        return scaledBy(natural, std::min(1.0, std::min(widthScale, heightScale)));
    return cover >= 1.0 ? natural : scaledBy(natural, cover);
}

} // namespace qv
