// Effects that uncover the new picture in place, cell by cell, in a fixed shape:
// wipes, diagonals, growing shapes, circles, clock hands, blinds and patterns.
#include "components/transitions/cell_geometry.h"
#include "components/transitions/effect_recipe.h"

namespace qv::transitions {

namespace {

using namespace cell;
using F = EffectFamily;

constexpr std::string_view kEdgeStep = "edge advances in steps of this many pixels";
constexpr std::string_view kCellSide = "shape is built of square cells of this side";
constexpr std::string_view kLineHeight = "line thickness and edge step in pixels";
constexpr std::string_view kBlindStep = "slats are 8 grains thick, opening a grain at a time";
constexpr std::string_view kPatternCell = "squares are 8 grains wide, filled a grain at a time";

// Blinds and checker squares are a fixed number of grains across.
constexpr int kGrainsPerSlat = 8;

double slat(const CellSample& c) { return kGrainsPerSlat * c.grain; }

EffectEntry reveal(int number, F family, std::string_view description, std::string_view grainUse,
                   ThresholdFn threshold, CellUnits cells = {1, 1})
{
    return {{number, family, description, grainUse}, {threshold, cells, nullptr, nullptr}};
}

// Spiral reveal: the front runs along an Archimedean spiral of a turn and a quarter.
double spiral(double radial, double angle)
{
    constexpr double turns = 1.25;
    return (turns * radial + angle) / (turns + 1.0);
}

// A clock hand that starts slowly: halfway through the time it has not yet
// reached six o'clock, so a clock never looks like a plain half-screen wipe.
double handGatheringSpeed(double turn)
{
    return std::pow(turn, 0.8);
}

const EffectEntry kEffects[] = {
    reveal(1, F::Wipe, "new picture wipes in from the left edge to the right", kEdgeStep,
           [](const CellSample& c) { return c.u; }),
    reveal(2, F::Wipe, "new picture wipes in from the right edge to the left", kEdgeStep,
           [](const CellSample& c) { return 1 - c.u; }),
    reveal(3, F::Wipe, "new picture wipes in from the top edge downwards", kEdgeStep,
           [](const CellSample& c) { return c.v; }),
    reveal(4, F::Wipe, "new picture wipes in from the bottom edge upwards", kEdgeStep,
           [](const CellSample& c) { return 1 - c.v; }),
    reveal(5, F::Wipe, "two vertical edges close in from the left and right to the centre",
           kEdgeStep, [](const CellSample& c) { return 1 - fromCentreX(c); }),
    reveal(6, F::Wipe, "a vertical band opens from the centre line out to the left and right",
           kEdgeStep, [](const CellSample& c) { return fromCentreX(c); }),
    reveal(7, F::Wipe, "two horizontal edges close in from the top and bottom to the centre",
           kEdgeStep, [](const CellSample& c) { return 1 - fromCentreY(c); }),
    reveal(8, F::Wipe, "a horizontal band opens from the centre line up and down", kEdgeStep,
           [](const CellSample& c) { return fromCentreY(c); }),

    reveal(13, F::Diagonal, "a diagonal edge sweeps from the top-left corner to the bottom-right",
           kCellSide, [](const CellSample& c) { return (c.u + c.v) / 2; }),
    reveal(14, F::Diagonal, "a diagonal edge sweeps from the bottom-left corner to the top-right",
           kCellSide, [](const CellSample& c) { return (c.u + 1 - c.v) / 2; }),
    reveal(15, F::Diagonal, "a diagonal edge sweeps from the top-right corner to the bottom-left",
           kCellSide, [](const CellSample& c) { return (1 - c.u + c.v) / 2; }),
    reveal(16, F::Diagonal, "a diagonal edge sweeps from the bottom-right corner to the top-left",
           kCellSide, [](const CellSample& c) { return (2 - c.u - c.v) / 2; }),
    reveal(17, F::Diagonal,
           "diagonal edges sweep from the top-left and bottom-right corners and meet across the middle",
           kCellSide,
           [](const CellSample& c) {
               const double s = c.u + c.v;
               return std::min(s, 2 - s);
           }),
    reveal(18, F::Diagonal,
           "two diagonal edges sweep rightwards from the top-left and bottom-left corners", kCellSide,
           [](const CellSample& c) { return (c.u + 1 - fromCentreY(c)) / 2; }),
    reveal(19, F::Diagonal,
           "a band along the top-left to bottom-right diagonal widens towards the other corners",
           kCellSide, [](const CellSample& c) { return std::abs(c.u - c.v); }),
    reveal(20, F::Diagonal,
           "a band along the top-right to bottom-left diagonal widens towards the other corners",
           kCellSide, [](const CellSample& c) { return std::abs(c.u + c.v - 1); }),
    reveal(21, F::Diagonal,
           "diagonal edges come in from all four corners, leaving a shrinking diamond of the old picture",
           kCellSide,
           [](const CellSample& c) { return (2 - fromCentreX(c) - fromCentreY(c)) / 2; }),
    reveal(56, F::Diagonal, "a chevron pointing up rises from the middle of the bottom edge",
           kCellSide, [](const CellSample& c) { return (1 - c.v + fromCentreX(c)) / 2; }),
    reveal(57, F::Diagonal, "a chevron pointing down falls from the middle of the top edge",
           kCellSide, [](const CellSample& c) { return (c.v + fromCentreX(c)) / 2; }),
    reveal(58, F::Diagonal, "a chevron pointing left moves in from the middle of the right edge",
           kCellSide, [](const CellSample& c) { return (1 - c.u + fromCentreY(c)) / 2; }),
    reveal(59, F::Diagonal, "a chevron pointing right moves in from the middle of the left edge",
           kCellSide, [](const CellSample& c) { return (c.u + fromCentreY(c)) / 2; }),

    reveal(22, F::Shape, "a rectangle of the new picture grows from the centre to the edges",
           kEdgeStep, [](const CellSample& c) { return std::max(fromCentreX(c), fromCentreY(c)); }),
    reveal(23, F::Shape, "the old picture shrinks to the centre as a rectangle inside the new one",
           kEdgeStep,
           [](const CellSample& c) { return 1 - std::max(fromCentreX(c), fromCentreY(c)); }),
    reveal(26, F::Shape, "an X of the new picture grows from the centre out to the four corners",
           kCellSide, [](const CellSample& c) { return std::abs(fromCentreX(c) - fromCentreY(c)); }),
    reveal(41, F::DoubleWipe,
           "the left half wipes downwards while the right half wipes upwards", kEdgeStep,
           [](const CellSample& c) { return c.u < 0.5 ? c.v : 1 - c.v; }),
    reveal(42, F::DoubleWipe,
           "the top half wipes to the left while the bottom half wipes to the right", kEdgeStep,
           [](const CellSample& c) { return c.v < 0.5 ? 1 - c.u : c.u; }),
    reveal(44, F::DoubleWipe, "a cross opens from the centre until its arms fill the picture",
           kEdgeStep, [](const CellSample& c) { return std::min(fromCentreX(c), fromCentreY(c)); }),
    reveal(45, F::DoubleWipe, "four rectangles grow in from the corners until they meet", kEdgeStep,
           [](const CellSample& c) { return 1 - std::min(fromCentreX(c), fromCentreY(c)); }),

    reveal(70, F::Circle, "a half disc grows from the middle of the right edge towards the left",
           kCellSide,
           [](const CellSample& c) { return distance(c, c.width, c.height / 2, std::hypot(c.width, c.height / 2)); }),
    reveal(71, F::Circle, "a half disc grows from the middle of the left edge towards the right",
           kCellSide,
           [](const CellSample& c) { return distance(c, 0, c.height / 2, std::hypot(c.width, c.height / 2)); }),
    reveal(72, F::Circle, "two half discs grow in from the left and right edges and meet in the middle",
           kCellSide,
           [](const CellSample& c) {
               const double reach = std::hypot(c.width / 2, c.height / 2);
               return std::min(distance(c, 0, c.height / 2, reach),
                               distance(c, c.width, c.height / 2, reach));
           }),
    reveal(73, F::Circle, "a disc of the new picture grows from the centre", kCellSide,
           [](const CellSample& c) { return radius(c); }),
    reveal(75, F::Circle, "four discs grow from the centres of the four quarters", kCellSide,
           [](const CellSample& c) {
               const double qx = c.u < 0.5 ? c.width / 4 : c.width * 3 / 4;
               const double qy = c.v < 0.5 ? c.height / 4 : c.height * 3 / 4;
               return distance(c, qx, qy, std::hypot(c.width / 4, c.height / 4));
           }),

    reveal(68, F::Clock, "a clock hand sweeps clockwise from twelve o'clock, gathering speed",
           kCellSide, [](const CellSample& c) { return handGatheringSpeed(clockAngle(c)); }),
    reveal(69, F::Clock, "a clock hand sweeps anticlockwise from twelve o'clock, gathering speed",
           kCellSide, [](const CellSample& c) { return handGatheringSpeed(1 - clockAngle(c)); }),
    reveal(74, F::Clock, "two opposite clock hands sweep clockwise, each uncovering half, gathering speed", kCellSide,
           [](const CellSample& c) { return handGatheringSpeed(std::fmod(2 * clockAngle(c), 1.0)); }),
    reveal(43, F::Pattern,
           "an eight-pointed star opens from the centre, mirrored like a kaleidoscope", kCellSide,
           [](const CellSample& c) {
               const double eighth = std::fmod(clockAngle(c) * 8, 2.0);
               const double folded = eighth < 1 ? eighth : 2 - eighth;
               return (folded + radius(c)) / 2;
           }),
    reveal(37, F::Pattern, "blocks appear along a spiral from the edges in to the centre",
           kCellSide, [](const CellSample& c) { return spiral(1 - radius(c), clockAngle(c)); }),
    reveal(38, F::Pattern, "blocks appear along a spiral from the centre out to the edges",
           kCellSide, [](const CellSample& c) { return spiral(radius(c), clockAngle(c)); }),
    reveal(40, F::Pattern,
           "a checkerboard: the dark squares wipe in left to right, then the light ones",
           kPatternCell,
           [](const CellSample& c) {
               const int square = static_cast<int>(c.x / slat(c)) + static_cast<int>(c.y / slat(c));
               return 0.5 * (square % 2) + 0.5 * withinBand(c.x, slat(c));
           }),

    reveal(27, F::Interlace,
           "alternate lines wipe in from opposite sides, the even ones from the left", kLineHeight,
           [](const CellSample& c) { return c.row % 2 == 0 ? c.u : 1 - c.u; }),
    reveal(28, F::Interlace,
           "alternate columns wipe in from opposite ends, the even ones from the top", kLineHeight,
           [](const CellSample& c) { return c.column % 2 == 0 ? c.v : 1 - c.v; }),

    reveal(29, F::TwoPass,
           "odd lines appear from top to bottom, then the even lines from bottom to top", kLineHeight,
           [](const CellSample& c) { return c.row % 2 == 0 ? twoPass(true, c.v) : twoPass(false, 1 - c.v); },
           {0, 1}),
    reveal(30, F::TwoPass,
           "odd columns appear from left to right, then the even columns from right to left",
           kLineHeight,
           [](const CellSample& c) { return c.column % 2 == 0 ? twoPass(true, c.u) : twoPass(false, 1 - c.u); },
           {1, 0}),
    reveal(31, F::TwoPass, "odd lines appear from top to bottom, then the even lines the same way",
           kLineHeight, [](const CellSample& c) { return twoPass(c.row % 2 == 0, c.v); }, {0, 1}),
    reveal(32, F::TwoPass,
           "odd columns appear from left to right, then the even columns the same way", kLineHeight,
           [](const CellSample& c) { return twoPass(c.column % 2 == 0, c.u); }, {1, 0}),
    reveal(102, F::TwoPass, "odd lines wipe in left to right, then the even lines", kLineHeight,
           [](const CellSample& c) { return twoPass(c.row % 2 == 0, c.u); }),
    reveal(103, F::TwoPass, "odd lines wipe in right to left, then the even lines", kLineHeight,
           [](const CellSample& c) { return twoPass(c.row % 2 == 0, 1 - c.u); }),
    reveal(104, F::TwoPass, "odd columns wipe in top to bottom, then the even columns", kLineHeight,
           [](const CellSample& c) { return twoPass(c.column % 2 == 0, c.v); }),
    reveal(105, F::TwoPass, "odd columns wipe in bottom to top, then the even columns", kLineHeight,
           [](const CellSample& c) { return twoPass(c.column % 2 == 0, 1 - c.v); }),
    reveal(106, F::TwoPass,
           "odd lines close in from the left and right edges, then the even lines", kLineHeight,
           [](const CellSample& c) { return twoPass(c.row % 2 == 0, 1 - fromCentreX(c)); }),
    reveal(107, F::TwoPass, "odd lines open from the centre line outwards, then the even lines",
           kLineHeight, [](const CellSample& c) { return twoPass(c.row % 2 == 0, fromCentreX(c)); }),
    reveal(108, F::TwoPass,
           "odd columns close in from the top and bottom edges, then the even columns", kLineHeight,
           [](const CellSample& c) { return twoPass(c.column % 2 == 0, 1 - fromCentreY(c)); }),
    reveal(109, F::TwoPass,
           "odd columns open from the horizontal centre line, then the even columns", kLineHeight,
           [](const CellSample& c) { return twoPass(c.column % 2 == 0, fromCentreY(c)); }),
    reveal(110, F::TwoPass,
           "on odd lines, then on even lines, the old picture shrinks to the centre", kLineHeight,
           [](const CellSample& c) {
               return twoPass(c.row % 2 == 0, 1 - std::max(fromCentreX(c), fromCentreY(c)));
           }),
    reveal(111, F::TwoPass,
           "on odd lines, then on even lines, the new picture grows from the centre", kLineHeight,
           [](const CellSample& c) {
               return twoPass(c.row % 2 == 0, std::max(fromCentreX(c), fromCentreY(c)));
           }),

    reveal(34, F::Blind, "horizontal slats open downwards all at once, like a venetian blind",
           kBlindStep, [](const CellSample& c) { return withinBand(c.y, slat(c)); }, {0, 1}),
    reveal(35, F::Blind, "vertical slats open to the right all at once", kBlindStep,
           [](const CellSample& c) { return withinBand(c.x, slat(c)); }, {1, 0}),
    reveal(36, F::Blind, "horizontal and vertical slats open together, in a grid of squares",
           kBlindStep,
           [](const CellSample& c) {
               return std::min(withinBand(c.x, slat(c)), withinBand(c.y, slat(c)));
           }),
    reveal(94, F::Blind, "horizontal slats open downwards one after another from the top",
           kBlindStep,
           [](const CellSample& c) {
               return 0.5 * std::floor(c.y / slat(c)) * slat(c) / c.height + 0.5 * withinBand(c.y, slat(c));
           },
           {0, 1}),
    reveal(95, F::Blind, "horizontal slats open upwards one after another from the bottom",
           kBlindStep,
           [](const CellSample& c) {
               const double y = c.height - c.y;
               return 0.5 * std::floor(y / slat(c)) * slat(c) / c.height + 0.5 * withinBand(y, slat(c));
           },
           {0, 1}),
    reveal(96, F::Blind, "vertical slats open rightwards one after another from the left",
           kBlindStep,
           [](const CellSample& c) {
               return 0.5 * std::floor(c.x / slat(c)) * slat(c) / c.width + 0.5 * withinBand(c.x, slat(c));
           },
           {1, 0}),
    reveal(97, F::Blind, "vertical slats open leftwards one after another from the right",
           kBlindStep,
           [](const CellSample& c) {
               const double x = c.width - c.x;
               return 0.5 * std::floor(x / slat(c)) * slat(c) / c.width + 0.5 * withinBand(x, slat(c));
           },
           {1, 0}),

    reveal(90, F::Pattern, "large blocks appear one by one, row after row from the top",
           "blocks are 8 grains wide",
           [](const CellSample& c) { return (c.row * c.columns + c.column) / double(c.rows * c.columns); },
           {8, 8}),
    reveal(91, F::Pattern, "large blocks appear one by one, row after row from the bottom",
           "blocks are 8 grains wide",
           [](const CellSample& c) {
               return ((c.rows - 1 - c.row) * c.columns + (c.columns - 1 - c.column)) / double(c.rows * c.columns);
           },
           {8, 8}),
    reveal(92, F::Pattern, "large blocks appear one by one, column after column from the left",
           "blocks are 8 grains wide",
           [](const CellSample& c) { return (c.column * c.rows + c.row) / double(c.rows * c.columns); },
           {8, 8}),
    reveal(93, F::Pattern, "large blocks appear one by one, column after column from the right",
           "blocks are 8 grains wide",
           [](const CellSample& c) {
               return ((c.columns - 1 - c.column) * c.rows + (c.rows - 1 - c.row)) / double(c.rows * c.columns);
           },
           {8, 8}),

    // The show uses this number to wipe the previous picture away before the next.
    reveal(51, F::Wipe, "the picture is wiped away downwards by a slightly slanted edge", kEdgeStep,
           [](const CellSample& c) { return 0.8 * c.v + 0.2 * c.u; }),
};

} // namespace

std::span<const EffectEntry> revealEffects()
{
    return kEffects;
}

} // namespace qv::transitions
