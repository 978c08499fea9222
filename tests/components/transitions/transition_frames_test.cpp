#include "components/transitions/effect_recipe.h"
#include "components/transitions/effect_registry.h"
#include "components/transitions/threshold_grid.h"
#include "components/transitions/transition_renderer.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace qv {
namespace {

using test::countUntouched;
using test::newPicture;
using test::oldPicture;
using test::untouchedFrame;

// The test pictures of one size, made once: several tests render thousands of frames.
const std::pair<QImage, QImage>& picturesOfSize(QSize size)
{
    static std::map<std::pair<int, int>, std::pair<QImage, QImage>> made;
    auto& pictures = made[{size.width(), size.height()}];
    if (pictures.first.isNull())
        pictures = {oldPicture(size), newPicture(size)};
    return pictures;
}

QImage frameAt(int effect, QSize size, double progress, int grain = 4, std::uint32_t seed = 7)
{
    const TransitionRenderer renderer({effect, grain, seed, size});
    QImage out = untouchedFrame(size);
    const auto& [older, newer] = picturesOfSize(size);
    renderer.render(older, newer, progress, out);
    return out;
}

// Pixels taken from the new picture; the test pictures differ at every pixel.
int newPixels(const QImage& frame, const QImage& newer)
{
    int count = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            count += frame.pixel(x, y) == newer.pixel(x, y) ? 1 : 0;
    return count;
}

// Effects that uncover the new picture in place rather than moving pictures.
std::vector<int> revealingEffects()
{
    std::vector<int> numbers;
    for (const EffectInfo& info : transitionEffects())
        if (transitions::effectRecipe(info.number)->threshold != nullptr)
            numbers.push_back(info.number);
    return numbers;
}

std::string effectName(const ::testing::TestParamInfo<int>& effect)
{
    return "effect" + std::to_string(effect.param);
}

class EveryEffect : public ::testing::TestWithParam<int> {};
class RevealingEffect : public ::testing::TestWithParam<int> {};

// Progress out of range acts as the nearest end and a grain out of range as the nearest
// valid one, so what a settings file holds cannot make the renderer divide by zero or
// build absurd tables; the same seed gives the same frames.
TEST_P(EveryEffect, EndsOnThePicturesRepeatsForTheSameSeedAndClampsTheGrain)
{
    const QSize size(80, 60);
    for (const double start : {0.0, -3.0})
        EXPECT_EQ(frameAt(GetParam(), size, start), oldPicture(size)) << start;
    for (const double end : {1.0, 7.0})
        EXPECT_EQ(frameAt(GetParam(), size, end), newPicture(size)) << end;
    for (const double progress : {0.13, 0.5, 0.81})
        EXPECT_EQ(frameAt(GetParam(), size, progress, 3, 42), frameAt(GetParam(), size, progress, 3, 42))
            << progress;
    for (const auto& [given, valid] : std::initializer_list<std::pair<int, int>>{{0, 1}, {-40, 1}, {100000, 255}})
        EXPECT_EQ(frameAt(GetParam(), size, 0.4, given), frameAt(GetParam(), size, 0.4, valid)) << given;
}

// Odd sizes and grain extremes: under the sanitizer build any read or write outside
// the pictures fails here; every pixel of the frame must be written.
TEST_P(EveryEffect, WritesEveryPixelAtOddSizesAndGrainExtremes)
{
    for (const QSize size : {QSize(1, 1), QSize(3, 7), QSize(7, 3), QSize(641, 479)})
        for (const int grain : {1, 255, 0, 1000})
            for (const double progress : {0.001, 0.37, 0.5, 0.999}) {
                const QImage frame = frameAt(GetParam(), size, progress, grain);
                ASSERT_EQ(countUntouched(frame), 0)
                    << size.width() << "x" << size.height() << " grain " << grain << " at " << progress;
            }
}

// The pixels in which two frames of one size differ.
QRegion differingPixels(const QImage& a, const QImage& b)
{
    QRegion area;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width();) {
            const int start = x;
            while (x < a.width() && rowA[x] != rowB[x])
                ++x;
            if (x > start)
                area += QRect(start, y, x - start, 1);
            x += x == start ? 1 : 0;
        }
    }
    return area;
}

// A player keeps one frame, advances it and sleeps until the next change: each frame
// must be render()'s, the reported part must hold every pixel that changed, and
// nothing may change before the moment nextChange() gave.
TEST_P(EveryEffect, AdvancingKeepsRenderFramesReportsTheChangeAndSleepsOnlyWhileNothingChanges)
{
    const QSize size(97, 61);
    const auto& [older, newer] = picturesOfSize(size);
    for (const int grain : {1, 16}) {
        TransitionRenderer renderer({GetParam(), grain, 5, size});
        QImage kept = untouchedFrame(size);
        QImage before = kept.copy();
        double quietUntil = 0.0;
        for (int step = 0; step <= 64; ++step) {
            const double progress = step / 64.0;
            const QRegion changed = renderer.advance(older, newer, progress, kept);
            ASSERT_EQ(kept, frameAt(GetParam(), size, progress, grain, 5)) << "grain " << grain << " step " << step;
            const QRegion differs = differingPixels(before, kept);
            EXPECT_TRUE((differs - changed).isEmpty()) << "grain " << grain << " step " << step;
            if (progress < quietUntil) {
                EXPECT_TRUE(differs.isEmpty()) << "grain " << grain << " step " << step;
            }
            quietUntil = renderer.nextChange(progress);
            EXPECT_GE(quietUntil, progress);
            before = kept.copy();
        }
    }
}

// A dissolve on a large screen turns a few scattered blocks per frame: sending their
// bounding rectangle, the whole screen, would copy every pixel of every frame.
TEST(ScatteredChange, IsReportedAsTheBlocksThatTurnedNotTheirBoundingRectangle)
{
    const QSize size(800, 600);
    const auto& [older, newer] = picturesOfSize(size);
    TransitionRenderer renderer({39, 16, 5, size});
    QImage kept = untouchedFrame(size);
    renderer.advance(older, newer, 0.0, kept);
    int scattered = 0;
    for (int step = 1; step <= 64; ++step) {
        QImage before = kept.copy();
        const QRegion changed = renderer.advance(older, newer, step / 64.0, kept);
        const QRegion differs = differingPixels(before, kept);
        EXPECT_TRUE(changed.xored(differs).isEmpty() || changed == QRegion(differs.boundingRect()))
            << "step " << step;
        scattered += changed.rectCount() > 1 ? 1 : 0;
    }
    EXPECT_GT(scattered, 32);
}

TEST_P(RevealingEffect, ShowsOnlyPixelsOfTheTwoPicturesAndNeverTakesNewOnesBack)
{
    const QSize size(120, 90);
    const auto& [older, newer] = picturesOfSize(size);
    const TransitionRenderer renderer({GetParam(), 4, 3, size});
    QImage frame(size, QImage::Format_RGB32);
    int previous = 0;
    for (int step = 0; step <= 40; ++step) {
        renderer.render(older, newer, step / 40.0, frame);
        const int revealed = newPixels(frame, newer);
        EXPECT_GE(revealed, previous) << "at step " << step;
        previous = revealed;
        for (int y = 0; y < size.height(); y += 7)
            for (int x = 0; x < size.width(); x += 5)
                ASSERT_TRUE(frame.pixel(x, y) == older.pixel(x, y) || frame.pixel(x, y) == newer.pixel(x, y));
    }
    EXPECT_EQ(previous, size.width() * size.height());
}

INSTANTIATE_TEST_SUITE_P(Transitions, EveryEffect, ::testing::Range(1, 114), effectName);
INSTANTIATE_TEST_SUITE_P(Transitions, RevealingEffect, ::testing::ValuesIn(revealingEffects()),
                         effectName);

// The catalogue numbers its effects 1 to 113 in order and describes each once; halfway,
// every effect has left the old picture, not yet reached the new one, and looks like
// no other effect.
TEST(TransitionFrames, EveryEffectIsDescribedOnceAndLooksDifferentHalfway)
{
    const QSize size(96, 72);
    std::vector<QImage> halfway;
    std::set<std::string_view> descriptions;
    for (const EffectInfo& info : transitionEffects()) {
        ASSERT_EQ(info.number, static_cast<int>(halfway.size()) + 1);
        EXPECT_TRUE(descriptions.insert(info.description).second) << info.number;
        EXPECT_FALSE(info.grainUse.empty()) << info.number;
        EXPECT_EQ(transitionEffect(info.number), &info);
        EXPECT_TRUE(isTransitionImplemented(info.number));
        halfway.push_back(frameAt(info.number, size, 0.5, 4));
        EXPECT_NE(halfway.back(), oldPicture(size)) << info.number;
        EXPECT_NE(halfway.back(), newPicture(size)) << info.number;
    }
    ASSERT_EQ(halfway.size(), 113u);
    for (std::size_t a = 0; a < halfway.size(); ++a)
        for (std::size_t b = a + 1; b < halfway.size(); ++b)
            EXPECT_NE(halfway[a], halfway[b]) << "effects " << a + 1 << " and " << b + 1;
}

// The grain is the step of a wipe's or slide's edge.
TEST(TransitionFrames, EdgesMoveInWholeGrains)
{
    const QSize size(200, 100);
    const auto& [older, newer] = picturesOfSize(size);
    for (const int grain : {1, 6, 16})
        for (const double progress : {0.11, 0.5, 0.73}) {
            const QImage wiped = frameAt(1, size, progress, grain);
            int edge = 0;
            while (edge < size.width() && wiped.pixel(edge, 50) == newer.pixel(edge, 50))
                ++edge;
            EXPECT_EQ(edge % grain, 0) << "grain " << grain << " at " << progress;
            EXPECT_NEAR(edge, progress * size.width(), grain);

            const QImage slid = frameAt(10, size, progress, grain);
            int covered = 0;
            while (covered < size.height() && slid.pixel(0, covered) != older.pixel(0, covered))
                ++covered;
            EXPECT_EQ(covered % grain, 0) << "grain " << grain << " at " << progress;
            EXPECT_EQ(slid.pixel(0, covered - 1), newer.pixel(0, size.height() - 1));
        }
}

// Pictures of the wrong size or layout, unknown effects, empty sizes and a moved-from
// renderer draw nothing or plainly cut from one picture to the other.
TEST(TransitionFrames, OddRequestsAreHarmless)
{
    const QSize size(32, 24);
    const TransitionRenderer renderer({1, 1, 0, size});
    QImage out = untouchedFrame(size);
    renderer.render(oldPicture(QSize(31, 24)), newPicture(size), 0.5, out);
    renderer.render(oldPicture(size), newPicture(size).convertToFormat(QImage::Format_RGB16), 0.5, out);
    renderer.render(oldPicture(size), newPicture(size).convertToFormat(QImage::Format_RGBA8888), 0.5, out);
    EXPECT_EQ(countUntouched(out), size.width() * size.height());
    QImage tooTall = untouchedFrame(QSize(32, 25));
    renderer.render(oldPicture(size), newPicture(size), 0.5, tooTall);
    EXPECT_EQ(countUntouched(tooTall), tooTall.width() * tooTall.height());
    QImage nothing;
    renderer.render(oldPicture(size), newPicture(size), 0.5, nothing);
    TransitionRenderer({1, 1, 0, QSize(0, 0)}).render(QImage(), QImage(), 0.5, nothing);
    EXPECT_TRUE(nothing.isNull());

    for (const int effect : {0, -5, 114, 9999}) {
        EXPECT_EQ(transitionEffect(effect), nullptr) << effect;
        EXPECT_FALSE(isTransitionImplemented(effect)) << effect;
        EXPECT_EQ(frameAt(effect, size, 0.5), oldPicture(size)) << effect;
        EXPECT_EQ(frameAt(effect, size, 1.0), newPicture(size)) << effect;
    }
    TransitionRenderer original({3, 1, 0, size});
    TransitionRenderer moved(std::move(original));
    out = untouchedFrame(size);
    original.render(oldPicture(size), newPicture(size), 0.5, out); // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(countUntouched(out), size.width() * size.height());
    moved.render(oldPicture(size), newPicture(size), 0.5, out);
    EXPECT_EQ(countUntouched(out), 0);
}

TEST(TransitionFrames, DifferentSeedsScatterDifferently)
{
    const QSize size(64, 64);
    for (const int effect : {33, 39, 60, 64}) {
        EXPECT_NE(frameAt(effect, size, 0.5, 4, 1), frameAt(effect, size, 0.5, 4, 2)) << effect;
    }
}

// A frame as large as a hostile settings value could ask for must not make the
// table of thresholds larger than the grid's limit.
TEST(ThresholdGrid, GrowsItsCellsRatherThanItsTableOnHugeFrames)
{
    using transitions::ThresholdGrid;
    const transitions::ThresholdFn random = [](const transitions::CellSample& c) { return c.random; };
    for (const QSize size : {QSize(16384, 16384), QSize(16384, 1), QSize(1, 16384)}) {
        const ThresholdGrid grid(random, {1, 1}, 1, 0, size);
        const std::int64_t columns = (size.width() + grid.cellWidth() - 1) / grid.cellWidth();
        const std::int64_t rows = (size.height() + grid.cellHeight() - 1) / grid.cellHeight();
        EXPECT_LE(columns * rows, ThresholdGrid::kMaxCells) << size.width() << "x" << size.height();
    }
    EXPECT_EQ(ThresholdGrid(random, {1, 1}, 1, 0, QSize(1920, 1080)).cellWidth(), 1)
        << "a full-HD frame still gets single-pixel cells";
}

} // namespace
} // namespace qv
