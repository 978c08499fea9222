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

// FNV-1a: the same hash of a name in every build, unlike std::hash.
std::uint64_t nameHash(std::string_view name)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

// splitmix64's finaliser: neighbouring inputs give unrelated seeds.
std::uint64_t mixed(std::uint64_t value)
{
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27U)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31U);
}

std::uint64_t seedWithHash(std::uint64_t base, std::uint64_t hash) { return mixed(base ^ mixed(hash)); }

} // namespace

std::uint64_t namedSeed(std::uint64_t base, std::string_view name) { return seedWithHash(base, nameHash(name)); }

SeededRandom::SeededRandom() : engine_(fixedSeed().value_or(clockSeed())) {}

SeededRandom SeededRandom::named(std::string_view name)
{
    SeededRandom random(namedSeed(fixedSeed().value_or(clockSeed()), name));
    random.nameHash_ = nameHash(name);
    return random;
}

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
        engine_.seed(nameHash_ == 0 ? clockSeed() : seedWithHash(clockSeed(), nameHash_));
}

RandomSource& programRandom()
{
    static SeededRandom own;
    return installedSource != nullptr ? *installedSource : own;
}

void setProgramRandom(RandomSource* source) { installedSource = source; }

} // namespace qv
