#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace qv {

inline constexpr int noEffect = 0;
inline constexpr int wipeAwayEffect = 51;   // "No Picture2": clears the previous picture, never drawn
inline constexpr int lastRealEffect = 113;
inline constexpr int randomEffect = 114;    // "Random Effect": draw one each time
inline constexpr int effectTableSize = 115; // entries 0 to 114

using EffectRow = std::array<std::int16_t, effectTableSize>;

// Names, tuning and random-choice flags of the transition effects, by number.
struct EffectCatalogue {
    std::array<QString, effectTableSize> effectName;
    // [grain mode][effect]: mode 0 normal, mode 1 super fine ("mgrain_mode").
    std::array<EffectRow, 2> effectBaseSpeed{};
    std::array<EffectRow, 2> effectGrain{};
    // 1 = the random choice may use the effect; meaningful for 1 to 113 only.
    EffectRow effectEnabled{};
    int maxRandomEffect = lastRealEffect;
    bool noEffectEnabled = true;
};

// The process-wide catalogue.
EffectCatalogue& effectCatalogue();

// Names and tuning rows, every effect enabled but 51.
EffectCatalogue standardEffectCatalogue();

// Takes the random-choice flags of effects 1 to 113 (`flags[k - 1]` for effect k):
// 51 is forced off, and `noEffectEnabled` says whether none is left on.
void applyEffectSelection(EffectCatalogue& catalogue, const std::array<std::int16_t, lastRealEffect>& flags);

// Rebuilds the process-wide catalogue and reads the effect-selection file; a
// missing or unreadable file enables every effect but 51, without a message.
void BuildEffectCatalogue();

// The row of a grain-mode setting: 1 is super fine, anything else normal.
int grainModeRow(int mgrainMode);

} // namespace qv
