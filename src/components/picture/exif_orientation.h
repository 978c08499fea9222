#pragma once

#include <QImage>
#include <QImageIOHandler>

namespace qv {

// What turns a picture stored with EXIF orientation 1 to 8 upright; anything else is
// taken as upright already, as cameras write 0 or junk in damaged files.
QImageIOHandler::Transformations uprightTransformation(int exifOrientation);

QImage transformed(QImage image, QImageIOHandler::Transformations transformation);

inline bool turnsSideways(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

} // namespace qv
