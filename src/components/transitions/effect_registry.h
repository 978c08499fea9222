#pragma once

#include <span>
#include <string_view>

namespace qv {

// How an effect looks, in the words a user would pick it by. The effect's name is
// the catalogue's business; this table says what happens on screen.
enum class EffectFamily {
    Wipe,
    DoubleWipe,
    Diagonal,
    Shape,
    Circle,
    Clock,
    Interlace,
    TwoPass,
    Blind,
    Pattern,
    Scatter,
    Slide,
    Push,
    Squash,
    Stretch,
    Zoom,
    Roll,
    Rotate,
};

struct EffectInfo {
    int number = 0;
    EffectFamily family = EffectFamily::Wipe;
    std::string_view description; // one line: what the viewer sees
    std::string_view grainUse;     // what the grain value changes for this effect
};

// Every effect the renderer draws, ordered by number (1 to 113, no gaps).
std::span<const EffectInfo> transitionEffects();

// The entry of one effect, or nullptr for a number the renderer does not draw.
const EffectInfo* transitionEffect(int number);

std::string_view familyName(EffectFamily family);

} // namespace qv
