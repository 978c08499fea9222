#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace qv {

// The bevel styles a border setting may hold. Style 0 draws nothing and takes no room:
// the show turns the border off by setting both styles to 0 while the bevel sizes keep
// their values, so a "flat" style 0 would leave a frame that no one asked for.
namespace BevelStyle {
inline constexpr int None = 0;
inline constexpr int Inset = 1;   // colour 1 on the top and left edges, colour 2 on the bottom and right
inline constexpr int Raised = 2;  // colour 2 on the top and left edges, colour 1 on the bottom and right
} // namespace BevelStyle

struct Bevel {
    int size = 0;  // logical pixels
    int style = BevelStyle::None;
    QColor colour1 = Qt::gray;
    QColor colour2 = Qt::white;
    bool operator==(const Bevel&) const = default;
};

// Three rings from the edge inwards: the outer bevel, the middle band and the inner
// bevel; the picture fills what is left. Sizes below 1 and styles other than 1 and 2
// draw no ring.
struct BorderStyle {
    Bevel outer;
    int width = 0;  // middle band, logical pixels
    QColor colour = Qt::black;
    Bevel inner;
    bool operator==(const BorderStyle&) const = default;
};

// The room the rings take on each side, in device pixels at `scale` device pixels per
// logical pixel.
int borderThickness(const BorderStyle& border, qreal scale);

// The rectangle the rings inside `area` (device pixels) leave for the picture: empty
// when the rings fill everything.
QRect borderInterior(const QRect& area, const BorderStyle& border, qreal scale);

// Paints the rings inside `area` (device pixels) and returns borderInterior().
QRect paintBorder(QPainter& painter, const QRect& area, const BorderStyle& border, qreal scale);

} // namespace qv
