// The show table after inserting, adding and swapping slides.
#include "config_ui/arranging/slide_table_edits.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/support/message_recorder.h"
#include "showdata/effect_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

// "o2" is old slide 2 with all its fields; "n1" the first new picture with the new-slide defaults.
void expectOrder(const CustomShow& show, const std::vector<std::string>& order, int newDelay)
{
    ASSERT_EQ(show.slideCount, static_cast<int>(order.size()));
    for (int position = 1; position <= show.slideCount; ++position) {
        const std::string& want = order[static_cast<std::size_t>(position - 1)];
        const int n = std::stoi(want.substr(1));
        const SlideRecord expected = want[0] == 'o' ? test::numberedSlide(n)
                                                    : newSlideFor(QStringLiteral("/new/%1.gif").arg(n), QString(),
                                                                  newDelay, 0);
        EXPECT_EQ(show.slide(position), expected) << "position " << position;
    }
}

QStringList newPictures(int count)
{
    QStringList paths;
    for (int n = 1; n <= count; ++n)
        paths << QStringLiteral("/new/%1.gif").arg(n);
    return paths;
}

class SlideTableEdits : public ::testing::Test {
protected:
    void SetUp() override
    {
        effectCatalogue() = standardEffectCatalogue();
        effectCatalogue().effectBaseSpeed[0][0] = 7;
        effectCatalogue().effectBaseSpeed[1][0] = 3;
    }
};

TEST_F(SlideTableEdits, NewSlidesTakeTheGrainModesSpeedAndNoEffectOrSound)
{
    for (const auto& [mode, speed] : std::vector<std::pair<int, int>>{{0, 7}, {1, 3}, {5, 7}}) {
        const SlideRecord slide = newSlideFor(QStringLiteral("/p.jpg"), QStringLiteral("d"), 15, mode);
        EXPECT_EQ(slide, (SlideRecord{QStringLiteral("/p.jpg"), QStringLiteral("d"), 15, 0,
                                      static_cast<std::int16_t>(speed), QString(), 0}))
            << "grain mode " << mode;
    }
}

TEST_F(SlideTableEdits, AddedPicturesGoInListOrderAndHandOnTheirRange)
{
    const struct {
        const char* name;
        int slides, current;
        AddMode mode;
        int pictures;
        std::vector<std::string> order;
        int first, last, editorStateBefore, editorStateAfter;
    } cases[] = {
        {"insert 3 at slide 2 of 5", 5, 2, AddMode::Insert, 3, {"o1", "n1", "n2", "n3", "o2", "o3", "o4", "o5"}, 2, 4, 2, 2},
        {"insert at the first slide", 2, 1, AddMode::Insert, 1, {"n1", "o1", "o2"}, 1, 1, 2, 2},
        {"append two to three", 3, 3, AddMode::Append, 2, {"o1", "o2", "o3", "n1", "n2"}, 4, 5, 2, 2},
        {"append to an empty show: its first slides", 0, 0, AddMode::Append, 2, {"n1", "n2"}, 1, 2, 0, 1},
        {"insert into an empty show appends", 0, 0, AddMode::Insert, 1, {"n1"}, 1, 1, 0, 1},
        {"nothing chosen changes nothing", 2, 1, AddMode::Insert, 0, {"o1", "o2"}, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CustomShow show = test::numberedShow(c.slides);
        ConfigUiState state;
        state.currentSlide = static_cast<std::int16_t>(c.current);
        state.editorState = static_cast<std::int16_t>(c.editorStateBefore);
        const AddedSlides added = addPicturesToShow(show, state, c.mode, newPictures(c.pictures), 15, 0);
        expectOrder(show, c.order, 15);
        EXPECT_EQ(state.newSlideFirst, c.first);
        EXPECT_EQ(state.newSlideLast, c.last);
        EXPECT_EQ(added.count(), c.pictures);
        EXPECT_EQ(state.editorState, c.editorStateAfter);
    }
}

TEST_F(SlideTableEdits, AShowStopsGrowingAtTheGridsLimit)
{
    CustomShow show;
    show.resizeSlides(kMostSlides - 1);
    const AddedSlides added = addPictureSlides(show, 1, AddMode::Append, newPictures(3), 15, 0);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(show.slideCount, kMostSlides);
    EXPECT_EQ(insertSlideBefore(show, 1, test::numberedSlide(1)), 0);
    EXPECT_EQ(show.slideCount, kMostSlides);
}

TEST_F(SlideTableEdits, SwappingExchangesEveryFieldAndASlideWithItselfStaysPut)
{
    CustomShow show = test::numberedShow(4);
    EXPECT_TRUE(swapSlides(show, 4, 2));
    expectOrder(show, {"o1", "o4", "o3", "o2"}, 0);
    EXPECT_TRUE(swapSlides(show, 2, 2));
    expectOrder(show, {"o1", "o4", "o3", "o2"}, 0);
    EXPECT_FALSE(swapSlides(show, 0, 2));
    EXPECT_FALSE(swapSlides(show, 2, 5));
    expectOrder(show, {"o1", "o4", "o3", "o2"}, 0);
}

} // namespace
} // namespace qv
