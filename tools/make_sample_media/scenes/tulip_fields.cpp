#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace qv::samples {
namespace {

void drawWindmill(QPainter& p, QPointF foot, double height)
{
    const QColor body(70, 60, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    QPolygonF tower;
    tower << foot + QPointF(-height * 0.18, 0) << foot + QPointF(height * 0.18, 0)
          << foot + QPointF(height * 0.1, -height * 0.75) << foot + QPointF(-height * 0.1, -height * 0.75);
    p.drawPolygon(tower);
    QPolygonF cap;
    cap << foot + QPointF(-height * 0.13, -height * 0.74) << foot + QPointF(height * 0.13, -height * 0.74)
        << foot + QPointF(0, -height * 0.9);
    p.drawPolygon(cap);
    const QPointF hub = foot + QPointF(0, -height * 0.76);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(hub);
        p.rotate(20 + 90 * i);
        p.drawRect(QRectF(-height * 0.012, 0, height * 0.024, height * 0.62));
        p.setBrush(QColor(200, 190, 180));
        p.drawRect(QRectF(height * 0.012, height * 0.12, height * 0.09, height * 0.48));
        p.setBrush(body);
        p.restore();
    }
}

} // namespace

QImage paintTulipFields(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.45;
    {
        QPainter p(&image);
        fillVertical(p, QRectF(0, 0, w, horizon + 4),
                     {{0.0, QColor(40, 100, 190)}, {0.8, QColor(150, 195, 235)}, {1.0, QColor(210, 225, 235)}});
    }
    paintClouds(image, QRect(0, 0, static_cast<int>(w), static_cast<int>(horizon * 0.9)), ValueNoise(91), h * 0.1,
                2.0, 0.54, QColor(255, 255, 255, 240));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    fillVertical(p, QRectF(0, horizon, w, h - horizon), {{0.0, QColor(120, 150, 90)}, {1.0, QColor(50, 100, 35)}});
    p.setBrush(QColor(90, 120, 80));
    p.drawRect(QRectF(0, horizon - h * 0.006, w, h * 0.012)); // far tree line
    // Rows of flowers converge on a point on the horizon.
    const std::array<QColor, 5> tulips{QColor(220, 30, 50), QColor(250, 200, 30), QColor(240, 110, 160),
                                       QColor(140, 60, 170), QColor(245, 245, 240)};
    const QPointF vanishing(w * 0.62, horizon);
    const int rows = 28;
    for (int row = 0; row < rows; ++row) {
        const double left = -w * 3 + row * (w * 7.0 / rows);
        const double right = left + w * 7.0 / rows;
        const double gap = (right - left) * 0.18;
        QPolygonF stripe;
        stripe << vanishing << QPointF(left + gap, h) << QPointF(right - gap, h);
        QLinearGradient fade(0, horizon, 0, h);
        const QColor colour = tulips[static_cast<std::size_t>(row % 5)];
        fade.setColorAt(0, colour.lighter(115));
        fade.setColorAt(1, colour.darker(110));
        p.setBrush(QColor(60, 110, 40));
        p.drawPolygon(QPolygonF() << vanishing << QPointF(left, h) << QPointF(right, h));
        p.setBrush(fade);
        p.drawPolygon(stripe);
    }
    // Close to the viewer the blooms are big enough to tell apart.
    Random random(93);
    for (int i = 0; i < 3500; ++i) {
        const double depth = std::pow(random.uniform(), 0.8);
        const double y = horizon + h * 0.2 + depth * (h * 0.8 - horizon + 10);
        const double t = (y - horizon) / (h - horizon);
        const double x = random.between(0, w);
        const double rowWidth = (w * 7.0 / rows) * t;
        const double across = (x - vanishing.x()) / t + vanishing.x() + w * 3;
        const int row = static_cast<int>(std::floor(across / (w * 7.0 / rows)));
        const double within = across / (w * 7.0 / rows) - row;
        if (within < 0.2 || within > 0.8)
            continue;
        const double bloom = 1.0 + rowWidth * 0.035;
        p.setBrush(tulips[static_cast<std::size_t>(((row % 5) + 5) % 5)].darker(100 + random.below(30)));
        p.drawEllipse(QPointF(x, y), bloom * 0.8, bloom);
    }
    drawWindmill(p, QPointF(w * 0.8, horizon + h * 0.01), h * 0.28);
    return image;
}

} // namespace qv::samples
