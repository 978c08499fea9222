#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace qv::samples {

QImage paintAurora(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    {
        QPainter p(&image);
        fillVertical(p, QRectF(0, 0, w, h), {{0.0, QColor(4, 6, 20)}, {0.7, QColor(12, 28, 52)}, {1.0, QColor(20, 44, 70)}});
    }
    // Curtains hang from a wavy line; fine vertical rays give them their folds.
    const ValueNoise drift(81);
    const ValueNoise rays(82);
    for (int x = 0; x < image.width(); ++x) {
        const double base = h * (0.42 + 0.12 * std::sin(x / w * 5.0 + 0.6) + 0.08 * (drift.fractal(x / (w * 0.35), 3) - 0.5));
        const double curtain = h * (0.12 + 0.18 * drift.at(x / (w * 0.2) + 9.0));
        const double strength = std::pow(rays.fractal(x / 9.0, 3), 2.0) * std::clamp(drift.fractal(x / (w * 0.18) + 30.0, 3) * 2.4 - 0.6, 0.0, 1.4);
        for (int y = 0; y < image.height(); ++y) {
            const double above = (base - y) / curtain; // 0 at the hem, 1 at the top
            if (above < -0.3 || above > 1.0)
                continue;
            const double hem = above < 0 ? 0.35 * std::exp(above * 14.0) : 1.0;
            const double fade = hem * std::pow(1.0 - std::max(0.0, above), 1.6) * strength;
            const QColor light = mix(QColor(60, 255, 150), QColor(170, 80, 220), std::clamp(above * 1.3 - 0.2, 0.0, 1.0));
            const QRgb under = image.pixel(x, y);
            const double a = std::clamp(fade * 1.1, 0.0, 0.95);
            image.setPixel(x, y, qRgb(static_cast<int>(qRed(under) + (light.red() - qRed(under)) * a),
                                      static_cast<int>(qGreen(under) + (light.green() - qGreen(under)) * a),
                                      static_cast<int>(qBlue(under) + (light.blue() - qBlue(under)) * a)));
        }
    }

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    Random random(83);
    for (int i = 0; i < 400; ++i) {
        p.setBrush(QColor(255, 255, 255, static_cast<int>(random.between(60, 230))));
        const double radius = random.uniform() < 0.05 ? 1.4 : 0.7;
        p.drawEllipse(QPointF(random.between(0, w), random.between(0, h * 0.7)), radius, radius);
    }
    p.end();
    // Snowy peaks: snow above a ragged altitude, moonlit on the faces turned left.
    const ValueNoise ridge(84);
    const double foot = h * 0.86;
    struct Peak {
        double x, height, halfWidth;
    };
    std::vector<Peak> peaks;
    Random ranges(85);
    for (double x = -w * 0.1; x < w * 1.1; x += w * ranges.between(0.08, 0.16))
        peaks.push_back({x, h * ranges.between(0.12, 0.3), w * ranges.between(0.1, 0.2)});
    const auto heightAt = [&](double x) {
        double highest = 0;
        for (const Peak& peak : peaks)
            highest = std::max(highest, peak.height * (1.0 - std::abs(x - peak.x) / peak.halfWidth));
        return highest + h * 0.012 * ridge.fractal(x / 20.0, 3);
    };
    for (int x = 0; x < image.width(); ++x) {
        const double top = foot - heightAt(x);
        const double rise = heightAt(x + 2.0) - heightAt(x - 2.0);
        const double snowline = foot - h * (0.12 + 0.04 * ridge.fractal(x / 25.0 + 70.0, 3));
        for (int y = std::max(0, static_cast<int>(std::ceil(top))); y < static_cast<int>(foot); ++y) {
            const bool snow = y < snowline;
            const QColor rock = mix(QColor(44, 58, 90), QColor(26, 34, 56), (y - top) / (h * 0.3));
            const QColor ice = rise > 0 ? QColor(196, 212, 236) : QColor(104, 124, 164);
            image.setPixel(x, y, snow ? ice.rgb() : rock.rgb());
        }
    }
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    fillVertical(p, QRectF(0, h * 0.86, w, h * 0.14), {{0.0, QColor(30, 80, 80)}, {1.0, QColor(10, 20, 34)}});
    p.setBrush(QColor(16, 20, 30));
    p.drawRect(QRectF(0, h * 0.855, w, h * 0.01));
    return image;
}

} // namespace qv::samples
