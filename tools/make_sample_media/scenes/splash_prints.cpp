#include "make_sample_media/canvas.h"
#include "make_sample_media/noise.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>

namespace qv::samples {
namespace {

// One print on the table: the picture inside a white margin, with a soft shadow.
void drawPrint(QPainter& p, const QImage& picture, QPointF centre, double width, double angle)
{
    const double height = width * picture.height() / picture.width();
    const double margin = width * 0.045;
    const QRectF paper(-width / 2 - margin, -height / 2 - margin, width + 2 * margin, height + 2 * margin);
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    for (int step = 6; step >= 1; --step) {
        const double spread = margin * 0.35 * step;
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(paper.translated(margin * 0.3, margin * 0.5).adjusted(-spread, -spread, spread, spread),
                          spread, spread);
    }
    p.setBrush(QColor(246, 244, 238));
    p.drawRect(paper);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(-width / 2, -height / 2, width, height), picture);
    p.restore();
}

} // namespace

// Behind the splash window's words: a few slides fanned out on dark velvet in the
// upper part, the lower part left dark and calm for the text.
QImage paintSplashPrints(QSize size)
{
    QImage image = blankCanvas(size);
    const double w = size.width();
    const double h = size.height();
    {
        QPainter p(&image);
        fillVertical(p, QRectF(0, 0, w, h),
                     {{0.0, QColor(36, 30, 62)}, {0.55, QColor(22, 20, 42)}, {1.0, QColor(10, 10, 22)}});
    }
    paintClouds(image, image.rect(), ValueNoise(301), h * 0.25, 1.6, 0.5, QColor(70, 50, 110, 60));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    softGlow(p, QPointF(w * 0.5, h * 0.30), w * 0.45, QColor(150, 120, 210, 70));

    const double printWidth = w * 0.27;
    const QSize pictureSize(static_cast<int>(printWidth * 1.5), static_cast<int>(printWidth * 1.5 * 0.75));
    struct Print {
        std::function<QImage(QSize)> paint;
        QPointF centre;
        double angle;
    };
    const std::array<Print, 3> prints{{
        {paintFlowerMeadow, QPointF(w * 0.26, h * 0.31), -9.0},
        {paintMoonlitLake, QPointF(w * 0.74, h * 0.31), 8.0},
        {paintMountainSunset, QPointF(w * 0.50, h * 0.27), -1.5},
    }};
    for (const Print& print : prints)
        drawPrint(p, print.paint(pictureSize), print.centre, printWidth, print.angle);

    // The lower part darkens evenly so that words stay clear over it.
    fillVertical(p, QRectF(0, h * 0.50, w, h * 0.50),
                 {{0.0, QColor(14, 12, 28, 0)}, {0.25, QColor(14, 12, 28, 200)}, {1.0, QColor(10, 10, 22, 240)}});
    p.end();
    addGrain(image, 2, 307);
    return image;
}

} // namespace qv::samples
