// What the slide dialogs write into the show, where their windows cannot lead: a
// selection outside the show and effect numbers from a hand-edited file.
#include "config_ui/slide_dialogs/slide_edits.h"
#include "showdata/custom_show.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// No selection (0), a slide deleted meanwhile (4): nothing is written, not even to the
// position 0 that the random setup uses for its picture.
TEST(SlideEdits, ASlideOutsideTheShowIsNeverWritten)
{
    CustomShow show;
    show.resizeSlides(3);
    for (const int slide : {0, 4, -1}) {
        storeDescription(show, slide, QStringLiteral("x"), false);
        storeDelay(show, slide, 7, false);
        storeEffect(show, slide, 114, 12, false);
        storeAudio(show, slide, QStringLiteral("Sound Off"), true, false);
    }
    const std::vector<std::int16_t> zeros(4);
    EXPECT_EQ(show.description, std::vector<QString>(4));
    EXPECT_EQ(show.audio, std::vector<QString>(4));
    EXPECT_EQ(show.delay, zeros);
    EXPECT_EQ(show.effect, zeros);
    EXPECT_EQ(show.effectSpeed, zeros);
    EXPECT_EQ(show.audioLoop, zeros);
}

// "Random Effect" heads the effect list; an effect no list row shows lands on "None".
TEST(SlideEdits, EffectListRowsAndSoundFiles)
{
    const std::pair<int, int> rowEffect[] = {{0, 114}, {1, 0}, {2, 1}, {52, 51}, {114, 113}};
    for (const auto& [row, effect] : rowEffect) {
        EXPECT_EQ(effectOfListRow(row), effect);
        EXPECT_EQ(listRowOfEffect(effect), row);
    }
    EXPECT_EQ(listRowOfEffect(-3), 1);
    EXPECT_EQ(listRowOfEffect(200), 1);
    EXPECT_EQ(trialSoundDeviceKind(QStringLiteral("x.WaV")), 0);
}

} // namespace
} // namespace qv
