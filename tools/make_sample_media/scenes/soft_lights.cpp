#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace qv::samples {

QImage paintSoftLights(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, w, h);
    background.setColorAt(0.0, QColor(12, 70, 90));
    background.setColorAt(0.5, QColor(58, 34, 96));
    background.setColorAt(1.0, QColor(120, 30, 80));
    p.fillRect(image.rect(), background);

    // Out-of-focus lights: soft discs that add up where they overlap.
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setPen(Qt::NoPen);
    const std::array<QColor, 5> lights{QColor(255, 190, 90), QColor(255, 120, 140), QColor(120, 220, 255),
                                       QColor(255, 240, 200), QColor(190, 140, 255)};
    Random random(5);
    for (int i = 0; i < 70; ++i) {
        const double radius = h * random.between(0.02, 0.12);
        const QPointF centre(random.between(0, w), h * 0.5 + h * 0.45 * (random.uniform() - random.uniform()));
        QColor colour = lights[static_cast<std::size_t>(random.below(5))];
        colour.setAlpha(static_cast<int>(random.between(30, 90)));
        QColor rim = colour;
        rim.setAlpha(std::min(255, colour.alpha() + 25));
        QColor clear = colour;
        clear.setAlpha(0);
        QRadialGradient disc(centre, radius);
        disc.setColorAt(0.0, colour);
        disc.setColorAt(0.85, colour);
        disc.setColorAt(0.93, rim);
        disc.setColorAt(1.0, clear);
        p.setBrush(disc);
        p.drawEllipse(centre, radius, radius);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // A faint diagonal sheen, as from a lens.
    QLinearGradient sheen(0, h, w, 0);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 22));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), sheen);
    return image;
}

} // namespace qv::samples
