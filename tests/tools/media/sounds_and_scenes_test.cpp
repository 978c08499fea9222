#include "make_sample_media/scenes/scenes.h"
#include "make_sample_media/sounds.h"

#include <QSet>

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
    const double seconds = static_cast<double>(sound.samples.size()) / sound.channels / sound.sampleRate;
    EXPECT_GE(seconds, 2.0);
    EXPECT_LE(seconds, 6.0);
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

TEST(Normalise, ScalesTheLoudestSampleToThePeakAndLeavesSilenceAlone)
{
    Sound sound{22050, 1, {0.1f, -0.4f, 0.2f}};
    normalise(sound, 0.8f);
    EXPECT_FLOAT_EQ(sound.samples[1], -0.8f);
    EXPECT_FLOAT_EQ(sound.samples[0], 0.2f);
    Sound quiet{22050, 1, {0.0f, 0.0f}};
    normalise(quiet, 0.8f);
    EXPECT_EQ(quiet.samples, (std::vector<float>{0.0f, 0.0f}));
}

struct SceneCase {
    const char* name;
    QImage (*paint)(QSize);
};

class Scene : public ::testing::TestWithParam<SceneCase> {};

// Small, odd sizes shake out off-by-one painting at the edges (the sanitiser build
// catches writes outside the picture) and pictures that come out blank.
TEST_P(Scene, PaintsAColourfulPictureAtAnySize)
{
    for (const QSize size : {QSize(161, 97), QSize(64, 200)}) {
        const QImage picture = GetParam().paint(size);
        ASSERT_EQ(picture.size(), size);
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); y += 3)
            for (int x = 0; x < picture.width(); x += 3)
                colours.insert(picture.pixel(x, y));
        EXPECT_GE(colours.size(), 12) << size.width() << "x" << size.height();
        EXPECT_EQ(picture, GetParam().paint(size)) << "the same picture every time";
    }
}

INSTANTIATE_TEST_SUITE_P(All, Scene,
                         ::testing::Values(SceneCase{"sunset", &paintMountainSunset},
                                           SceneCase{"meadow", &paintFlowerMeadow},
                                           SceneCase{"lake", &paintMoonlitLake}, SceneCase{"mosaic", &paintMosaic},
                                           SceneCase{"lights", &paintSoftLights}, SceneCase{"dunes", &paintDesertDunes},
                                           SceneCase{"glass", &paintRoseWindow}, SceneCase{"autumn", &paintAutumnHills},
                                           SceneCase{"island", &paintTropicalIsland}, SceneCase{"aurora", &paintAurora},
                                           SceneCase{"tulips", &paintTulipFields}),
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
