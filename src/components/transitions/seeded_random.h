#pragma once

#include <cstdint>

namespace qv::transitions {

// A repeatable value in [0, 1) for a seed and two coordinates (splitmix64 finaliser):
// the same seed always gives the same picture of scattered cells.
inline double seededUnit(std::uint32_t seed, std::uint64_t a, std::uint64_t b)
{
    std::uint64_t z = (std::uint64_t{seed} << 32) ^ (a * 0x9e3779b97f4a7c15ull) ^ (b * 0xc2b2ae3d27d4eb4full);
    z += 0x9e3779b97f4a7c15ull;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

} // namespace qv::transitions
