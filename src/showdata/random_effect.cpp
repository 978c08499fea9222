#include "showdata/random_effect.h"

#include "settings/global_settings.h"

#include <algorithm>
#include <vector>

namespace qv {
namespace {

// Draws per effect enabled; past this many misses (a source that keeps repeating
// itself) the draw picks among the enabled effects directly, so it always ends.
constexpr int maxRejectedDraws = 100000;

int drawUpTo(RandomSource& random, int highest)
{
    const int n = static_cast<int>(random.next() * highest) + 1;
    return std::clamp(n, 1, highest);
}

} // namespace

int DrawRandomEffect(const EffectCatalogue& catalogue, RandomSource& random)
{
    if (catalogue.noEffectEnabled)
        return noEffect;
    const int highest = std::clamp(catalogue.maxRandomEffect, 1, lastRealEffect);
    for (int attempt = 0; attempt < maxRejectedDraws; ++attempt) {
        const int n = drawUpTo(random, highest);
        if (catalogue.effectEnabled[static_cast<std::size_t>(n)] == 1)
            return n;
    }
    std::vector<int> enabled;
    for (int n = 1; n <= highest; ++n) {
        if (catalogue.effectEnabled[static_cast<std::size_t>(n)] == 1)
            enabled.push_back(n);
    }
    if (enabled.empty())
        return noEffect;
    return enabled[static_cast<std::size_t>(drawUpTo(random, static_cast<int>(enabled.size())) - 1)];
}

int RandomEffectSpeed(const EffectCatalogue& catalogue, int n, int mgrainMode, int speedAdjuster)
{
    constexpr long long slowest = 255;
    if (n < 0 || n >= effectTableSize)
        return 0;
    const long long base = catalogue.effectBaseSpeed[static_cast<std::size_t>(grainModeRow(mgrainMode))]
                                                    [static_cast<std::size_t>(n)];
    const long long factor = static_cast<long long>(speedAdjuster) * 10 - 9;
    return static_cast<int>(std::clamp(base * factor, 0LL, slowest));
}

int RandomEffectSpeed(int n)
{
    const GlobalSettings& settings = globalSettings();
    return RandomEffectSpeed(effectCatalogue(), n, settings.mgrainMode, settings.randomSpeedAdjuster);
}

int DrawPreviewEffect(RandomSource& random)
{
    int n = wipeAwayEffect;
    while (n == wipeAwayEffect) {
        random.reseedFromClock();
        n = drawUpTo(random, lastRealEffect);
    }
    return n;
}

int DrawPreviewEffect() { return DrawPreviewEffect(programRandom()); }

} // namespace qv
