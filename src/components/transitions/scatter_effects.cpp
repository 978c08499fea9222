// Effects that scatter the new picture in seeded random order: lines, blocks,
// sparkles drifting in a direction, bars and drips.
#include "components/transitions/cell_geometry.h"
#include "components/transitions/effect_recipe.h"

namespace qv::transitions {

namespace {

using F = EffectFamily;

constexpr std::string_view kBlockSide = "blocks are this many pixels square";
constexpr std::string_view kBarStep = "bars are 4 grains wide and grow a grain at a time";

EffectEntry scatter(int number, std::string_view description, std::string_view grainUse,
                    ThresholdFn threshold, CellUnits cells = {1, 1})
{
    return {{number, F::Scatter, description, grainUse}, {threshold, cells, nullptr, nullptr}};
}

// Sparkles: random order, leaning towards one side.
double sparkle(const CellSample& c, double along)
{
    return 0.55 * c.random + 0.45 * along;
}

// Bars: each bar starts at its own random moment, then grows at one speed.
double bar(double barRandom, double along)
{
    return 0.5 * barRandom + 0.5 * along;
}

// Paint runs down in columns: a smooth wave of delays across the width, with a few
// columns running ahead of their neighbours.
double drip(const CellSample& c)
{
    constexpr double twoPi = 2 * std::numbers::pi;
    const double wave = 0.5 + 0.25 * std::sin(twoPi * (3 * c.u + c.seedPhase))
                      + 0.25 * std::sin(twoPi * (7.3 * c.u + 2 * c.seedPhase));
    const double runAhead = c.columnRandom > 0.9 ? 0.5 : 1.0;
    const double delay = 0.4 * wave * runAhead;
    return delay + 0.6 * c.v;
}

const EffectEntry kEffects[] = {
    scatter(33, "whole lines appear one at a time in random order", "line height in pixels",
            [](const CellSample& c) { return c.rowRandom; }, {0, 1}),
    scatter(39, "small blocks appear one at a time in random order, like a dissolve", kBlockSide,
            [](const CellSample& c) { return c.random; }),
    scatter(64, "random blocks sparkle in, drifting from the bottom to the top", kBlockSide,
            [](const CellSample& c) { return sparkle(c, 1 - c.v); }),
    scatter(65, "random blocks sparkle in, drifting from the top to the bottom", kBlockSide,
            [](const CellSample& c) { return sparkle(c, c.v); }),
    scatter(66, "random blocks sparkle in, drifting from the right to the left", kBlockSide,
            [](const CellSample& c) { return sparkle(c, 1 - c.u); }),
    scatter(67, "random blocks sparkle in, drifting from the left to the right", kBlockSide,
            [](const CellSample& c) { return sparkle(c, c.u); }),
    scatter(60, "vertical bars rise from the bottom edge, each starting at a random moment",
            kBarStep, [](const CellSample& c) { return bar(c.columnRandom, 1 - c.v); }, {4, 1}),
    scatter(61, "vertical bars drop from the top edge, each starting at a random moment",
            kBarStep, [](const CellSample& c) { return bar(c.columnRandom, c.v); }, {4, 1}),
    scatter(62, "horizontal bars run in from the right edge, each starting at a random moment",
            kBarStep, [](const CellSample& c) { return bar(c.rowRandom, 1 - c.u); }, {1, 4}),
    scatter(63, "horizontal bars run in from the left edge, each starting at a random moment",
            kBarStep, [](const CellSample& c) { return bar(c.rowRandom, c.u); }, {1, 4}),
    scatter(50, "the new picture runs down from the top in narrow columns, like dripping paint",
            "column width and drip step in pixels", drip),
};

} // namespace

std::span<const EffectEntry> scatterEffects()
{
    return kEffects;
}

} // namespace qv::transitions
