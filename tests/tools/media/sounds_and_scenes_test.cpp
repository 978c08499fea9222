#include "make_sample_media/scenes/scenes.h"
#include "make_sample_media/sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace qv::samples {
namespace {

float loudestIn(const Sound& sound, double fromSeconds, double toSeconds)
{
    const auto channels = static_cast<std::size_t>(sound.channels);
    const auto first = static_cast<std::size_t>(fromSeconds * sound.sampleRate) * channels;
    const auto last = std::min(sound.samples.size(), static_cast<std::size_t>(toSeconds * sound.sampleRate) * channels);
    float loudest = 0;
    for (std::size_t i = first; i < last; ++i)
        loudest = std::max(loudest, std::abs(sound.samples[i]));
    return loudest;
}

struct SoundCase {
    const char* name;
    Sound (*make)();
};

class StockSound : public ::testing::TestWithParam<SoundCase> {};

TEST_P(StockSound, StartsAndEndsInSilenceAndNeverClips)
{
    const Sound sound = GetParam().make();
    ASSERT_TRUE(sound.sampleRate == 22050 || sound.sampleRate == 44100);
    ASSERT_TRUE(sound.channels == 1 || sound.channels == 2);
    ASSERT_EQ(sound.samples.size() % static_cast<std::size_t>(sound.channels), 0u);
    // Its length is checked in the sample folder, where each sound lies as a wave.
    const double seconds = static_cast<double>(sound.samples.size()) / sound.channels / sound.sampleRate;
    const float peak = loudestIn(sound, 0, seconds);
    EXPECT_LE(peak, 0.9f) << "headroom below full scale";
    EXPECT_GE(peak, 0.5f) << "loud enough to be heard beside a tune";
    // An abrupt edge at either end is heard as a click.
    EXPECT_LT(loudestIn(sound, 0, 0.001), 0.02f);
    EXPECT_LT(loudestIn(sound, seconds - 0.01, seconds), 0.01f);
}

INSTANTIATE_TEST_SUITE_P(All, StockSound,
                         ::testing::Values(SoundCase{"chimes", &makeWindChimes}, SoundCase{"pad", &makeSoftPad},
                                           SoundCase{"welcome", &makeWelcomeBells}),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(AppIcon, IsOpaqueInsideAndTransparentAtTheRoundedCorners)
{
    const QImage icon = paintAppIcon(256);
    ASSERT_EQ(icon.size(), QSize(256, 256));
    ASSERT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(2, 2)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(253, 253)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(128, 128)), 255);
}

} // namespace
} // namespace qv::samples
