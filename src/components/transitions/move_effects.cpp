// Effects that move the pictures themselves: slides, pushes, squashes, stretches,
// zooms, rolls and turns. Each describes where every output row comes from.
#include "components/transitions/effect_recipe.h"

#include <cmath>
#include <numbers>

namespace qv::transitions {

namespace {

using F = EffectFamily;
using W = RowWriter;
using M = MoveFrame;

constexpr std::string_view kTravelStep = "moves in steps of this many pixels";

EffectEntry move(int number, F family, std::string_view description, RowPlanner planner,
                 std::string_view grainUse = kTravelStep)
{
    return {{number, family, description, grainUse}, {nullptr, {}, planner, nullptr}};
}

EffectEntry turn(int number, std::string_view description, ColumnPlanner planner)
{
    return {{number, F::Rotate, description, kTravelStep}, {nullptr, {}, nullptr, planner}};
}

void whole(const W& w, Source source, int srcRow)
{
    w.copy(source, srcRow, 0, 0, w.width());
}

// Source row for output row `offset` of a picture squeezed or stretched to `extent` rows.
int fitRow(int offset, int extent, int height)
{
    return static_cast<int>(std::int64_t{offset} * height / std::max(extent, 1));
}

// --- Zoom: one picture scaled about the centre, the other around it ------------------
void zoom(const M& f, int y, const W& w, Source inner, int innerWidth)
{
    const Source outer = inner == Source::To ? Source::From : Source::To;
    const int innerHeight = static_cast<int>(std::int64_t{innerWidth} * f.height / f.width);
    const int left = (f.width - innerWidth) / 2;
    const int top = (f.height - innerHeight) / 2;
    if (y < top || y >= top + innerHeight) {
        whole(w, outer, y);
        return;
    }
    w.copy(outer, y, 0, 0, left);
    w.scaled(inner, fitRow(y - top, innerHeight, f.height), 0, f.width, left, innerWidth);
    w.copy(outer, y, left + innerWidth, left + innerWidth, f.width - left - innerWidth);
}

// --- Roll: the new picture unrolls from a cylinder whose front shows what is still
// rolled up, compressed towards its far side and shadowed underneath. -------------
int rollDiameter(const M& f, int extent)
{
    return std::max(f.grain, extent / 10);
}

// Distance `d` (0..diameter) from the seam on the cylinder's front, as paper length.
double rollArc(double d, double diameter)
{
    const double angle = std::asin(std::clamp(2 * d / diameter - 1, -1.0, 1.0));
    return (angle + std::numbers::pi / 2) * diameter / 2;
}

void rollDownRow(const M& f, int y, const W& w, bool downwards)
{
    const int unrolled = f.travelled(f.height);
    const int diameter = rollDiameter(f, f.height);
    // Mirror the rows for an upward roll, so one description serves both.
    const int yy = downwards ? y : f.height - 1 - y;
    const auto sourceRow = [&](int row) { return downwards ? row : f.height - 1 - row; };
    if (yy < unrolled) {
        whole(w, Source::To, y);
        return;
    }
    const int d = yy - unrolled;
    if (d >= diameter) {
        whole(w, Source::From, y);
        return;
    }
    const int paper = unrolled + static_cast<int>(rollArc(d + 0.5, diameter));
    whole(w, Source::To, sourceRow(std::min(paper, f.height - 1)));
    if (d > diameter * 6 / 10)
        w.shade(0, w.width());
}

// A roll across: the cylinder's front approximated by a few straight pieces.
void rollAcrossRow(const M& f, int y, const W& w, bool rightwards)
{
    const int unrolled = f.travelled(f.width);
    const int diameter = rollDiameter(f, f.width);
    const int band = std::min(diameter, f.width - unrolled);
    constexpr int pieces = 8;
    if (rightwards) {
        w.copy(Source::To, y, 0, 0, unrolled);
        w.copy(Source::From, y, unrolled + band, unrolled + band, f.width - unrolled - band);
    } else {
        w.copy(Source::From, y, 0, 0, f.width - unrolled - band);
        w.copy(Source::To, y, f.width - unrolled, f.width - unrolled, unrolled);
    }
    for (int k = 0; k < pieces; ++k) {
        // Distances from the seam; a leftward roll runs the same pieces mirrored.
        const int d0 = band * k / pieces;
        const int d1 = band * (k + 1) / pieces;
        if (d1 <= d0)
            continue;
        const int a0 = static_cast<int>(rollArc(d0, diameter));
        const int a1 = std::max(a0 + 1, static_cast<int>(rollArc(d1, diameter)));
        if (rightwards) {
            w.scaled(Source::To, y, unrolled + a0, a1 - a0, unrolled + d0, d1 - d0);
        } else {
            const int seam = f.width - unrolled;
            w.scaled(Source::To, y, seam - a1, a1 - a0, seam - d1, d1 - d0);
        }
    }
    const int shadow = band - band * 6 / 10;
    w.shade(rightwards ? unrolled + band - shadow : f.width - unrolled - band, shadow);
}

// --- Cube turns: the old face turns away while the new one turns in. --------------
struct Faces {
    int oldExtent;      // along the turning direction
    double oldFarScale; // size of the old face's far edge
    double newFarScale;
};

Faces cubeFaces(const M& f, int extent)
{
    constexpr double depth = 0.35; // how much a far edge shrinks when seen edge-on
    const double angle = (f.travelled(extent) / static_cast<double>(extent)) * std::numbers::pi / 2;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const int oldExtent = static_cast<int>(std::lround(extent * c / (c + s)));
    return {oldExtent, 1 - depth * s, 1 - depth * c};
}

// One row (or column) of a face: `along` 0..1 from the far edge to the shared edge.
struct FaceLine {
    int srcLine;
    int span; // length across, after perspective
};

FaceLine faceLine(double along, bool farFirst, double farScale, int length, int across)
{
    const double fromFar = farFirst ? along : 1 - along;
    const double scale = farScale + (1 - farScale) * fromFar;
    const int srcLine = std::clamp(static_cast<int>(along * length), 0, length - 1);
    return {srcLine, std::max(1, static_cast<int>(std::lround(across * scale)))};
}

void cubeRow(const M& f, int y, const W& w, bool newOnTop)
{
    const Faces faces = cubeFaces(f, f.height);
    const int newExtent = f.height - faces.oldExtent;
    const int firstExtent = newOnTop ? newExtent : faces.oldExtent;
    const bool inFirst = y < firstExtent;
    const Source source = inFirst == newOnTop ? Source::To : Source::From;
    const int extent = inFirst ? firstExtent : f.height - firstExtent;
    const double along = ((inFirst ? y : y - firstExtent) + 0.5) / std::max(extent, 1);
    // The first face's far edge is at the top, the second's at the bottom.
    const double farScale = source == Source::To ? faces.newFarScale : faces.oldFarScale;
    const FaceLine line = faceLine(along, inFirst, farScale, f.height, f.width);
    const int left = (f.width - line.span) / 2;
    w.fill(0, left);
    w.scaled(source, line.srcLine, 0, f.width, left, line.span);
    w.fill(left + line.span, f.width - left - line.span);
}

ColumnPlacement cubeColumn(const M& f, int x, bool newOnLeft)
{
    const Faces faces = cubeFaces(f, f.width);
    const int newExtent = f.width - faces.oldExtent;
    const int firstExtent = newOnLeft ? newExtent : faces.oldExtent;
    const bool inFirst = x < firstExtent;
    const Source source = inFirst == newOnLeft ? Source::To : Source::From;
    const int extent = inFirst ? firstExtent : f.width - firstExtent;
    const double along = ((inFirst ? x : x - firstExtent) + 0.5) / std::max(extent, 1);
    const double farScale = source == Source::To ? faces.newFarScale : faces.oldFarScale;
    const FaceLine line = faceLine(along, inFirst, farScale, f.width, f.height);
    return {source, true, line.srcLine, (f.height - line.span) / 2, line.span};
}

const EffectEntry kEffects[] = {
    move(9, F::Slide, "the new picture slides up from the bottom over the old one",
         [](const M& f, int y, const W& w) {
             const int top = f.height - f.travelled(f.height);
             y >= top ? whole(w, Source::To, y - top) : whole(w, Source::From, y);
         }),
    move(10, F::Slide, "the new picture slides down from the top over the old one",
         [](const M& f, int y, const W& w) {
             const int bottom = f.travelled(f.height);
             y < bottom ? whole(w, Source::To, y + f.height - bottom) : whole(w, Source::From, y);
         }),
    move(52, F::Slide, "the new picture slides in from the right over the old one",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.width);
             w.copy(Source::From, y, 0, 0, f.width - e);
             w.copy(Source::To, y, 0, f.width - e, e);
         }),
    move(53, F::Slide, "the new picture slides in from the left over the old one",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.width);
             w.copy(Source::To, y, f.width - e, 0, e);
             w.copy(Source::From, y, e, e, f.width - e);
         }),
    move(76, F::Slide, "the new picture slides in diagonally from the top-left corner",
         [](const M& f, int y, const W& w) {
             const int ex = f.travelled(f.width);
             const int ey = f.travelled(f.height);
             if (y >= ey)
                 return whole(w, Source::From, y);
             w.copy(Source::To, y + f.height - ey, f.width - ex, 0, ex);
             w.copy(Source::From, y, ex, ex, f.width - ex);
         }),
    move(77, F::Slide, "the new picture slides in diagonally from the top-right corner",
         [](const M& f, int y, const W& w) {
             const int ex = f.travelled(f.width);
             const int ey = f.travelled(f.height);
             if (y >= ey)
                 return whole(w, Source::From, y);
             w.copy(Source::From, y, 0, 0, f.width - ex);
             w.copy(Source::To, y + f.height - ey, 0, f.width - ex, ex);
         }),
    move(78, F::Slide, "the new picture slides in diagonally from the bottom-left corner",
         [](const M& f, int y, const W& w) {
             const int ex = f.travelled(f.width);
             const int top = f.height - f.travelled(f.height);
             if (y < top)
                 return whole(w, Source::From, y);
             w.copy(Source::To, y - top, f.width - ex, 0, ex);
             w.copy(Source::From, y, ex, ex, f.width - ex);
         }),
    move(79, F::Slide, "the new picture slides in diagonally from the bottom-right corner",
         [](const M& f, int y, const W& w) {
             const int ex = f.travelled(f.width);
             const int top = f.height - f.travelled(f.height);
             if (y < top)
                 return whole(w, Source::From, y);
             w.copy(Source::From, y, 0, 0, f.width - ex);
             w.copy(Source::To, y - top, 0, f.width - ex, ex);
         }),
    move(80, F::Slide, "the new picture's halves slide in from the left and right and meet",
         [](const M& f, int y, const W& w) {
             const int half = f.width / 2;
             const int left = f.travelled(half);
             const int right = f.travelled(f.width - half);
             w.copy(Source::To, y, half - left, 0, left);
             w.copy(Source::From, y, left, left, f.width - left - right);
             w.copy(Source::To, y, half, f.width - right, right);
         }),
    move(81, F::Slide, "the new picture's halves slide in from the top and bottom and meet",
         [](const M& f, int y, const W& w) {
             const int half = f.height / 2;
             const int top = f.travelled(half);
             const int bottom = f.travelled(f.height - half);
             if (y < top)
                 whole(w, Source::To, half - top + y);
             else if (y >= f.height - bottom)
                 whole(w, Source::To, half + y - (f.height - bottom));
             else
                 whole(w, Source::From, y);
         }),
    move(112, F::Interlace,
         "alternate bands of lines slide in from opposite sides, the even ones from the left",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.width);
             if ((y / f.grain) % 2 == 0) {
                 w.copy(Source::To, y, f.width - e, 0, e);
                 w.copy(Source::From, y, e, e, f.width - e);
             } else {
                 w.copy(Source::From, y, 0, 0, f.width - e);
                 w.copy(Source::To, y, 0, f.width - e, e);
             }
         },
         "band height and travel step in pixels"),
    move(113, F::Interlace,
         "alternate bands of columns slide in from opposite ends, the even ones from the top",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.height);
             const bool evenNew = y < e;
             const bool oddNew = y >= f.height - e;
             if (!evenNew && !oddNew)
                 return whole(w, Source::From, y);
             w.interleave(evenNew ? Source::To : Source::From, evenNew ? y + f.height - e : y,
                          oddNew ? Source::To : Source::From, oddNew ? y - (f.height - e) : y, f.grain);
         },
         "band width and travel step in pixels"),

    move(11, F::Push, "the new picture pushes the old one up and out of the top",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.height);
             y < f.height - e ? whole(w, Source::From, y + e) : whole(w, Source::To, y - (f.height - e));
         }),
    move(12, F::Push, "the new picture pushes the old one down and out of the bottom",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.height);
             y < e ? whole(w, Source::To, y + f.height - e) : whole(w, Source::From, y - e);
         }),
    move(54, F::Push, "the new picture pushes the old one out to the left",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.width);
             w.copy(Source::From, y, e, 0, f.width - e);
             w.copy(Source::To, y, 0, f.width - e, e);
         }),
    move(55, F::Push, "the new picture pushes the old one out to the right",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.width);
             w.copy(Source::To, y, f.width - e, 0, e);
             w.copy(Source::From, y, 0, e, f.width - e);
         }),

    move(46, F::Squash, "the new picture slides down from the top, squashing the old one below it",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.height);
             y < e ? whole(w, Source::To, y + f.height - e)
                   : whole(w, Source::From, fitRow(y - e, f.height - e, f.height));
         }),
    move(48, F::Squash,
         "the new picture slides in from the left, squashing the old one against the right edge",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.width);
             w.copy(Source::To, y, f.width - e, 0, e);
             w.scaled(Source::From, y, 0, f.width, e, f.width - e);
         }),
    move(47, F::Squash, "the new picture is pulled down from the top like a stretched sheet",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.height);
             y < e ? whole(w, Source::To, fitRow(y, e, f.height)) : whole(w, Source::From, y);
         }),
    move(49, F::Squash, "the new picture is pulled across from the left like a stretched sheet",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.width);
             w.scaled(Source::To, y, 0, f.width, 0, e);
             w.copy(Source::From, y, e, e, f.width - e);
         }),

    move(86, F::Stretch, "the new picture stretches out sideways from the vertical centre line",
         [](const M& f, int y, const W& w) {
             const int span = f.travelled(f.width);
             const int left = (f.width - span) / 2;
             w.copy(Source::From, y, 0, 0, left);
             w.scaled(Source::To, y, 0, f.width, left, span);
             w.copy(Source::From, y, left + span, left + span, f.width - left - span);
         }),
    move(87, F::Stretch, "the new picture stretches out up and down from the horizontal centre line",
         [](const M& f, int y, const W& w) {
             const int span = f.travelled(f.height);
             const int top = (f.height - span) / 2;
             y >= top && y < top + span ? whole(w, Source::To, fitRow(y - top, span, f.height))
                                        : whole(w, Source::From, y);
         }),
    move(88, F::Stretch,
         "the new picture stretches in from the left edge while the old one is squeezed to the right",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.width);
             w.scaled(Source::To, y, 0, f.width, 0, e);
             w.scaled(Source::From, y, 0, f.width, e, f.width - e);
         }),
    move(89, F::Stretch,
         "the new picture stretches down from the top edge while the old one is squeezed below",
         [](const M& f, int y, const W& w) {
             const int e = f.travelled(f.height);
             y < e ? whole(w, Source::To, fitRow(y, e, f.height))
                   : whole(w, Source::From, fitRow(y - e, f.height - e, f.height));
         }),

    move(24, F::Zoom, "the new picture grows from a point in the centre to full size",
         [](const M& f, int y, const W& w) { zoom(f, y, w, Source::To, f.travelled(f.width)); },
         "size grows in steps of this many pixels"),
    move(25, F::Zoom, "the old picture shrinks away into the centre, uncovering the new one",
         [](const M& f, int y, const W& w) {
             zoom(f, y, w, Source::From, f.width - f.travelled(f.width));
         },
         "size shrinks in steps of this many pixels"),

    move(98, F::Roll, "the new picture unrolls downwards from the top like a scroll",
         [](const M& f, int y, const W& w) { rollDownRow(f, y, w, true); }),
    move(99, F::Roll, "the new picture unrolls upwards from the bottom like a scroll",
         [](const M& f, int y, const W& w) { rollDownRow(f, y, w, false); }),
    move(100, F::Roll, "the new picture unrolls from the left edge to the right like a scroll",
         [](const M& f, int y, const W& w) { rollAcrossRow(f, y, w, true); }),
    move(101, F::Roll, "the new picture unrolls from the right edge to the left like a scroll",
         [](const M& f, int y, const W& w) { rollAcrossRow(f, y, w, false); }),

    move(84, F::Rotate, "a cube turns downwards: the new face comes over the top edge",
         [](const M& f, int y, const W& w) { cubeRow(f, y, w, true); }),
    move(85, F::Rotate, "a cube turns upwards: the new face comes up from the bottom edge",
         [](const M& f, int y, const W& w) { cubeRow(f, y, w, false); }),
    turn(82, "a cube turns to the left: the new face comes in from the right side",
         [](const M& f, int x) { return cubeColumn(f, x, false); }),
    turn(83, "a cube turns to the right: the new face comes in from the left side",
         [](const M& f, int x) { return cubeColumn(f, x, true); }),
};

} // namespace

std::span<const EffectEntry> moveEffects()
{
    return kEffects;
}

} // namespace qv::transitions
