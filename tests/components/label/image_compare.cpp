#include "image_compare.h"

#include <cstdlib>

namespace qv::test {

namespace {

// Share of the pixels of `a` for which `counts(pixel of a, pixel of b)` holds.
template <typename Counts>
double shareOf(const QImage& a, const QImage& b, Counts counts)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    long long counted = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column)
            counted += counts(x.pixel(column, row), y.pixel(column, row)) ? 1 : 0;
    return static_cast<double>(counted) / (static_cast<double>(x.width()) * x.height());
}

} // namespace

double differingShare(const QImage& a, const QImage& b, int tolerance)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    return shareOf(a, b, [tolerance](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance
               || std::abs(qBlue(p) - qBlue(q)) > tolerance || std::abs(qAlpha(p) - qAlpha(q)) > tolerance;
    });
}

double inkedShare(const QImage& image, QRgb background)
{
    if (image.isNull())
        return 0.0;
    return shareOf(image, image, [background](QRgb p, QRgb) { return qAlpha(p) != 0 && p != background; });
}

} // namespace qv::test
