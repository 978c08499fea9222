#pragma once

#include "components/picture/picture_format.h"

#include <QByteArrayView>
#include <QSize>

#include <optional>

namespace qv {

// The size a BMP, DIB, PCX or TGA header declares, read by us before any decoder sees
// the file, so that an absurd claim is refused the same way whichever decoder would
// have handled it. Nothing for other types (their readers report the size themselves)
// and for headers that declare no size.
std::optional<QSize> declaredPictureSize(PictureFormat format, QByteArrayView head);

} // namespace qv
