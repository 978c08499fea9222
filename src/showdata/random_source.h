#pragma once

#include <cstdint>
#include <random>

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
    double next() override;
    void reseedFromClock() override;

private:
    std::mt19937_64 engine_;
};

// The source every random choice of the program draws from. Tests install their
// own (not owned); nullptr restores the program's.
RandomSource& programRandom();
void setProgramRandom(RandomSource* source);

} // namespace qv
