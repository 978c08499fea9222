#pragma once

#include <QString>

#include <chrono>

namespace qv {

// The caption's animations, numbered 1 to 36. Every number a caller hands over is
// accepted: other numbers wrap round onto the 36 as ((n - 1) mod 36) + 1, with the
// mathematical modulo, so 37 plays 1, 49 plays 13, 0 plays 36 and -1 plays 35.
inline constexpr int kTextEffectCount = 36;

// Effect number with its two further settings. A is the tempo, the same for every
// effect: the run lasts sqrt(2 / A) times the effect's normal length, so 2 is the
// normal pace, 4 about 1.4 times as fast, 1 about 1.4 times as slow (values outside
// 1..8 are clamped). B shapes the effect: its meaning per effect is in the table of
// text_effect_table.cpp; 0..20 are the useful values and anything outside 0..40 is
// clamped.
struct TextEffectSettings {
    int number = 1;
    int a = 2;
    int b = 10;
};

int normaliseTextEffect(int number);
int clampedTempo(int a);
int clampedShape(int b);

// What the viewer sees, and what B does, for effect `number` (wrapped as above).
QString textEffectName(int number);
QString textEffectShapeMeaning(int number);

// How long the animation runs; at A = 2 every effect takes between 1.5 and 2.4 s.
std::chrono::milliseconds textEffectDuration(const TextEffectSettings& settings);

} // namespace qv
