#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace qv::gallery {

// Two pictures that cannot be confused: a warm one marked "A" and a cool one
// marked "B", each with lines and circles so moves and stretches show.
QImage generatedOldPicture(QSize size);
QImage generatedNewPicture(QSize size);

// A picture file scaled to fill `size` exactly, in the renderer's pixel format;
// a null image when the file cannot be read.
QImage loadFitted(const QString& path, QSize size);

} // namespace qv::gallery
