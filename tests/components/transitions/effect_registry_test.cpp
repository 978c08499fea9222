#include "components/transitions/effect_registry.h"
#include "components/transitions/transition_renderer.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qv {
namespace {

TEST(EffectRegistry, DescribesEveryNumberedEffectOnceInOrder)
{
    const auto effects = transitionEffects();
    ASSERT_EQ(effects.size(), 113u);
    std::set<std::string> descriptions;
    for (std::size_t i = 0; i < effects.size(); ++i) {
        const EffectInfo& info = effects[i];
        EXPECT_EQ(info.number, static_cast<int>(i) + 1);
        EXPECT_FALSE(info.grainUse.empty()) << info.number;
        EXPECT_TRUE(descriptions.insert(std::string(info.description)).second)
            << "effect " << info.number << " repeats another's description";
        EXPECT_EQ(transitionEffect(info.number), &info);
        EXPECT_TRUE(isTransitionImplemented(info.number));
    }
}

TEST(EffectRegistry, KnowsNothingOutsideTheNumberedRange)
{
    for (const int number : {-1, 0, 114, 115, 1000}) {
        EXPECT_EQ(transitionEffect(number), nullptr) << number;
        EXPECT_FALSE(isTransitionImplemented(number)) << number;
    }
}

} // namespace
} // namespace qv
