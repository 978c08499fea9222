#pragma once

#include "showdata/effect_catalogue.h"
#include "showdata/random_source.h"

namespace qv {

// The effect for a picture of a random show or a "Random Effect" slide: drawn
// evenly from the enabled effects 1 to 113; 0 ("None") when none is enabled.
int DrawRandomEffect(const EffectCatalogue& catalogue, RandomSource& random);

// The speed of a randomly chosen effect `n`: its base speed in the grain mode's row
// times (adjuster x 10 - 9), at most 255. Adjusters 1, 2, 3 ("Fast", "Normal",
// "Slow") give the factors 1, 11, 21. Never below 0, and an adjuster or effect
// number out of range cannot overflow: an unknown effect has base speed 0.
int RandomEffectSpeed(const EffectCatalogue& catalogue, int n, int mgrainMode, int speedAdjuster);
int RandomEffectSpeed(int n);  // "mgrain_mode" and "random_speed_adjuster"

// The slide-effect dialog's preview of "Random Effect": any effect 1 to 113 but 51,
// enabled or not, from a sequence reseeded from the clock.
int DrawPreviewEffect(RandomSource& random);
int DrawPreviewEffect();

} // namespace qv
