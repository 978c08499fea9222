#include "showdata/random_source.h"

#include <chrono>
#include <cstdlib>
#include <optional>

namespace qv {
namespace {

// QUINTAVUE_RANDOM_SEED makes every run draw the same sequence, so that measurements
// of two builds, or of one and two screens, meet the same pictures, effects and sounds.
std::optional<std::uint64_t> fixedSeed()
{
    static const std::optional<std::uint64_t> seed = []() -> std::optional<std::uint64_t> {
        const char* const text = std::getenv("QUINTAVUE_RANDOM_SEED");
        if (text == nullptr || *text == '\0')
            return std::nullopt;
        char* end = nullptr;
        const unsigned long long value = std::strtoull(text, &end, 10);
        return *end == '\0' ? std::optional<std::uint64_t>(value) : std::nullopt;
    }();
    return seed;
}

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

RandomSource* installedSource = nullptr;

} // namespace

SeededRandom::SeededRandom() : engine_(fixedSeed().value_or(clockSeed())) {}

double SeededRandom::next()
{
    // generate_canonical may round up to 1.0 on some libraries; [0, 1) is promised.
    for (;;) {
        const double value = std::generate_canonical<double, 53>(engine_);
        if (value < 1.0)
            return value;
    }
}

void SeededRandom::reseedFromClock()
{
    if (!fixedSeed())
        engine_.seed(clockSeed());
}

RandomSource& programRandom()
{
    static SeededRandom own;
    return installedSource != nullptr ? *installedSource : own;
}

void setProgramRandom(RandomSource* source) { installedSource = source; }

} // namespace qv
