#pragma once

#include <cstdint>

namespace qv::samples {

// Our own generator rather than <random>'s distributions, whose results differ
// between standard libraries: the same seed must give the same pictures everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform(); // [0, 1)
    double between(double low, double high) { return low + (high - low) * uniform(); }
    int below(int count) { return static_cast<int>(uniform() * count); }

private:
    std::uint64_t state_;
};

// Smooth lattice noise in [0, 1] and its fractal sums, for ridges, clouds and grain.
class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed) : seed_(seed) {}
    double at(double x) const;
    double at(double x, double y) const;
    double fractal(double x, int octaves) const;
    double fractal(double x, double y, int octaves) const;

private:
    double lattice(std::int64_t ix, std::int64_t iy) const;
    std::uint32_t seed_;
};

} // namespace qv::samples
