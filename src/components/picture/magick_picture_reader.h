#pragma once

#include "components/picture/picture_decoder.h"
#include "components/picture/picture_format.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace qv {

// Pictures through GraphicsMagick: the types Qt cannot read (PCX, every kind of TGA,
// headerless DIB, WMF, JPEG XL) and any picture Qt fails on. JPEG XL is decoded whole
// and then reduced: libjxl cannot decode smaller. The decoder is always told the
// type (never left to guess), so it never hands a file to an outside program.
DecodeOutcome decodeWithMagick(const QByteArray& data, PictureFormat format, QSize target);

// A metafile drawn at exactly `size` device pixels; null when it cannot be drawn.
QImage renderMetafile(const QByteArray& data, QSize size);

} // namespace qv
