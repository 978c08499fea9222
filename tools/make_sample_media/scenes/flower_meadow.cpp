#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace qv::samples {
namespace {

struct Blossom {
    QPointF centre;
    double radius;
    QColor petals;
    QColor heart;
    int petalCount;
    double turn;
};

void drawBlossom(QPainter& p, const Blossom& b)
{
    p.save();
    p.translate(b.centre);
    p.rotate(b.turn);
    p.scale(1.0, 0.55); // seen from the side, as in a field
    p.setPen(Qt::NoPen);
    p.setBrush(b.petals);
    for (int i = 0; i < b.petalCount; ++i) {
        p.rotate(360.0 / b.petalCount);
        p.drawEllipse(QPointF(b.radius * 0.55, 0), b.radius * 0.55, b.radius * 0.28);
    }
    p.setBrush(b.heart);
    p.drawEllipse(QPointF(0, 0), b.radius * 0.24, b.radius * 0.24);
    p.restore();
}

} // namespace

QImage paintFlowerMeadow(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.46;
    {
        QPainter p(&image);
        fillVertical(p, QRectF(0, 0, w, horizon + 40),
                     {{0.0, QColor(52, 118, 205)}, {0.7, QColor(140, 192, 240)}, {1.0, QColor(214, 232, 246)}});
    }
    paintClouds(image, QRect(0, 0, static_cast<int>(w), static_cast<int>(horizon * 0.85)), ValueNoise(21),
                h * 0.12, 2.4, 0.53, QColor(255, 255, 255, 235));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const std::array<QColor, 3> hills{QColor(120, 160, 150), QColor(92, 150, 80), QColor(70, 140, 50)};
    for (int layer = 0; layer < 3; ++layer) {
        const ValueNoise n(static_cast<std::uint32_t>(200 + layer));
        const double baseline = horizon + h * 0.03 * layer;
        const double period = w * (0.5 - 0.1 * layer);
        const double amplitude = h * (0.07 - 0.015 * layer);
        QLinearGradient shade(0, baseline - amplitude, 0, h);
        shade.setColorAt(0, hills[static_cast<std::size_t>(layer)].lighter(110));
        shade.setColorAt(1, hills[static_cast<std::size_t>(layer)].darker(150));
        p.setBrush(shade);
        p.drawPolygon(skyline(w, baseline, h + 2, 4.0, [&](double x) { return amplitude * n.fractal(x / period, 4); }));
    }

    Random random(2024);
    // Blades of grass, thickest and longest near the viewer.
    for (int i = 0; i < 9000; ++i) {
        const double depth = std::pow(random.uniform(), 1.6); // more grass up close
        const double y = horizon + h * 0.08 + depth * (h - horizon - h * 0.08) + 10;
        const double x = random.between(-10, w + 10);
        const double length = 4 + depth * 46;
        const QColor blade = mix(QColor(60, 120, 40), QColor(150, 190, 70), random.uniform());
        p.setPen(QPen(blade, 0.6 + depth * 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(x + random.between(-0.4, 0.4) * length, y - length));
    }

    const std::array<std::pair<QColor, QColor>, 5> kinds{{{QColor(225, 40, 40), QColor(40, 20, 20)},
                                                          {QColor(250, 250, 245), QColor(240, 190, 40)},
                                                          {QColor(250, 205, 40), QColor(200, 120, 20)},
                                                          {QColor(170, 90, 200), QColor(250, 230, 120)},
                                                          {QColor(245, 150, 180), QColor(250, 240, 150)}}};
    std::vector<Blossom> blossoms;
    for (int i = 0; i < 2200; ++i) {
        const double depth = std::pow(random.uniform(), 1.8);
        const double y = horizon + h * 0.09 + depth * (h - horizon - h * 0.05);
        // Poppies drift in a band across the field; the rest are scattered.
        const int kind = random.uniform() < 0.45 ? 0 : 1 + random.below(4);
        const auto& colours = kinds[static_cast<std::size_t>(kind)];
        blossoms.push_back({QPointF(random.between(-20, w + 20), y), 2.0 + depth * depth * 34.0,
                            colours.first.darker(100 + random.below(25)), colours.second,
                            kind == 0 ? 5 : 7 + random.below(5), random.between(0, 360)});
    }
    std::sort(blossoms.begin(), blossoms.end(),
              [](const Blossom& a, const Blossom& b) { return a.centre.y() < b.centre.y(); });
    for (const Blossom& b : blossoms)
        drawBlossom(p, b);
    p.end();
    addGrain(image, 3, 2);
    return image;
}

} // namespace qv::samples
