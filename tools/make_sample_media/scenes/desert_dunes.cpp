#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace qv::samples {

QImage paintDesertDunes(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        fillVertical(p, QRectF(0, 0, w, h),
                     {{0.0, QColor(70, 130, 200)}, {0.45, QColor(170, 205, 230)}, {0.6, QColor(250, 228, 190)},
                      {1.0, QColor(250, 228, 190)}});
        softGlow(p, QPointF(w * 0.22, h * 0.30), h * 0.35, QColor(255, 250, 225, 200));
        p.setBrush(QColor(255, 253, 240));
        p.drawEllipse(QPointF(w * 0.22, h * 0.30), h * 0.035, h * 0.035);
    }

    // Each dune is a crest line; the sand left of the crest faces the low sun and
    // is lit, the sand right of it lies in shadow.
    struct Dune {
        double baseline, amplitude, period;
        QColor lit, shade;
    };
    const std::vector<Dune> dunes{{0.58, 0.10, 0.40, QColor(236, 180, 120), QColor(196, 128, 90)},
                                  {0.70, 0.14, 0.55, QColor(240, 166, 92), QColor(180, 100, 60)},
                                  {0.84, 0.18, 0.75, QColor(246, 156, 76), QColor(160, 80, 45)},
                                  {1.00, 0.22, 1.05, QColor(250, 170, 90), QColor(150, 70, 40)}};
    const ValueNoise noise(41);
    for (std::size_t d = 0; d < dunes.size(); ++d) {
        const Dune& dune = dunes[d];
        const double period = w * dune.period;
        const double phase = 0.37 * static_cast<double>(d);
        // Wind builds a long gentle slope up to the crest and a short steep slip face behind it.
        const auto crestAt = [&](double x) {
            const double t = x / period + phase - std::floor(x / period + phase);
            const double profile = t < 0.72 ? std::sin(std::numbers::pi / 2 * t / 0.72) : std::cos(std::numbers::pi / 2 * (t - 0.72) / 0.28);
            const double swell = 0.55 + 0.9 * noise.fractal(x / (period * 1.7) + 11.0 * static_cast<double>(d), 3);
            return h * dune.baseline - h * dune.amplitude * (0.25 + profile * profile * swell);
        };
        for (int x = 0; x < image.width(); ++x) {
            const double top = crestAt(x);
            const double slope = crestAt(x + 1.5) - crestAt(x - 1.5); // < 0: rising to the right
            const double light = std::clamp(0.55 - slope * 0.9, 0.0, 1.0);
            for (int y = std::max(0, static_cast<int>(std::ceil(top))); y < image.height(); ++y) {
                const double fall = std::min(1.0, (y - top) / (h * 0.3));
                // Wind ripples show on the lit sand only.
                const double ripple = 0.06 * light * std::sin((y + 0.15 * x) * 0.9 + 3.0 * noise.at(x * 0.02, y * 0.05));
                const QColor sand = mix(dune.shade, dune.lit, light + ripple);
                image.setPixel(x, y, mix(sand, dune.shade.darker(120), fall * 0.45).rgb());
            }
        }
    }
    addGrain(image, 4, 4);
    return image;
}

} // namespace qv::samples
