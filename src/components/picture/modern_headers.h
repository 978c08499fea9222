#pragma once

#include <QByteArrayView>
#include <QSize>

#include <optional>

namespace qv {

// Sizes that the headers of the newer formats declare, upright (a quarter turn the
// file asks for is applied), read before any decoder sees the file. Each reader stays
// inside `file` whatever its fields claim, and gives nothing for a header it cannot
// follow or that declares no size.
std::optional<QSize> pngDeclaredSize(QByteArrayView file);
std::optional<QSize> webpDeclaredSize(QByteArrayView file);
// HEIF and AVIF: the primary item's 'ispe' property, turned by its 'irot'.
std::optional<QSize> heifDeclaredSize(QByteArrayView file);
// A bare code stream or one inside the box container; turned by the orientation of the
// image metadata that follows the size.
std::optional<QSize> jpegXlDeclaredSize(QByteArrayView file);

// The EXIF orientation (1 to 8) of a PNG's "eXIf" chunk or a WebP's "EXIF" chunk; 1
// when it has none.
int pngExifOrientation(QByteArrayView file);
int webpExifOrientation(QByteArrayView file);

} // namespace qv
