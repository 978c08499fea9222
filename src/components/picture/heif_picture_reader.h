#pragma once

#include "components/picture/picture_decoder.h"

#include <QByteArray>
#include <QSize>

namespace qv {

// HEIF and AVIF pictures through libheif itself, which turns them upright ('irot',
// 'imir') and crops them ('clap'). Decoded whole, as libheif cannot decode smaller, then
// reduced; straight into 8-bit pixels, which costs a third of the memory traffic of
// going through GraphicsMagick's 16-bit pixel cache and so disturbs a running
// transition less.
DecodeOutcome decodeWithLibheif(const QByteArray& data, QSize target);

} // namespace qv
