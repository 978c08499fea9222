#include "make_sample_media/canvas.h"

#include "make_sample_media/noise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv::samples {

QImage blankCanvas(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    const double u = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * u),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * u),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * u),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * u));
}

void fillVertical(QPainter& painter, const QRectF& area, const QGradientStops& stops)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setStops(stops);
    painter.fillRect(area, gradient);
}

void softGlow(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient gradient(centre, radius);
    QColor clear = colour;
    clear.setAlpha(0);
    QColor half = colour;
    half.setAlphaF(colour.alphaF() * 0.35f);
    gradient.setColorAt(0.0, colour);
    gradient.setColorAt(0.3, half);
    gradient.setColorAt(1.0, clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

QPolygonF skyline(double width, double baseline, double bottom, double step,
                  const std::function<double(double)>& heightAt)
{
    QPolygonF outline;
    outline << QPointF(-step, bottom);
    for (double x = -step; x <= width + step; x += step)
        outline << QPointF(x, baseline - heightAt(x));
    outline << QPointF(width + step, bottom);
    return outline;
}

void paintClouds(QImage& image, const QRect& area, const ValueNoise& noise, double scale,
                 double stretch, double coverage, const QColor& colour)
{
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        // Clouds thin out towards the edges of their band.
        const double band = (y - clipped.top() + 0.5) / clipped.height();
        const double fade = std::sin(band * std::numbers::pi);
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const double n = noise.fractal(x / (scale * stretch), y / scale, 5);
            const double density = std::clamp((n - coverage) / (1.0 - coverage) * 2.2, 0.0, 1.0) * fade;
            if (density <= 0.0)
                continue;
            const double a = density * colour.alphaF();
            const QRgb under = row[x];
            row[x] = qRgb(static_cast<int>(qRed(under) + (colour.red() - qRed(under)) * a),
                          static_cast<int>(qGreen(under) + (colour.green() - qGreen(under)) * a),
                          static_cast<int>(qBlue(under) + (colour.blue() - qBlue(under)) * a));
        }
    }
}

void addGrain(QImage& image, int strength, std::uint64_t seed)
{
    Random random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = static_cast<int>(random.next() % static_cast<unsigned>(2 * strength + 1)) - strength;
            row[x] = qRgb(std::clamp(qRed(row[x]) + d, 0, 255), std::clamp(qGreen(row[x]) + d, 0, 255),
                          std::clamp(qBlue(row[x]) + d, 0, 255));
        }
    }
}

} // namespace qv::samples
