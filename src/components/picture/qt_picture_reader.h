#pragma once

#include "components/picture/picture_decoder.h"
#include "components/picture/picture_format.h"

#include <QByteArray>
#include <QSize>

namespace qv {

// Pictures through Qt's readers: JPEG (decoded reduced by the DCT itself, and turned
// upright from its EXIF orientation), GIF, BMP and TIFF. Fails with
// UnknownType for any other format.
DecodeOutcome decodeWithQt(const QByteArray& data, PictureFormat format, QSize target);

} // namespace qv
