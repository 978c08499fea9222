#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace qv::samples {

QImage paintMountainSunset(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    const QColor horizon(255, 200, 130);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        fillVertical(p, QRectF(0, 0, w, h),
                     {{0.0, QColor(24, 36, 74)}, {0.30, QColor(86, 70, 124)}, {0.52, QColor(205, 108, 122)},
                      {0.66, QColor(246, 160, 96)}, {0.76, horizon}, {1.0, horizon}});
    }
    paintClouds(image, QRect(0, static_cast<int>(h * 0.06), static_cast<int>(w), static_cast<int>(h * 0.40)),
                ValueNoise(11), h * 0.16, 3.2, 0.50, QColor(255, 176, 160, 190));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF sun(w * 0.61, h * 0.47);
    softGlow(p, sun, h * 0.55, QColor(255, 214, 150, 170));
    p.setBrush(QColor(255, 244, 214));
    p.drawEllipse(sun, h * 0.042, h * 0.042);

    // Far ranges are pale and hazy, near ones dark and sharp.
    const std::array<QColor, 5> ranges{QColor(200, 140, 150), QColor(150, 104, 138), QColor(104, 76, 118),
                                       QColor(64, 50, 88), QColor(30, 26, 50)};
    for (int layer = 0; layer < 5; ++layer) {
        const ValueNoise ridge(static_cast<std::uint32_t>(100 + layer));
        const double baseline = h * (0.66 + 0.07 * layer);
        const double amplitude = h * (0.22 - 0.025 * layer);
        const double period = w * (0.22 + 0.08 * layer);
        const auto heightAt = [&](double x) {
            const double n = ridge.fractal(x / period, 6);
            const double sharp = 1.0 - std::abs(2.0 * n - 1.0); // peaks instead of bumps
            return amplitude * (0.35 * n + 0.65 * sharp * sharp);
        };
        p.setPen(Qt::NoPen);
        const QPolygonF outline = skyline(w, baseline, h + 2, 3.0, heightAt);
        QLinearGradient shade(0, baseline - amplitude, 0, baseline + h * 0.1);
        shade.setColorAt(0, ranges[static_cast<std::size_t>(layer)].lighter(112));
        shade.setColorAt(1, ranges[static_cast<std::size_t>(layer)].darker(118));
        p.setBrush(shade);
        p.drawPolygon(outline);
        // Mist gathers in the valley in front of every range but the nearest.
        if (layer < 4) {
            QColor mist = horizon;
            mist.setAlpha(0);
            QColor thick = horizon;
            thick.setAlpha(90 - 15 * layer);
            fillVertical(p, QRectF(0, baseline - h * 0.06, w, h * 0.12),
                         {{0.0, mist}, {0.7, thick}, {1.0, mist}});
        }
    }
    p.end();
    addGrain(image, 3, 1);
    return image;
}

} // namespace qv::samples
