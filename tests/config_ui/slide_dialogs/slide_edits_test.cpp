// What the slide dialogs write into the show, apart from their windows.
#include "config_ui/slide_dialogs/slide_edits.h"
#include "showdata/custom_show.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

CustomShow showOf(int slides)
{
    CustomShow show;
    show.resizeSlides(slides);
    for (int i = 1; i <= slides; ++i)
        show.description[std::size_t(i)] = QStringLiteral("old %1").arg(i);
    return show;
}

TEST(SlideEdits, OneSlideOrAllButNeverOutsideTheShow)
{
    CustomShow show = showOf(3);
    storeDescription(show, 2, QStringLiteral("two"), false);
    EXPECT_EQ(show.description, (std::vector<QString>{{}, "old 1", "two", "old 3"}));
    storeDelay(show, 0, 7, false);  // an empty selection
    storeDelay(show, 4, 7, false);
    EXPECT_EQ(show.delay, (std::vector<std::int16_t>{0, 0, 0, 0}));
    storeEffect(show, 1, 114, 12, true);
    EXPECT_EQ(show.effect, (std::vector<std::int16_t>{0, 114, 114, 114}));
    EXPECT_EQ(show.effectSpeed, (std::vector<std::int16_t>{0, 12, 12, 12}));
    storeAudio(show, 3, QStringLiteral("Sound Off"), true, false);
    EXPECT_EQ(show.audio[3], QStringLiteral("Sound Off"));
    EXPECT_EQ(show.audioLoop, (std::vector<std::int16_t>{0, 0, 0, 1}));
}

TEST(SlideEdits, EffectListRowsPutRandomEffectFirst)
{
    const std::pair<int, int> rowEffect[] = {{0, 114}, {1, 0}, {2, 1}, {52, 51}, {114, 113}};
    for (const auto& [row, effect] : rowEffect) {
        EXPECT_EQ(effectOfListRow(row), effect);
        EXPECT_EQ(listRowOfEffect(effect), row);
    }
    EXPECT_EQ(listRowOfEffect(-3), 1);
    EXPECT_EQ(listRowOfEffect(200), 1);
}

TEST(SlideEdits, SoundFilesAndHowTheyPlay)
{
    EXPECT_EQ(soundFilePath(QStringLiteral("/m"), QStringLiteral("a.wav")), QStringLiteral("/m/a.wav"));
    EXPECT_EQ(soundFilePath(QStringLiteral("/m/"), QStringLiteral("a.wav")), QStringLiteral("/m/a.wav"));
    EXPECT_EQ(trialSoundDeviceKind(QStringLiteral("x.WaV")), 0);
    EXPECT_EQ(trialSoundDeviceKind(QStringLiteral("x.mid")), 1);
    EXPECT_FALSE(isChosenSoundFile(QStringLiteral("a.w")));
    EXPECT_TRUE(isChosenSoundFile(QStringLiteral("a.wa")));
}

TEST(SlideEdits, DescriptionWalkCountsTheAddedSlides)
{
    DescriptionWalk walk = DescriptionWalk::start(4, 6);
    EXPECT_EQ(walk.positionText(), QStringLiteral("Editing 1 / 3"));
    EXPECT_TRUE(walk.advance());
    EXPECT_TRUE(walk.advance());
    EXPECT_EQ(walk.slide, 6);
    EXPECT_EQ(walk.positionText(), QStringLiteral("Editing 3 / 3"));
    EXPECT_TRUE(walk.onLastSlide());
    EXPECT_FALSE(walk.advance());
    EXPECT_EQ(walk.slide, 6);
}

} // namespace
} // namespace qv
