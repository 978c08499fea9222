#pragma once

#include "components/transitions/effect_recipe.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// Small measures of where a cell lies, shared by the threshold functions.
namespace qv::transitions::cell {

// 0 on the vertical centre line, 1 at the left and right edges.
inline double fromCentreX(const CellSample& c) { return std::abs(2.0 * c.u - 1.0); }
// 0 on the horizontal centre line, 1 at the top and bottom edges.
inline double fromCentreY(const CellSample& c) { return std::abs(2.0 * c.v - 1.0); }

// Distance in pixels from a point, as a share of `reach`.
inline double distance(const CellSample& c, double px, double py, double reach)
{
    return std::hypot(c.x - px, c.y - py) / reach;
}

// Distance from the centre as a share of the half diagonal (1 in the corners).
inline double radius(const CellSample& c)
{
    return distance(c, c.width / 2, c.height / 2, std::hypot(c.width / 2, c.height / 2));
}

// Angle round the centre, clockwise from twelve o'clock, as a share of a turn.
inline double clockAngle(const CellSample& c)
{
    const double angle = std::atan2(c.x - c.width / 2, c.height / 2 - c.y);
    const double turn = angle / (2 * std::numbers::pi);
    return turn < 0 ? turn + 1.0 : turn;
}

// Lines of cells alternate between two passes: `first` for the first pass, a
// value of 0..1 for the position within the pass. The passes overlap a little so
// that the second starts before the first has quite finished.
inline double twoPass(bool first, double position)
{
    constexpr double passLength = 0.6;
    return (first ? 0.0 : 1.0 - passLength) + passLength * position;
}

// Position inside a repeating band of `period` pixels, 0..1.
inline double withinBand(double coordinate, double period)
{
    return std::fmod(coordinate, period) / period;
}

} // namespace qv::transitions::cell
