#include "make_sample_media/canvas.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace qv::samples {
namespace {

const std::array<QColor, 6> kTiles{QColor(22, 120, 130), QColor(236, 176, 56), QColor(214, 86, 64),
                                    QColor(246, 232, 200), QColor(112, 54, 110), QColor(40, 70, 140)};

QColor tile(int index) { return kTiles[static_cast<std::size_t>(index % static_cast<int>(kTiles.size()))]; }

// One rosette: rings of petals and diamonds, alternating colours ring by ring.
void drawRosette(QPainter& p, QPointF centre, double radius, int colourShift)
{
    p.save();
    p.translate(centre);
    const int rings = 6;
    for (int ring = rings; ring >= 1; --ring) {
        const double outer = radius * ring / rings;
        const int count = 6 * ring;
        p.setBrush(tile(ring + colourShift + 3));
        p.drawEllipse(QPointF(0, 0), outer, outer);
        p.setBrush(tile(ring + colourShift));
        for (int i = 0; i < count; ++i) {
            p.save();
            p.rotate(360.0 * i / count + (ring % 2 == 0 ? 180.0 / count : 0));
            QPainterPath petal;
            const double inner = radius * (ring - 1) / rings;
            const double half = outer * std::sin(std::numbers::pi / count) * 0.9;
            petal.moveTo(0, -inner);
            petal.quadTo(half, -(inner + outer) / 2, 0, -outer);
            petal.quadTo(-half, -(inner + outer) / 2, 0, -inner);
            p.drawPath(petal);
            p.restore();
        }
    }
    p.setBrush(tile(colourShift + 1));
    p.drawEllipse(QPointF(0, 0), radius / rings * 0.6, radius / rings * 0.6);
    p.restore();
}

} // namespace

QImage paintMosaic(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(18, 30, 60));
    p.setPen(QPen(QColor(18, 30, 60), 2.0));
    // A lattice of small stars behind the rosettes.
    const double step = h / 10;
    for (double y = 0; y <= h + step; y += step) {
        for (double x = 0; x <= w + step; x += step) {
            const int index = static_cast<int>(x / step + y / step);
            p.setBrush(tile(index).darker(160));
            QPolygonF star;
            for (int k = 0; k < 8; ++k) {
                const double angle = std::numbers::pi / 4 * k;
                const double r = (k % 2 == 0) ? step * 0.5 : step * 0.22;
                star << QPointF(x + r * std::cos(angle), y + r * std::sin(angle));
            }
            p.drawPolygon(star);
        }
    }
    drawRosette(p, QPointF(w / 2, h / 2), h * 0.42, 0);
    for (const QPointF corner : {QPointF(0, 0), QPointF(w, 0), QPointF(0, h), QPointF(w, h)})
        drawRosette(p, corner, h * 0.28, 2);
    return image;
}

} // namespace qv::samples
