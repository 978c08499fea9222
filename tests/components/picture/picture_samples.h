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
};
QByteArray encodeWithMagick(const QImage& picture, const MagickEncoding& encoding);

// A placeable metafile, 800 x 600 units at 720 units per inch: a red rectangle in the
// top-left quarter, a blue ellipse in the bottom-right quarter and, if asked, a green
// word of text in the bottom-left quarter.
QByteArray sampleMetafile(bool withText);

// A JPEG with an EXIF block holding `orientation` (1 to 8) placed after its start marker.
QByteArray withExifOrientation(const QByteArray& jpeg, int orientation);

QByteArray encodeWithQt(const QImage& picture, const char* format, int quality = 90);

// Near in colour, for lossy formats.
bool isNear(QColor actual, QColor expected, int tolerance = 40);

} // namespace qv::test
