#include "components/transitions/row_splitter.h"
#include "components/transitions/transition_renderer.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace qv {
namespace {

// Many frames in a row: a lost wake-up hangs here, a race on the hand-over leaves
// rows composed twice or not at all.
TEST(RowSplitter, ComposesEveryRowExactlyOnceFrameAfterFrame)
{
    transitions::RowSplitter splitter;
    for (const int rows : {0, 1, 2, 7, 1080}) {
        for (int frame = 0; frame < 200; ++frame) {
            std::vector<std::atomic<int>> composed(static_cast<std::size_t>(rows));
            splitter.run(rows, [&](int firstRow, int endRow) {
                for (int y = firstRow; y < endRow; ++y)
                    composed[static_cast<std::size_t>(y)].fetch_add(1);
            });
            for (int y = 0; y < rows; ++y)
                ASSERT_EQ(composed[static_cast<std::size_t>(y)].load(), 1)
                    << "row " << y << " of " << rows << " in frame " << frame;
        }
    }
}

// Large enough for turns and moves to compose on two threads: the frame is whole,
// made only of the two pictures and black, and the same every time.
TEST(RowSplitter, FramesComposedOnTwoThreadsAreWholeAndRepeatable)
{
    const QSize size(2560, 1600);
    const QImage older = test::oldPicture(size);
    const QImage newer = test::newPicture(size);
    for (const int effect : {82, 83, 48, 84}) {
        const TransitionRenderer renderer({effect, 20, 1, size});
        for (const double progress : {0.2, 0.5, 0.9}) {
            QImage first = test::untouchedFrame(size);
            renderer.render(older, newer, progress, first);
            ASSERT_EQ(test::countUntouched(first), 0) << effect << " at " << progress;
            QImage second = test::untouchedFrame(size);
            renderer.render(older, newer, progress, second);
            EXPECT_EQ(first, second) << effect << " at " << progress;
            if (effect != 82 && effect != 83)
                continue;
            // Where the faces leave the screen the rows above and below the middle
            // line are black in equal numbers, whichever thread drew them.
            for (const int x : {1, size.width() / 3, size.width() - 2}) {
                int blackAbove = 0;
                int blackBelow = 0;
                for (int y = 0; y < size.height() / 2; ++y) {
                    blackAbove += first.pixel(x, y) == 0xff000000u ? 1 : 0;
                    blackBelow += first.pixel(x, size.height() - 1 - y) == 0xff000000u ? 1 : 0;
                }
                EXPECT_NEAR(blackAbove, blackBelow, 1) << effect << " at " << progress << " column " << x;
            }
        }
    }
}

} // namespace
} // namespace qv
