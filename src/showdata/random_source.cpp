#include "showdata/random_source.h"

#include <chrono>

namespace qv {
namespace {

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

RandomSource* installedSource = nullptr;

} // namespace

SeededRandom::SeededRandom() : engine_(clockSeed()) {}

double SeededRandom::next()
{
    // generate_canonical may round up to 1.0 on some libraries; [0, 1) is promised.
    for (;;) {
        const double value = std::generate_canonical<double, 53>(engine_);
        if (value < 1.0)
            return value;
    }
}

void SeededRandom::reseedFromClock() { engine_.seed(clockSeed()); }

RandomSource& programRandom()
{
    static SeededRandom own;
    return installedSource != nullptr ? *installedSource : own;
}

void setProgramRandom(RandomSource* source) { installedSource = source; }

} // namespace qv
