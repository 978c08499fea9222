#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>

#include <optional>

class QPainter;

namespace qv {

// The pixels a widget's painter draws into, reached past QPainter, where that is a
// plain image of 32-bit pixels laid out as QRgb, reached through a whole-pixel offset at
// `scale` (the widget's device pixel ratio) and wide enough for `deviceSize`: a view of
// those pixels at the widget's own top left. Empty where any of that does not hold.
std::optional<QImage> widgetPixels(QPainter& painter, QSize deviceSize, qreal scale);

// `region` (in the widget's own coordinates) in device pixels, exactly: empty when
// `scale` is not a whole number, where a logical pixel has no whole device pixels.
std::optional<QRegion> exactDeviceRegion(const QRegion& region, qreal scale);

// Fills `region` of `pixels` with `background` and copies `frame`, placed at
// `frameOffset`, over it, rectangle by rectangle: nothing outside `region` changes.
// `frame` is null (nothing but the background) or 32-bit QRgb pixels.
void copyFrameInto(QImage& pixels, const QRegion& region, const QImage& frame, QPoint frameOffset, QColor background);

} // namespace qv
