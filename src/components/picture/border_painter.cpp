#include "components/picture/border_style.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace qv {
namespace {

int devicePixels(int logical, qreal scale)
{
    return logical > 0 ? std::max(1, static_cast<int>(std::lround(logical * scale))) : 0;
}

bool bevelDrawn(const Bevel& bevel)
{
    return bevel.size > 0 && (bevel.style == BevelStyle::Inset || bevel.style == BevelStyle::Raised);
}

int bevelPixels(const Bevel& bevel, qreal scale) { return bevelDrawn(bevel) ? devicePixels(bevel.size, scale) : 0; }

// A ring of `thickness` inside `outer`, the top and left edges in one colour and the
// bottom and right in the other, meeting along the corner diagonals.
void paintBevel(QPainter& painter, const QRect& outer, int thickness, const Bevel& bevel)
{
    const QRect inner = outer.adjusted(thickness, thickness, -thickness, -thickness);
    const bool raised = bevel.style == BevelStyle::Raised;
    const QColor topLeft = raised ? bevel.colour2 : bevel.colour1;
    const QColor bottomRight = raised ? bevel.colour1 : bevel.colour2;
    // Corners on pixel boundaries: the rectangle's far edges are right()+1 and bottom()+1.
    const QPoint o0(outer.left(), outer.top());
    const QPoint o1(outer.right() + 1, outer.top());
    const QPoint o2(outer.right() + 1, outer.bottom() + 1);
    const QPoint o3(outer.left(), outer.bottom() + 1);
    const QPoint i0(inner.left(), inner.top());
    const QPoint i1(inner.right() + 1, inner.top());
    const QPoint i2(inner.right() + 1, inner.bottom() + 1);
    const QPoint i3(inner.left(), inner.bottom() + 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(topLeft);
    painter.drawPolygon(QPolygon({o0, o1, i1, i0, i3, o3}));
    painter.setBrush(bottomRight);
    painter.drawPolygon(QPolygon({o2, o3, i3, i2, i1, o1}));
}

} // namespace

int borderThickness(const BorderStyle& border, qreal scale)
{
    return bevelPixels(border.outer, scale) + devicePixels(border.width, scale) + bevelPixels(border.inner, scale);
}

QRect borderInterior(const QRect& area, const BorderStyle& border, qreal scale)
{
    const int thickness = borderThickness(border, scale);
    const QRect inside = area.adjusted(thickness, thickness, -thickness, -thickness);
    return inside.isValid() ? inside : QRect();
}

QRect paintBorder(QPainter& painter, const QRect& area, const BorderStyle& border, qreal scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QRect remaining = area;
    const auto shrink = [&](int by) { remaining = remaining.adjusted(by, by, -by, -by); };
    if (const int outer = bevelPixels(border.outer, scale); outer > 0) {
        paintBevel(painter, remaining, outer, border.outer);
        shrink(outer);
    }
    if (const int band = devicePixels(border.width, scale); band > 0 && remaining.isValid()) {
        const QRect inside = remaining.adjusted(band, band, -band, -band);
        painter.setClipRegion(QRegion(remaining).subtracted(inside.isValid() ? QRegion(inside) : QRegion()));
        painter.fillRect(remaining, border.colour);
        painter.setClipping(false);
        shrink(band);
    }
    if (const int inner = bevelPixels(border.inner, scale); inner > 0 && remaining.isValid()) {
        paintBevel(painter, remaining, inner, border.inner);
        shrink(inner);
    }
    painter.restore();
    return borderInterior(area, border, scale);
}

} // namespace qv
