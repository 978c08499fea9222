#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace qv::samples {

// The title screen sits behind a panel of buttons, so this one stays quiet: soft
// dawn colours, low contrast, nothing sharp where the eye would stop.
QImage paintTitleBackdrop(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    const double shore = h * 0.68;
    const QColor glow(250, 214, 176);
    {
        QPainter p(&image);
        fillVertical(p, QRectF(0, 0, w, shore + 2),
                     {{0.0, QColor(34, 52, 92)}, {0.38, QColor(84, 98, 140)}, {0.70, QColor(176, 150, 168)},
                      {0.90, QColor(236, 190, 166)}, {1.0, glow}});
    }
    paintClouds(image, QRect(0, static_cast<int>(h * 0.10), static_cast<int>(w), static_cast<int>(h * 0.34)),
                ValueNoise(201), h * 0.18, 4.0, 0.56, QColor(226, 190, 196, 110));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF sun(w * 0.26, shore - h * 0.015);
    softGlow(p, sun, h * 0.6, QColor(255, 222, 180, 120));

    // Three ranges of low hills fading into the haze.
    const std::array<QColor, 3> ranges{QColor(150, 130, 160), QColor(104, 96, 136), QColor(62, 62, 100)};
    for (int layer = 0; layer < 3; ++layer) {
        const ValueNoise ridge(static_cast<std::uint32_t>(210 + layer));
        const double amplitude = h * (0.13 - 0.03 * layer);
        const double period = w * (0.35 + 0.15 * layer);
        p.setPen(Qt::NoPen);
        p.setBrush(ranges[static_cast<std::size_t>(layer)]);
        p.drawPolygon(skyline(w, shore - h * 0.005 * (2 - layer), shore + 2, 4.0,
                              [&](double x) { return amplitude * ridge.fractal(x / period, 4); }));
        QColor mist = glow;
        mist.setAlpha(0);
        QColor thick = glow;
        thick.setAlpha(70 - 20 * layer);
        fillVertical(p, QRectF(0, shore - h * 0.05, w, h * 0.06), {{0.0, mist}, {1.0, thick}});
    }
    p.end();

    // Still water: the sky above mirrored, dimmed a little, with slow ripples.
    const int top = static_cast<int>(shore) + 2;
    const QImage above = image.copy(0, 0, image.width(), top);
    for (int y = top; y < image.height(); ++y) {
        const double depth = (y - top) / (h - top);
        const int sourceY = std::clamp(top - 1 - (y - top), 0, above.height() - 1);
        const int wobble = static_cast<int>(std::lround(std::sin(y * 0.35) * (0.5 + depth * 3.0)));
        const double dim = 0.78 - 0.28 * depth;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* source = reinterpret_cast<const QRgb*>(above.constScanLine(sourceY));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb s = source[std::clamp(x + wobble, 0, image.width() - 1)];
            row[x] = qRgb(static_cast<int>(qRed(s) * dim + 6), static_cast<int>(qGreen(s) * dim + 10),
                          static_cast<int>(qBlue(s) * dim + 22));
        }
    }
    QPainter water(&image);
    water.setRenderHint(QPainter::Antialiasing);
    Random random(203);
    for (int i = 0; i < 160; ++i) {
        const double depth = random.uniform();
        const double y = top + 4 + depth * (h - top - 4);
        const double x = sun.x() + random.between(-1, 1) * (30 + depth * 260);
        water.setPen(QPen(QColor(255, 230, 200, static_cast<int>(random.between(12, 40))), 0.8 + depth * 0.8));
        const double length = 10 + depth * 60 * random.uniform();
        water.drawLine(QPointF(x - length / 2, y), QPointF(x + length / 2, y));
    }
    // A gentle darkening at the edges draws the eye to the middle.
    QRadialGradient vignette(QPointF(w / 2, h / 2), std::hypot(w, h) / 2);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 20, 90));
    water.fillRect(image.rect(), vignette);
    water.end();
    addGrain(image, 2, 205);
    return image;
}

} // namespace qv::samples
