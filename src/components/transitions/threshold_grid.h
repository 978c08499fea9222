#pragma once

#include "components/transitions/effect_recipe.h"

#include <QRect>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <vector>

namespace qv::transitions {

// The frame cut into cells, each with the progress at which it turns new. Rows of
// cells with the same thresholds share one run list, so a wipe keeps a single list
// for the whole frame. Per frame the runs become spans of "old" and "new", and each
// pixel row is composed by span copies.
class ThresholdGrid {
public:
    // Grids stay below this many cells; finer requests get larger cells.
    static constexpr std::int64_t kMaxCells = std::int64_t{1} << 21;

    ThresholdGrid(ThresholdFn threshold, CellUnits units, int grain, std::uint32_t seed,
                  QSize size);

    // Rows [firstRow, endRow) of the frame at `progress` (0..65536). spansFor()
    // must have run for this progress first.
    void prepareSpans(std::uint32_t progress) const;
    void composeRows(const FramePixels& frame, int firstRow, int endRow) const;

    // Brings a frame composed at progress `drawn` to `progress` (drawn <= progress):
    // copies from the new picture only the cells that turn in between, and returns
    // the part of the frame they cover (empty when none turns): the cells themselves
    // while they are few, else their bounding rectangle.
    QRegion composeTurning(const FramePixels& frame, std::uint32_t drawn, std::uint32_t progress) const;
    // The least progress above `progress` at which some cell turns; above 65536 when
    // none is left.
    std::uint32_t nextTurn(std::uint32_t progress) const;

    int cellWidth() const { return cellWidth_; }
    int cellHeight() const { return cellHeight_; }

private:
    struct Run {
        std::uint16_t threshold;
        std::int32_t end; // one past the run's last pixel column
    };

    // Past this many rectangles, or when they cover nearly as much as their bounding
    // rectangle, a change is reported as that rectangle. Painting and sending one
    // rectangle of a region cost about as much as copying 4,000 pixels more (at
    // 3840x2160 under X11: 6 us per 16x16 cell against 13 ms for the whole screen).
    static constexpr std::int64_t kMostChangedRects = 1024;
    static constexpr std::int64_t kPixelsPerRect = 4096;

    QRegion changedRegion() const; // of the spans composeTurning() found

    int width_ = 0;
    int height_ = 0;
    int cellWidth_ = 1;
    int cellHeight_ = 1;
    std::vector<Run> runs_;
    std::vector<std::int32_t> patternRunBegin_; // pattern k: runs_[begin[k], begin[k+1])
    std::vector<std::int32_t> patternOfCellRow_;
    std::vector<std::uint16_t> thresholds_; // every threshold in use, ascending

    // Per-frame working tables, sized once here.
    mutable std::vector<std::int32_t> spanEnds_;     // per pattern: ends of alternating spans
    mutable std::vector<std::int32_t> spanEndCount_; // per pattern
    mutable std::vector<std::uint8_t> startsNew_;    // per pattern: first span is new
    mutable std::vector<std::int32_t> turning_;      // begin, end of each turning span
    mutable std::vector<std::int32_t> turningBegin_; // per pattern: its first span in turning_
    mutable std::vector<QRect> changedRects_;
};

} // namespace qv::transitions
