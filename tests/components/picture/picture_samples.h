#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

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

// A placeable metafile, 800 x 600 units at 720 units per inch: a red rectangle in the
// top-left quarter, a blue ellipse in the bottom-right quarter and, if asked, a green
// word of text in the bottom-left quarter.
QByteArray sampleMetafile(bool withText);

// A JPEG or PNG with EXIF data holding `orientation` (1 to 8): an APP1 segment after the
// JPEG's start marker, an "eXIf" chunk after the PNG's header chunk.
QByteArray withExifOrientation(const QByteArray& picture, int orientation);

// The picture as written by an encoder program (`program` OPTIONS IN.png -o OUT.suffix);
// the test fails, never passes silently, when the program is missing or fails.
QByteArray encodeWithTool(const QImage& picture, const QString& program, const QStringList& options,
                          const QString& suffix);
QByteArray encodeHeic(const QImage& picture);
// `quarterTurns` anticlockwise recorded in an 'irot' property, the pixels stored unturned.
QByteArray encodeAvif(const QImage& picture, int quarterTurns = 0);

QByteArray encodeWithQt(const QImage& picture, const char* format, int quality = 90);

// Near in colour, for lossy formats.
bool isNear(QColor actual, QColor expected, int tolerance = 40);

} // namespace qv::test
