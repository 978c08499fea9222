#include "image_compare.h"

#include <cstdlib>

namespace qv::test {

double differingShare(const QImage& a, const QImage& b, int tolerance)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    long long differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int column = 0; column < x.width(); ++column) {
            const bool apart = std::abs(qRed(p[column]) - qRed(q[column])) > tolerance
                               || std::abs(qGreen(p[column]) - qGreen(q[column])) > tolerance
                               || std::abs(qBlue(p[column]) - qBlue(q[column])) > tolerance
                               || std::abs(qAlpha(p[column]) - qAlpha(q[column])) > tolerance;
            differing += apart ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (static_cast<double>(x.width()) * x.height());
}

double inkedShare(const QImage& image, QRgb background)
{
    if (image.isNull())
        return 0.0;
    const QImage x = image.convertToFormat(QImage::Format_ARGB32);
    long long inked = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        for (int column = 0; column < x.width(); ++column)
            inked += (qAlpha(p[column]) != 0 && p[column] != background) ? 1 : 0;
    }
    return static_cast<double>(inked) / (static_cast<double>(x.width()) * x.height());
}

} // namespace qv::test
