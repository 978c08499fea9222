#pragma once

#include "components/picture/load_result.h"
#include "components/picture/picture.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace qv {

struct DecodeOutcome {
    int code = LoadResult::Loaded;  // a LoadResult code
    PictureHandle picture;          // set exactly when code is Loaded
};

// Decodes a picture for a screen of `target` device pixels (large pictures are decoded
// reduced to what that screen can show; an empty target decodes at full size). Pure:
// no window, no cache, safe on any thread.
//
// A file cut short is still shown when its decoder fills the missing part in a defined
// way: a JPEG's lost rows come out grey and a GIF's show its background, as in every
// viewer. Every other type cut short (BMP, DIB, PCX, TGA, TIFF, WMF) gives ReadError.
DecodeOutcome decodePictureFile(const QString& path, QSize target);
DecodeOutcome decodePictureData(const QByteArray& data, QSize target);

} // namespace qv
