#pragma once

#include "components/picture/picture_format.h"

#include <QByteArrayView>
#include <QSize>

#include <optional>

namespace qv {

// The size the header of `file` declares, read by us before any decoder sees the file,
// so that an absurd claim is refused the same way whichever decoder would have handled
// it: BMP, DIB, PCX, TGA and the newer formats (see modern_headers.h). Nothing for other
// types (their readers report the size themselves) and for headers that declare none.
std::optional<QSize> declaredPictureSize(PictureFormat format, QByteArrayView file);

} // namespace qv
