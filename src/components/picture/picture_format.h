#pragma once

#include <QByteArrayView>
#include <QString>

namespace qv {

enum class PictureFormat { Unknown, Jpeg, Gif, Bmp, Dib, Pcx, Tga, Tiff, Wmf, Png, WebP, Heif, Avif, JpegXl };

// Decides the picture type from the first bytes of a file (at least the first 64
// bytes when the file is that long). The extension plays no part: files are often
// misnamed, and a BMP saved as ".dib" is still a BMP. HEIC and HEIF are one format
// (HEIF holding HEVC pictures) and come out as Heif; AVIF is told apart by its brand.
// TGA has no signature; a header whose fields all hold values a TGA writer can
// produce counts as TGA, so it is tested after every type that has one.
PictureFormat sniffPictureFormat(QByteArrayView head);

// A short upper-case name ("JPEG", "TGA"...), for messages and decoder choice.
QString pictureFormatName(PictureFormat format);

} // namespace qv
