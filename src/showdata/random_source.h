#pragma once

#include <cstdint>
#include <random>
#include <string_view>

namespace qv {

// The program's ordinary random sequence: uniform numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // Starts a new sequence from the clock (unless QUINTAVUE_RANDOM_SEED fixes it).
    virtual void reseedFromClock() = 0;
};

// A Mersenne twister; seeded from the clock unless given a seed.
class SeededRandom final : public RandomSource {
public:
    SeededRandom();
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    // A sequence of its own, told apart from every other by its name: under a fixed
    // seed it is the same in every run whatever other sequences are drawn beside it,
    // and sequences started from the clock at the same moment still differ.
    static SeededRandom named(std::string_view name);
    double next() override;
    void reseedFromClock() override;

private:
    std::mt19937_64 engine_;
    std::uint64_t nameHash_ = 0;
};

// The seed of a named sequence: the base seed and the name well mixed.
std::uint64_t namedSeed(std::uint64_t base, std::string_view name);

// The source every random choice of the program draws from. Tests install their
// own (not owned); nullptr restores the program's.
RandomSource& programRandom();
void setProgramRandom(RandomSource* source);

} // namespace qv
