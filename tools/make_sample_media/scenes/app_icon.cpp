#include "make_sample_media/canvas.h"
#include "make_sample_media/scenes/scenes.h"

#include <QPainter>
#include <QPainterPath>

namespace qv::samples {

QImage paintAppIcon(int side)
{
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const double s = side;
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.16, s * 0.16);

    // A bevelled frame around a tiny sunset: the program's pictures and borders in one.
    QLinearGradient bevel(0, 0, s, s);
    bevel.setColorAt(0, QColor(235, 235, 245));
    bevel.setColorAt(1, QColor(90, 90, 120));
    p.fillPath(tile, bevel);
    const QRectF picture(s * 0.14, s * 0.14, s * 0.72, s * 0.72);
    p.setClipRect(picture);
    fillVertical(p, picture, {{0.0, QColor(40, 50, 110)}, {0.55, QColor(230, 120, 110)}, {0.8, QColor(255, 200, 120)}});
    softGlow(p, QPointF(s * 0.6, s * 0.52), s * 0.3, QColor(255, 220, 160, 200));
    p.setBrush(QColor(255, 244, 214));
    p.drawEllipse(QPointF(s * 0.6, s * 0.52), s * 0.08, s * 0.08);
    p.setBrush(QColor(110, 70, 120));
    p.drawPolygon(QPolygonF{{QPointF(s * 0.1, s * 0.9), QPointF(s * 0.32, s * 0.5), QPointF(s * 0.46, s * 0.66),
                             QPointF(s * 0.58, s * 0.56), QPointF(s * 0.9, s * 0.9)}});
    p.setBrush(QColor(45, 35, 70));
    p.drawPolygon(QPolygonF{{QPointF(s * 0.1, s * 0.9), QPointF(s * 0.5, s * 0.72), QPointF(s * 0.7, s * 0.66),
                             QPointF(s * 0.9, s * 0.74), QPointF(s * 0.9, s * 0.9)}});
    p.setClipping(false);
    p.setPen(QPen(QColor(60, 60, 80, 160), s * 0.01));
    p.setBrush(Qt::NoBrush);
    p.drawRect(picture);
    return icon;
}

} // namespace qv::samples
