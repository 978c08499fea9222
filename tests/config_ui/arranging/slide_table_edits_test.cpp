// The show table after inserting, adding and swapping slides.
#include "config_ui/arranging/slide_table_edits.h"
#include "config_ui/common/config_ui_state.h"
#include "showdata/effect_catalogue.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace qv {
namespace {

// Slide n of a test show: every one of its seven fields differs from every other slide's.
SlideRecord oldSlide(int n)
{
    const auto small = static_cast<std::int16_t>(n);
    return SlideRecord{QStringLiteral("/old/%1.jpg").arg(n), QStringLiteral("caption %1").arg(n), small,
                       static_cast<std::int16_t>(n + 20), static_cast<std::int16_t>(n + 40),
                       QStringLiteral("/old/%1.wav").arg(n), static_cast<std::int16_t>(n % 2)};
}

CustomShow showOf(int slides)
{
    CustomShow show;
    for (int n = 1; n <= slides; ++n) {
        AppendSlide(show);
        show.setSlide(n, oldSlide(n));
    }
    return show;
}

// "o2" is old slide 2 with all its fields; "n1" the first new picture with the new-slide defaults.
void expectOrder(const CustomShow& show, const std::vector<std::string>& order, int newDelay)
{
    ASSERT_EQ(show.slideCount, static_cast<int>(order.size()));
    for (int position = 1; position <= show.slideCount; ++position) {
        const std::string& want = order[static_cast<std::size_t>(position - 1)];
        const int n = std::stoi(want.substr(1));
        const SlideRecord expected = want[0] == 'o' ? oldSlide(n)
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

TEST_F(SlideTableEdits, InsertingPutsTheNewSlideBeforeTheCurrentOne)
{
    CustomShow show = showOf(3);
    const SlideRecord fresh = newSlideFor(QStringLiteral("/new/1.gif"), QString(), 10, 0);
    EXPECT_EQ(insertSlideBefore(show, 2, fresh), 2);
    expectOrder(show, {"o1", "n1", "o2", "o3"}, 10);

    CustomShow empty;
    EXPECT_EQ(insertSlideBefore(empty, 0, fresh), 1);
    expectOrder(empty, {"n1"}, 10);
}

struct AddCase {
    const char* name;
    int slides;
    int current;
    AddMode mode;
    int pictures;
    std::vector<std::string> order;
    int first;
    int last;
    int editorStateBefore;
    int editorStateAfter;
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.name; }

class AddingPictures : public SlideTableEdits, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddingPictures, PutsTheNewSlidesInListOrderAndHandsOnTheirRange)
{
    const AddCase& c = GetParam();
    CustomShow show = showOf(c.slides);
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

INSTANTIATE_TEST_SUITE_P(
    Cases, AddingPictures,
    ::testing::Values(
        AddCase{"InsertThreeAtSlideTwoOfFive", 5, 2, AddMode::Insert, 3,
                {"o1", "n1", "n2", "n3", "o2", "o3", "o4", "o5"}, 2, 4, 2, 2},
        AddCase{"InsertAtTheFirstSlide", 2, 1, AddMode::Insert, 1, {"n1", "o1", "o2"}, 1, 1, 2, 2},
        AddCase{"AppendTwoToThree", 3, 3, AddMode::Append, 2, {"o1", "o2", "o3", "n1", "n2"}, 4, 5, 2, 2},
        AddCase{"AppendToAnEmptyShowStartsTheSelection", 0, 0, AddMode::Append, 2, {"n1", "n2"}, 1, 2, 0, 1},
        AddCase{"NothingChosenChangesNothing", 2, 1, AddMode::Insert, 0, {"o1", "o2"}, 0, 0, 0, 0}),
    [](const ::testing::TestParamInfo<AddCase>& param) { return std::string(param.param.name); });

TEST_F(SlideTableEdits, AShowStopsGrowingAtTheGridsLimit)
{
    CustomShow show;
    show.resizeSlides(kMostSlides - 1);
    const AddedSlides added = addPictureSlides(show, 1, AddMode::Append, newPictures(3), 15, 0);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(show.slideCount, kMostSlides);
    EXPECT_EQ(insertSlideBefore(show, 1, oldSlide(1)), 0);
    EXPECT_EQ(show.slideCount, kMostSlides);
}

TEST_F(SlideTableEdits, SwappingExchangesEveryFieldAndASlideWithItselfStaysPut)
{
    CustomShow show = showOf(4);
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
