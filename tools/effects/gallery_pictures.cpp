#include "gallery_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace qv::gallery {

namespace {

QImage generated(QSize size, QColor top, QColor bottom, QColor ink, const QString& mark)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, size.width(), size.height());
    shade.setColorAt(0, top);
    shade.setColorAt(1, bottom);
    painter.fillRect(image.rect(), shade);

    painter.setPen(QPen(ink, std::max(1, size.height() / 90)));
    const int step = std::max(4, size.height() / 8);
    for (int x = 0; x < size.width(); x += step)
        painter.drawLine(x, 0, x + size.height() / 3, size.height());
    painter.setBrush(Qt::NoBrush);
    for (int r = step; r < size.width(); r += step)
        painter.drawEllipse(QPoint(size.width() / 4, size.height() / 3), r / 2, r / 2);

    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(std::max(6, size.height() * 2 / 3));
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(image.rect(), Qt::AlignCenter, mark);
    return image;
}

} // namespace

QImage generatedOldPicture(QSize size)
{
    return generated(size, QColor(250, 200, 60), QColor(200, 40, 30), QColor(90, 20, 10), "A");
}

QImage generatedNewPicture(QSize size)
{
    return generated(size, QColor(40, 200, 230), QColor(20, 40, 160), QColor(230, 255, 255), "B");
}

QImage loadFitted(const QString& path, QSize size)
{
    const QImage loaded(path);
    if (loaded.isNull())
        return {};
    return loaded.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace qv::gallery
