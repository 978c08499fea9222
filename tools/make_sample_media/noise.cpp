#include "make_sample_media/noise.h"

#include <cmath>

namespace qv::samples {
namespace {

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

} // namespace

std::uint64_t Random::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

double ValueNoise::lattice(std::int64_t ix, std::int64_t iy) const
{
    std::uint64_t h = static_cast<std::uint64_t>(ix) * 0x8DA6B343ull
                      ^ static_cast<std::uint64_t>(iy) * 0xD8163841ull ^ seed_ * 0xCB1AB31Full;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return static_cast<double>(h & 0xFFFFFFu) / static_cast<double>(0xFFFFFFu);
}

double ValueNoise::at(double x) const { return at(x, 0.5); }

double ValueNoise::at(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double top = lerp(lattice(ix, iy), lattice(ix + 1, iy), tx);
    const double bottom = lerp(lattice(ix, iy + 1), lattice(ix + 1, iy + 1), tx);
    return lerp(top, bottom, ty);
}

double ValueNoise::fractal(double x, int octaves) const { return fractal(x, 0.37, octaves); }

double ValueNoise::fractal(double x, double y, int octaves) const
{
    double sum = 0;
    double weight = 0;
    double amplitude = 1;
    double scale = 1;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so the lattice points of the octaves do not line up.
        sum += amplitude * at(x * scale + 17.31 * i, y * scale + 5.77 * i);
        weight += amplitude;
        amplitude *= 0.5;
        scale *= 2.03;
    }
    return sum / weight;
}

} // namespace qv::samples
