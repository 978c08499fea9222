#include "config_ui/editor/editor_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace qv {
namespace {

using Drawing = std::function<void(QPainter&)>;

QIcon drawnIcon(const Drawing& draw)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor darkBlue(0, 0, 128);

} // namespace

QIcon borderButtonIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawPolygon(QPolygonF({{1, 1}, {15, 1}, {13, 3}, {3, 3}, {3, 13}, {1, 15}}));
        p.setBrush(QColor(64, 64, 64));
        p.drawPolygon(QPolygonF({{15, 1}, {15, 15}, {1, 15}, {3, 13}, {13, 13}, {13, 3}}));
        p.setBrush(darkBlue);
        p.drawRect(QRectF(3, 3, 10, 10));
        p.setBrush(QColor(255, 220, 80));
        p.drawEllipse(QRectF(5, 5, 3, 3));
        p.setBrush(QColor(40, 160, 60));
        p.drawPolygon(QPolygonF({{3, 13}, {7, 8}, {10, 11}, {13, 8}, {13, 13}}));
        p.setPen(QPen(QColor(32, 32, 32), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1, 1, 14, 14));
    });
}

QIcon viewPictureIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(32, 32, 32), 0.8));
        p.setBrush(QColor(150, 200, 250));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 210, 60));
        p.drawEllipse(QRectF(10, 4, 3, 3));
        p.setBrush(QColor(40, 140, 60));
        p.drawPolygon(QPolygonF({{1.9, 13.1}, {6, 7}, {9, 10.5}, {11, 8.5}, {14.1, 13.1}}));
    });
}

QIcon playSoundIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(darkBlue);
        p.drawPolygon(QPolygonF({{1.5, 6}, {4.5, 6}, {8.5, 2}, {8.5, 14}, {4.5, 10}, {1.5, 10}}));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(darkBlue, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(7, 5, 5, 6), -60 * 16, 120 * 16);
        p.drawArc(QRectF(6, 2.5, 9, 11), -60 * 16, 120 * 16);
    });
}

QIcon printSheetIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(QColor(32, 32, 32), 0.8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4.5));
        p.setPen(QPen(darkBlue, 0.7));
        p.drawLine(QPointF(5.5, 12), QPointF(10.5, 12));
        p.drawLine(QPointF(5.5, 13.5), QPointF(9.5, 13.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 200, 60));
        p.drawEllipse(QRectF(12, 8, 1.5, 1.5));
    });
}

QIcon helpIcon()
{
    return drawnIcon([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(darkBlue);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setPen(Qt::white);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(11);
        p.setFont(font);
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
    });
}

} // namespace qv
