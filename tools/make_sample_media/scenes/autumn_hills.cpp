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

struct Tree {
    QPointF foot;
    double height;
    QColor leaves;
};

void drawTree(QPainter& p, const Tree& t, Random& random)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 45, 30));
    p.drawRect(QRectF(t.foot.x() - t.height * 0.04, t.foot.y() - t.height * 0.45, t.height * 0.08, t.height * 0.45));
    // A crown of overlapping clumps, lit from the upper left.
    const QPointF crown(t.foot.x(), t.foot.y() - t.height * 0.62);
    const double r = t.height * 0.34;
    for (int i = 0; i < 7; ++i) {
        const QPointF at = crown + QPointF(random.between(-0.6, 0.6) * r, random.between(-0.5, 0.4) * r);
        const double size = r * random.between(0.45, 0.7);
        const bool lit = at.x() < crown.x() && at.y() < crown.y();
        p.setBrush(lit ? t.leaves.lighter(118) : t.leaves.darker(100 + random.below(30)));
        p.drawEllipse(at, size, size * 0.9);
    }
}

} // namespace

QImage paintAutumnHills(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    {
        QPainter p(&image);
        fillVertical(p, QRectF(0, 0, w, h),
                     {{0.0, QColor(90, 130, 180)}, {0.45, QColor(230, 200, 160)}, {1.0, QColor(240, 210, 160)}});
    }
    paintClouds(image, QRect(0, 0, static_cast<int>(w), static_cast<int>(h * 0.42)), ValueNoise(61), h * 0.11,
                2.8, 0.52, QColor(255, 236, 210, 220));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    Random random(63);
    const std::array<QColor, 5> leaves{QColor(214, 96, 30), QColor(236, 160, 40), QColor(180, 40, 30),
                                       QColor(200, 130, 40), QColor(120, 120, 40)};
    const std::array<QColor, 4> fields{QColor(150, 160, 110), QColor(170, 150, 70), QColor(130, 140, 60),
                                       QColor(110, 120, 45)};
    for (int layer = 0; layer < 4; ++layer) {
        const ValueNoise n(static_cast<std::uint32_t>(600 + layer));
        const double baseline = h * (0.50 + 0.13 * layer);
        const double amplitude = h * (0.08 + 0.03 * layer);
        const double period = w * (0.35 + 0.1 * layer);
        const auto heightAt = [&](double x) { return amplitude * n.fractal(x / period, 4); };
        QLinearGradient shade(0, baseline - amplitude, 0, baseline + h * 0.15);
        shade.setColorAt(0, fields[static_cast<std::size_t>(layer)].lighter(115));
        shade.setColorAt(1, fields[static_cast<std::size_t>(layer)].darker(125));
        p.setBrush(shade);
        p.drawPolygon(skyline(w, baseline, h + 2, 4.0, heightAt));
        // Rows of trees along each ridge, larger on the nearer hills.
        std::vector<Tree> trees;
        const double treeHeight = h * (0.03 + 0.045 * layer);
        for (double x = random.between(0, 30); x < w + 20; x += treeHeight * random.between(0.35, 1.6)) {
            if (n.at(x / (w * 0.12) + 40) < 0.4)
                continue; // clearings
            const double ground = baseline - heightAt(x) + random.between(0.05, 0.5) * treeHeight;
            trees.push_back({QPointF(x, ground), treeHeight * random.between(0.8, 1.2),
                             leaves[static_cast<std::size_t>(random.below(5))]});
        }
        std::sort(trees.begin(), trees.end(), [](const Tree& a, const Tree& b) { return a.foot.y() < b.foot.y(); });
        for (const Tree& tree : trees)
            drawTree(p, tree, random);
    }
    return image;
}

} // namespace qv::samples
