#include "components/transitions/threshold_grid.h"

#include <gtest/gtest.h>

namespace qv::transitions {
namespace {

// A frame as large as a hostile settings value could ask for must not make the
// table of thresholds larger than the grid's limit.
TEST(ThresholdGrid, GrowsItsCellsRatherThanItsTableOnHugeFrames)
{
    const ThresholdFn random = [](const CellSample& c) { return c.random; };
    for (const QSize size : {QSize(16384, 16384), QSize(16384, 1), QSize(1, 16384)}) {
        const ThresholdGrid grid(random, {1, 1}, 1, 0, size);
        const std::int64_t columns = (size.width() + grid.cellWidth() - 1) / grid.cellWidth();
        const std::int64_t rows = (size.height() + grid.cellHeight() - 1) / grid.cellHeight();
        EXPECT_LE(columns * rows, ThresholdGrid::kMaxCells) << size.width() << "x" << size.height();
    }
    const ThresholdGrid fullHd(random, {1, 1}, 1, 0, QSize(1920, 1080));
    EXPECT_EQ(fullHd.cellWidth(), 1) << "a full-HD frame still gets single-pixel cells";
}

} // namespace
} // namespace qv::transitions
