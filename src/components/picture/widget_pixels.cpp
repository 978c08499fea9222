#include "components/picture/widget_pixels.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qv {

namespace {

bool isQRgbLayout(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied;
}

void fillRect(QImage& pixels, const QRect& rect, QRgb value)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y)) + rect.left();
        std::fill(line, line + rect.width(), value);
    }
}

} // namespace

std::optional<QImage> widgetPixels(QPainter& painter, QSize deviceSize, qreal scale)
{
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine != nullptr ? engine->paintDevice() : nullptr;
    if (device == nullptr || device->devType() != QInternal::Image)
        return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    const QTransform toDevice = painter.deviceTransform();
    const QPointF offset(toDevice.dx(), toDevice.dy());
    const QRect target(offset.toPoint(), deviceSize);
    if (toDevice.type() > QTransform::TxScale || !qFuzzyCompare(toDevice.m11(), scale)
        || !qFuzzyCompare(toDevice.m22(), scale) || QPointF(target.topLeft()) != offset
        || !image->rect().contains(target) || !isQRgbLayout(image->format()) || !image->isDetached())
        return std::nullopt;
    return QImage(image->scanLine(target.top()) + qsizetype{target.left()} * 4, target.width(), target.height(),
                  image->bytesPerLine(), image->format());
}

std::optional<QRegion> exactDeviceRegion(const QRegion& region, qreal scale)
{
    if (scale == 1.0)
        return region;
    const double whole = std::round(scale);
    if (whole < 1.0 || !qFuzzyCompare(scale, whole))
        return std::nullopt;
    const int factor = static_cast<int>(whole);
    QRegion device;
    for (const QRect& rect : region)
        device += QRect(rect.topLeft() * factor, rect.size() * factor);
    return device;
}

void copyFrameInto(QImage& pixels, const QRegion& region, const QImage& frame, QPoint frameOffset, QColor background)
{
    const QRect frameArea = frame.isNull() ? QRect() : QRect(frameOffset, frame.size());
    const QRgb fill = background.rgb();
    for (const QRect& wanted : region) {
        const QRect rect = wanted & pixels.rect();
        const QRect copied = rect & frameArea;
        if (copied != rect) {
            for (const QRect& uncovered : QRegion(rect).subtracted(copied))
                fillRect(pixels, uncovered, fill);
        }
        if (copied.isEmpty())
            continue;
        const auto rowBytes = static_cast<std::size_t>(copied.width()) * 4;
        for (int y = copied.top(); y <= copied.bottom(); ++y) {
            const uchar* from = frame.constScanLine(y - frameOffset.y()) + qsizetype{copied.left() - frameOffset.x()} * 4;
            std::memcpy(pixels.scanLine(y) + qsizetype{copied.left()} * 4, from, rowBytes);
        }
    }
}

} // namespace qv
