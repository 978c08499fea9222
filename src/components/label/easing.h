#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

// Shaping curves for the caption animations. Every curve maps 0 to its start and 1
// to rest, so an effect that ends at progress 1 always shows the caption unmoved.
namespace qv::easing {

inline double clamp01(double t) { return std::clamp(t, 0.0, 1.0); }

inline double lerp(double from, double to, double t) { return from + (to - from) * t; }

inline double outCubic(double t)
{
    const double u = 1.0 - clamp01(t);
    return 1.0 - u * u * u;
}

inline double inOutSine(double t) { return 0.5 - 0.5 * std::cos(std::numbers::pi * clamp01(t)); }

// Runs past 1 by an amount that grows with overshoot, then settles back.
inline double outBack(double t, double overshoot)
{
    const double u = clamp01(t) - 1.0;
    return 1.0 + (overshoot + 1.0) * u * u * u + overshoot * u * u;
}

// Springs up from 0 past 1 and wobbles to rest.
inline double outElastic(double t, double wobbles)
{
    const double c = clamp01(t);
    const double u = 1.0 - c;
    return 1.0 - u * u * std::cos(wobbles * std::numbers::pi * c);
}

// Height above the floor (1 at the start, 0 on the floor) of something dropped that
// bounces `bounces` times, each bounce lower and shorter than the one before.
double bounceHeight(double t, int bounces);

// Progress of item `index` of `count` when the items start one after another: the
// first starts at once, the last at `share` of the way through; each takes the rest.
inline double staggered(double t, int index, int count, double share)
{
    share = std::clamp(share, 0.0, 0.95);
    const double start = count > 1 ? share * index / (count - 1) : 0.0;
    return clamp01((clamp01(t) - start) / (1.0 - share));
}

// Repeatable noise in [0, 1) from two whole numbers, so that "random" animations are
// the same every time a frame is drawn.
inline double noise01(std::int64_t a, std::int64_t b)
{
    std::uint64_t z = static_cast<std::uint64_t>(a) * 0x9E3779B97F4A7C15ULL
                      + static_cast<std::uint64_t>(b) * 0xC2B2AE3D27D4EB4FULL + 0x165667B19E3779F9ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / static_cast<double>(1ULL << 53);
}

} // namespace qv::easing
