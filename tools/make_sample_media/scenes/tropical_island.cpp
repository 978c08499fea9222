#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace qv::samples {
namespace {

void drawPalm(QPainter& p, QPointF foot, double height, double lean, const QColor& colour)
{
    const QPointF top = foot + QPointF(lean * height, -height);
    QPainterPath trunk;
    trunk.moveTo(foot + QPointF(-height * 0.03, 0));
    trunk.quadTo(foot + QPointF(lean * height * 0.2, -height * 0.6), top);
    trunk.quadTo(foot + QPointF(lean * height * 0.2 + height * 0.035, -height * 0.6), foot + QPointF(height * 0.03, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(trunk);
    // Fronds arch out from the top and droop at their tips.
    for (int i = 0; i < 7; ++i) {
        const double angle = -std::numbers::pi * 0.95 + std::numbers::pi * 0.95 * i / 6.0 + (i % 2) * 0.08;
        const double length = height * (0.42 + 0.06 * ((i * 3) % 4));
        const QPointF tip = top + QPointF(std::cos(angle) * length, std::sin(angle) * length * 0.45 + length * 0.35);
        const QPointF bend = top + QPointF(std::cos(angle) * length * 0.55, std::sin(angle) * length * 0.6 - length * 0.1);
        QPainterPath frond;
        frond.moveTo(top);
        frond.quadTo(bend + QPointF(0, -height * 0.05), tip);
        frond.quadTo(bend + QPointF(0, height * 0.035), top);
        p.drawPath(frond);
    }
}

} // namespace

QImage paintTropicalIsland(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.62;
    {
        QPainter p(&image);
        fillVertical(p, QRectF(0, 0, w, horizon),
                     {{0.0, QColor(60, 40, 110)}, {0.45, QColor(200, 80, 110)}, {0.8, QColor(250, 150, 70)},
                      {1.0, QColor(255, 205, 110)}});
    }
    paintClouds(image, QRect(0, static_cast<int>(h * 0.08), static_cast<int>(w), static_cast<int>(h * 0.35)),
                ValueNoise(71), h * 0.09, 4.0, 0.55, QColor(255, 140, 120, 170));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF sun(w * 0.5, horizon - h * 0.02);
    softGlow(p, sun, h * 0.5, QColor(255, 200, 120, 150));
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(sun, h * 0.08, h * 0.08);
    fillVertical(p, QRectF(0, horizon, w, h - horizon),
                 {{0.0, QColor(220, 120, 90)}, {0.3, QColor(120, 60, 100)}, {1.0, QColor(30, 25, 70)}});
    // The sun's path on the water: broken streaks narrowing towards the horizon.
    Random random(73);
    for (int i = 0; i < 420; ++i) {
        const double depth = random.uniform();
        const double y = horizon + 2 + depth * depth * (h - horizon);
        const double half = (20 + depth * 160) * random.uniform();
        p.setPen(QPen(QColor(255, 210, 140, static_cast<int>(random.between(60, 200) * (1.0 - depth * 0.6))),
                      1.0 + depth * 2.5));
        const double x = sun.x() + random.between(-1, 1) * (30 + depth * 150);
        p.drawLine(QPointF(x - half / 2, y), QPointF(x + half / 2, y));
    }
    p.setPen(Qt::NoPen);
    const QColor silhouette(30, 18, 38);
    p.setBrush(silhouette);
    QPainterPath island;
    island.moveTo(w * 0.02, horizon + h * 0.05);
    island.cubicTo(w * 0.1, horizon - h * 0.06, w * 0.3, horizon - h * 0.05, w * 0.42, horizon + h * 0.05);
    island.closeSubpath();
    p.drawPath(island);
    drawPalm(p, QPointF(w * 0.13, horizon - h * 0.01), h * 0.36, 0.18, silhouette);
    drawPalm(p, QPointF(w * 0.22, horizon - h * 0.02), h * 0.28, -0.12, silhouette);
    drawPalm(p, QPointF(w * 0.31, horizon + h * 0.0), h * 0.2, 0.3, silhouette);
    // A few birds far away.
    p.setPen(QPen(silhouette, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF bird : {QPointF(w * 0.66, h * 0.25), QPointF(w * 0.7, h * 0.21), QPointF(w * 0.73, h * 0.27)}) {
        QPainterPath wings;
        wings.moveTo(bird + QPointF(-12, -3));
        wings.quadTo(bird + QPointF(-5, -8), bird);
        wings.quadTo(bird + QPointF(5, -8), bird + QPointF(12, -3));
        p.drawPath(wings);
    }
    return image;
}

} // namespace qv::samples
