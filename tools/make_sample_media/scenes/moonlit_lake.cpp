#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>

#include <cmath>

namespace qv::samples {
namespace {

void drawPine(QPainter& p, double x, double groundY, double height, const QColor& colour)
{
    p.setBrush(colour);
    const double width = height * 0.36;
    QPolygonF tree;
    tree << QPointF(x, groundY - height);
    // Three tiers of branches, each wider than the one above.
    for (int tier = 1; tier <= 3; ++tier) {
        const double y = groundY - height + height * 0.3 * tier;
        tree << QPointF(x + width * 0.5 * tier / 3.0, y) << QPointF(x + width * 0.18 * tier / 3.0, y - height * 0.04);
    }
    tree << QPointF(x + width * 0.06, groundY) << QPointF(x - width * 0.06, groundY);
    for (int tier = 3; tier >= 1; --tier) {
        const double y = groundY - height + height * 0.3 * tier;
        tree << QPointF(x - width * 0.18 * tier / 3.0, y - height * 0.04) << QPointF(x - width * 0.5 * tier / 3.0, y);
    }
    p.drawPolygon(tree);
}

} // namespace

QImage paintMoonlitLake(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    const double shore = h * 0.64;
    {
        QPainter p(&image);
        fillVertical(p, QRectF(0, 0, w, shore),
                     {{0.0, QColor(6, 10, 30)}, {0.6, QColor(22, 40, 84)}, {1.0, QColor(60, 84, 130)}});
    }
    paintClouds(image, QRect(0, static_cast<int>(h * 0.08), static_cast<int>(w), static_cast<int>(h * 0.4)),
                ValueNoise(31), h * 0.14, 3.5, 0.58, QColor(120, 140, 185, 120));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    Random random(77);
    for (int i = 0; i < 900; ++i) {
        const double y = std::pow(random.uniform(), 1.5) * shore * 0.9;
        const double starRadius = random.uniform() < 0.06 ? 1.6 : 0.8;
        p.setBrush(QColor(255, 250, 235, static_cast<int>(random.between(70, 255) * (1.0 - y / shore))));
        p.drawEllipse(QPointF(random.between(0, w), y), starRadius, starRadius);
    }
    const QPointF moon(w * 0.70, h * 0.20);
    const double moonRadius = h * 0.055;
    softGlow(p, moon, moonRadius * 7, QColor(190, 205, 255, 110));
    p.setBrush(QColor(250, 246, 228));
    p.drawEllipse(moon, moonRadius, moonRadius);
    p.setBrush(QColor(225, 220, 200)); // maria
    p.drawEllipse(moon + QPointF(-moonRadius * 0.3, -moonRadius * 0.2), moonRadius * 0.28, moonRadius * 0.22);
    p.drawEllipse(moon + QPointF(moonRadius * 0.25, moonRadius * 0.3), moonRadius * 0.2, moonRadius * 0.16);

    const ValueNoise hills(33);
    p.setBrush(QColor(22, 34, 62));
    p.drawPolygon(skyline(w, shore, shore + 2, 4.0, [&](double x) { return h * 0.16 * hills.fractal(x / (w * 0.3), 4); }));
    const QColor pines(8, 14, 28);
    for (double x = -20; x < w + 20; x += random.between(6, 22)) {
        const double band = 0.5 + 0.5 * std::sin(x / w * 7.0 + 1.0);
        if (band < 0.25)
            continue;
        drawPine(p, x, shore + 2, h * (0.05 + 0.09 * band * random.between(0.6, 1.0)), pines);
    }
    p.setBrush(pines);
    p.drawRect(QRectF(0, shore - 1, w, 4));
    p.end();

    // The lake mirrors everything above it, darker and broken into ripples.
    const QImage above = image.copy(0, 0, image.width(), static_cast<int>(shore));
    const int top = static_cast<int>(shore) + 2;
    for (int y = top; y < image.height(); ++y) {
        const double depth = (y - top) / (h - top);
        const int sourceY = std::max(0, static_cast<int>(shore) - 1 - (y - top));
        const int wobble = static_cast<int>(std::lround(std::sin(y * 0.9) * (1.0 + depth * 6.0)));
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* source = reinterpret_cast<const QRgb*>(above.constScanLine(std::min(sourceY, above.height() - 1)));
        const double dim = 0.55 - 0.2 * depth;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb s = source[std::clamp(x + wobble, 0, image.width() - 1)];
            row[x] = qRgb(static_cast<int>(qRed(s) * dim + 4), static_cast<int>(qGreen(s) * dim + 8),
                          static_cast<int>(qBlue(s) * dim + 18));
        }
    }
    QPainter glitter(&image);
    glitter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 700; ++i) {
        const double depth = random.uniform();
        const double y = top + depth * (h - top);
        const double spread = (10 + depth * 120) * std::abs(random.between(-1, 1) + random.between(-1, 1)) / 2;
        const double x = moon.x() + (random.uniform() < 0.5 ? -spread : spread);
        glitter.setPen(QPen(QColor(250, 240, 200, static_cast<int>(random.between(60, 220))), 1.0 + depth * 1.6));
        const double length = 4 + depth * 40 * random.uniform();
        glitter.drawLine(QPointF(x - length / 2, y), QPointF(x + length / 2, y));
    }
    glitter.end();
    addGrain(image, 2, 3);
    return image;
}

} // namespace qv::samples
