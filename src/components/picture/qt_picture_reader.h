#pragma once

#include "components/picture/picture_decoder.h"
#include "components/picture/picture_format.h"

#include <QByteArray>
#include <QSize>

namespace qv {

// Pictures through Qt's readers: JPEG (decoded reduced by the DCT itself), GIF, BMP,
// TIFF, PNG and WebP, JPEG and PNG turned upright from their EXIF orientation. The
// others are decoded whole and then reduced: Qt's readers cannot decode them smaller.
// Fails with
// UnknownType for any other format.
DecodeOutcome decodeWithQt(const QByteArray& data, PictureFormat format, QSize target);

} // namespace qv
