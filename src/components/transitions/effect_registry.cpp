#include "components/transitions/effect_registry.h"

#include "components/transitions/effect_recipe.h"

#include <array>
#include <vector>

namespace qv {

using namespace transitions;

namespace {

constexpr int kHighestEffect = 113;

struct Registry {
    std::vector<EffectInfo> infos;                       // by number, no gaps
    std::array<const EffectEntry*, kHighestEffect + 1> byNumber{};
    std::array<const EffectInfo*, kHighestEffect + 1> infoByNumber{};

    Registry()
    {
        for (const auto part : {revealEffects(), scatterEffects(), moveEffects()})
            for (const EffectEntry& entry : part)
                if (entry.info.number >= 1 && entry.info.number <= kHighestEffect)
                    byNumber[static_cast<std::size_t>(entry.info.number)] = &entry;
        for (const EffectEntry* entry : byNumber)
            if (entry != nullptr)
                infos.push_back(entry->info);
        for (const EffectInfo& info : infos)
            infoByNumber[static_cast<std::size_t>(info.number)] = &info;
    }
};

const Registry& registry()
{
    static const Registry instance;
    return instance;
}

const EffectEntry* entryFor(int number)
{
    if (number < 1 || number > kHighestEffect)
        return nullptr;
    return registry().byNumber[static_cast<std::size_t>(number)];
}

} // namespace

std::span<const EffectInfo> transitionEffects()
{
    return registry().infos;
}

const EffectInfo* transitionEffect(int number)
{
    if (number < 1 || number > kHighestEffect)
        return nullptr;
    return registry().infoByNumber[static_cast<std::size_t>(number)];
}

std::string_view familyName(EffectFamily family)
{
    switch (family) {
    case EffectFamily::Wipe: return "wipe";
    case EffectFamily::DoubleWipe: return "double wipe";
    case EffectFamily::Diagonal: return "diagonal";
    case EffectFamily::Shape: return "shape";
    case EffectFamily::Circle: return "circle";
    case EffectFamily::Clock: return "clock";
    case EffectFamily::Interlace: return "interlace";
    case EffectFamily::TwoPass: return "two-pass";
    case EffectFamily::Blind: return "blind";
    case EffectFamily::Pattern: return "pattern";
    case EffectFamily::Scatter: return "scatter";
    case EffectFamily::Slide: return "slide";
    case EffectFamily::Push: return "push";
    case EffectFamily::Squash: return "squash";
    case EffectFamily::Stretch: return "stretch";
    case EffectFamily::Zoom: return "zoom";
    case EffectFamily::Roll: return "roll";
    case EffectFamily::Rotate: return "rotate";
    }
    return "effect";
}

namespace transitions {

const EffectRecipe* effectRecipe(int number)
{
    const EffectEntry* entry = entryFor(number);
    return entry != nullptr ? &entry->recipe : nullptr;
}

} // namespace transitions

} // namespace qv
