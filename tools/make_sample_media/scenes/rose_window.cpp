#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <limits>
#include <vector>

namespace qv::samples {
namespace {

struct Pane {
    double x, y;
    QColor glass;
};

std::vector<Pane> symmetricPanes(double cx, double cy, double radius)
{
    const std::array<QColor, 6> jewels{QColor(180, 30, 40), QColor(30, 70, 170), QColor(230, 170, 30),
                                       QColor(30, 130, 80), QColor(120, 40, 140), QColor(40, 150, 190)};
    std::vector<Pane> panes{{cx, cy, QColor(250, 210, 90)}};
    const int rings = 6;
    for (int ring = 1; ring <= rings; ++ring) {
        const int count = 8 * ring;
        const double r = radius * (ring - 0.45) / rings;
        for (int i = 0; i < count; ++i) {
            const double angle = 2 * std::numbers::pi * (i + 0.5 * (ring % 2)) / count;
            // Two colours per ring, alternating, so the window reads as concentric bands.
            const QColor glass = jewels[static_cast<std::size_t>((ring + (i % 2) * 3) % 6)];
            panes.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle), glass});
        }
    }
    return panes;
}

} // namespace

QImage paintRoseWindow(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    const double cx = w / 2;
    const double cy = h / 2;
    const double radius = h * 0.46;
    const std::vector<Pane> panes = symmetricPanes(cx, cy, radius);
    const ValueNoise stone(51);
    const double lead = 2.2;

    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double dx = x - cx;
            const double dy = y - cy;
            const double fromCentre = std::sqrt(dx * dx + dy * dy);
            if (fromCentre > radius + 10) {
                const double grain = stone.fractal(x / 14.0, y / 14.0, 4);
                const int v = static_cast<int>(70 + 60 * grain);
                row[x] = qRgb(v, v - 6, v - 14);
                continue;
            }
            if (fromCentre > radius) { // the stone frame around the glass
                row[x] = qRgb(40, 34, 28);
                continue;
            }
            // Nearest and second-nearest pane: close to both means on the lead line.
            double best = std::numeric_limits<double>::max();
            double second = best;
            const Pane* nearest = &panes.front();
            for (const Pane& pane : panes) {
                const double d = std::hypot(x - pane.x, y - pane.y);
                if (d < best) {
                    second = best;
                    best = d;
                    nearest = &pane;
                } else if (d < second) {
                    second = d;
                }
            }
            if (second - best < lead || radius - fromCentre < lead * 1.5) {
                row[x] = qRgb(28, 24, 22);
                continue;
            }
            // Light comes through brightest at the middle of each pane.
            const double glow = std::clamp(1.15 - best / 40.0, 0.65, 1.15);
            const QColor c = nearest->glass;
            row[x] = qRgb(std::min(255, static_cast<int>(c.red() * glow)), std::min(255, static_cast<int>(c.green() * glow)),
                          std::min(255, static_cast<int>(c.blue() * glow)));
        }
    }
    return image;
}

} // namespace qv::samples
