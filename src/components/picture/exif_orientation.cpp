#include "components/picture/exif_orientation.h"

#include <QTransform>

#include <array>

namespace qv {

QImageIOHandler::Transformations uprightTransformation(int exifOrientation)
{
    using T = QImageIOHandler::Transformation;
    constexpr std::array<T, 8> byOrientation{T::TransformationNone, T::TransformationMirror,
                                             T::TransformationRotate180, T::TransformationFlip,
                                             T::TransformationFlipAndRotate90, T::TransformationRotate90,
                                             T::TransformationMirrorAndRotate90, T::TransformationRotate270};
    if (exifOrientation < 1 || exifOrientation > 8)
        return T::TransformationNone;
    return byOrientation[static_cast<std::size_t>(exifOrientation - 1)];
}

QImage transformed(QImage image, QImageIOHandler::Transformations transformation)
{
    if (transformation == QImageIOHandler::TransformationNone)
        return image;
    // Mirroring comes before the quarter turn, as EXIF orders them.
    image = std::move(image).mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                      transformation.testFlag(QImageIOHandler::TransformationFlip));
    if (transformation.testFlag(QImageIOHandler::TransformationRotate90))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

} // namespace qv
