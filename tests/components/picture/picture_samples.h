#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <string>

namespace qv::test {

// Quadrants red (top left), green (top right), blue (bottom left), white (bottom right):
// any turn or mirror of the picture shows in the corners.
QImage quadrantPicture(QSize size);

struct MagickEncoding {
    std::string coder;         // "PCX", "TGA", "DIB"...
    bool runLength = false;    // RLE compression where the coder has it
    bool palette = false;      // reduce to a colour map
    bool greyscale = false;
    // For TIFF: the samples as ink separations (CMYK) or as YCbCr, with an extra alpha
    // channel, 16 bits deep, one plane per sample, compressed ("LZW", "JPEG").
    std::string colourSpace = {};
    bool alpha = false;
    bool deep = false;
    bool planes = false;
    std::string compression = {};
};
QByteArray encodeWithMagick(const QImage& picture, const MagickEncoding& encoding);

// An uncompressed CIELab TIFF of the picture (8-bit L*, signed a* and b*), as GraphicsMagick
// writes none.
QByteArray labTiff(const QImage& picture);

// A placeable metafile of 1600 x 1200 twips (107 x 80 pixels): a red rectangle in the
// top-left quarter, a blue ellipse in the bottom-right quarter, a blue triangle in the
// top-right corner and, if asked, a green word of text in the bottom-left quarter.
QByteArray sampleMetafile(bool withText);

// A JPEG, PNG or WebP with EXIF data holding `orientation` (1 to 8): an APP1 segment after
// the JPEG's start marker, an "eXIf" chunk after the PNG's header chunk, an "EXIF" chunk
// in a WebP made extended.
QByteArray withExifOrientation(const QByteArray& picture, int orientation);

// Through the sample-media generator's encoders. EXIF orientation 3, 6 or 8 stores the
// pixels turned and records the turn ('irot', or JPEG XL's own orientation), so the
// upright picture is `picture`.
QByteArray encodeHeic(const QImage& picture, int exifOrientation = 1);
QByteArray encodeJxl(const QImage& picture, int exifOrientation);
QByteArray encodeAvif(const QImage& picture);

QByteArray encodeWithQt(const QImage& picture, const char* format, int quality = 90);

// Near in colour, for lossy formats.
bool isNear(QColor actual, QColor expected, int tolerance = 40);

} // namespace qv::test
