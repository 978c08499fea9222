#include "components/transitions/threshold_grid.h"

#include "components/transitions/seeded_random.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace qv::transitions {

namespace {

int cellExtent(int units, int grain, int frameExtent)
{
    if (units <= 0)
        return std::max(frameExtent, 1);
    return std::clamp(units * grain, 1, std::max(frameExtent, 1));
}

std::uint16_t quantise(double threshold)
{
    if (!(threshold > 0)) // also catches NaN
        return 0;
    return static_cast<std::uint16_t>(std::min(threshold * 65536.0, 65535.0));
}

std::uint64_t hashRuns(const std::uint16_t* thresholds, const std::int32_t* ends, std::size_t count)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (std::size_t i = 0; i < count; ++i) {
        hash = (hash ^ thresholds[i]) * 1099511628211ull;
        hash = (hash ^ static_cast<std::uint32_t>(ends[i])) * 1099511628211ull;
    }
    return hash;
}

} // namespace

ThresholdGrid::ThresholdGrid(ThresholdFn threshold, CellUnits units, int grain,
                             std::uint32_t seed, QSize size)
    : width_(std::max(size.width(), 0)), height_(std::max(size.height(), 0))
{
    if (width_ == 0 || height_ == 0)
        return;
    cellWidth_ = cellExtent(units.across, grain, width_);
    cellHeight_ = cellExtent(units.down, grain, height_);
    // A huge frame at grain 1 would need a table larger than the frame itself: grow
    // the cells instead, keeping their shape.
    for (;;) {
        const std::int64_t columns = (width_ + cellWidth_ - 1) / cellWidth_;
        const std::int64_t rows = (height_ + cellHeight_ - 1) / cellHeight_;
        if (columns * rows <= kMaxCells)
            break;
        if (cellWidth_ < width_)
            cellWidth_ = std::min(cellWidth_ * 2, width_);
        if (cellHeight_ < height_)
            cellHeight_ = std::min(cellHeight_ * 2, height_);
    }
    const int columns = (width_ + cellWidth_ - 1) / cellWidth_;
    const int rows = (height_ + cellHeight_ - 1) / cellHeight_;

    CellSample cell;
    cell.width = width_;
    cell.height = height_;
    cell.columns = columns;
    cell.rows = rows;
    cell.grain = grain;
    cell.seedPhase = seededUnit(seed, 0x5eed, 0x5eed);

    std::vector<std::uint16_t> cellThresholds(static_cast<std::size_t>(columns));
    std::vector<double> columnRandom(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c)
        columnRandom[static_cast<std::size_t>(c)] = seededUnit(seed, static_cast<std::uint64_t>(c), 0xc01);

    std::vector<std::uint16_t> runThresholds;
    std::vector<std::int32_t> runEnds;
    std::unordered_map<std::uint64_t, std::vector<std::int32_t>> patternsByHash;
    patternRunBegin_.push_back(0);
    patternOfCellRow_.reserve(static_cast<std::size_t>(rows));

    for (int r = 0; r < rows; ++r) {
        cell.row = r;
        const int top = r * cellHeight_;
        cell.y = (top + std::min(top + cellHeight_, height_)) / 2.0;
        cell.v = cell.y / height_;
        cell.rowRandom = seededUnit(seed, 0xa0a, static_cast<std::uint64_t>(r));
        for (int c = 0; c < columns; ++c) {
            const int left = c * cellWidth_;
            cell.column = c;
            cell.x = (left + std::min(left + cellWidth_, width_)) / 2.0;
            cell.u = cell.x / width_;
            cell.random = seededUnit(seed, static_cast<std::uint64_t>(c), static_cast<std::uint64_t>(r) + 1);
            cell.columnRandom = columnRandom[static_cast<std::size_t>(c)];
            cellThresholds[static_cast<std::size_t>(c)] = quantise(threshold(cell));
        }
        // Neighbouring cells with one threshold form one run.
        runThresholds.clear();
        runEnds.clear();
        for (int c = 0; c < columns; ++c) {
            const std::uint16_t value = cellThresholds[static_cast<std::size_t>(c)];
            const std::int32_t end = std::min((c + 1) * cellWidth_, width_);
            if (!runThresholds.empty() && runThresholds.back() == value)
                runEnds.back() = end;
            else {
                runThresholds.push_back(value);
                runEnds.push_back(end);
            }
        }
        const std::uint64_t hash = hashRuns(runThresholds.data(), runEnds.data(), runEnds.size());
        std::int32_t pattern = -1;
        for (const std::int32_t candidate : patternsByHash[hash]) {
            const auto begin = static_cast<std::size_t>(patternRunBegin_[static_cast<std::size_t>(candidate)]);
            const auto end = static_cast<std::size_t>(patternRunBegin_[static_cast<std::size_t>(candidate) + 1]);
            if (end - begin != runEnds.size())
                continue;
            bool same = true;
            for (std::size_t i = 0; i < runEnds.size() && same; ++i)
                same = runs_[begin + i].threshold == runThresholds[i] && runs_[begin + i].end == runEnds[i];
            if (same) {
                pattern = candidate;
                break;
            }
        }
        if (pattern < 0) {
            pattern = static_cast<std::int32_t>(patternRunBegin_.size() - 1);
            for (std::size_t i = 0; i < runEnds.size(); ++i)
                runs_.push_back({runThresholds[i], runEnds[i]});
            patternRunBegin_.push_back(static_cast<std::int32_t>(runs_.size()));
            patternsByHash[hash].push_back(pattern);
        }
        patternOfCellRow_.push_back(pattern);
    }
    const std::size_t patterns = patternRunBegin_.size() - 1;
    // A pattern of n runs splits into at most n spans.
    spanEnds_.resize(runs_.size());
    spanEndCount_.resize(patterns);
    startsNew_.resize(patterns);
    turning_.resize(2 * runs_.size());
    turningBegin_.resize(patterns + 1);
    thresholds_.reserve(runs_.size());
    for (const Run& run : runs_)
        thresholds_.push_back(run.threshold);
    std::sort(thresholds_.begin(), thresholds_.end());
    thresholds_.erase(std::unique(thresholds_.begin(), thresholds_.end()), thresholds_.end());
}

std::uint32_t ThresholdGrid::nextTurn(std::uint32_t progress) const
{
    // A cell is new once the progress is above its threshold.
    const auto next = std::lower_bound(thresholds_.begin(), thresholds_.end(), progress);
    return next == thresholds_.end() ? 65537u : std::uint32_t{*next} + 1u;
}

QRegion ThresholdGrid::composeTurning(const FramePixels& frame, std::uint32_t drawn, std::uint32_t progress) const
{
    const std::size_t patterns = spanEndCount_.size();
    // Per pattern, the column spans of the cells that turn in between; neighbouring
    // turning runs are joined, so a span never abuts the next.
    std::size_t spanCount = 0;
    for (std::size_t k = 0; k < patterns; ++k) {
        turningBegin_[k] = static_cast<std::int32_t>(spanCount);
        std::int32_t left = 0;
        for (auto i = static_cast<std::size_t>(patternRunBegin_[k]); i < static_cast<std::size_t>(patternRunBegin_[k + 1]); ++i) {
            const std::uint32_t threshold = runs_[i].threshold;
            if (threshold >= drawn && threshold < progress) {
                if (spanCount > static_cast<std::size_t>(turningBegin_[k]) && turning_[2 * spanCount - 1] == left)
                    turning_[2 * spanCount - 1] = runs_[i].end;
                else {
                    turning_[2 * spanCount] = left;
                    turning_[2 * spanCount + 1] = runs_[i].end;
                    ++spanCount;
                }
            }
            left = runs_[i].end;
        }
    }
    turningBegin_[patterns] = static_cast<std::int32_t>(spanCount);
    for (int y = 0; y < height_; ++y) {
        const auto pattern = static_cast<std::size_t>(patternOfCellRow_[static_cast<std::size_t>(y / cellHeight_)]);
        const Pixel* newRow = frame.toRow(y);
        Pixel* out = frame.outRow(y);
        for (auto s = static_cast<std::size_t>(turningBegin_[pattern]); s < static_cast<std::size_t>(turningBegin_[pattern + 1]); ++s)
            copyPixels(out + turning_[2 * s], newRow + turning_[2 * s], turning_[2 * s + 1] - turning_[2 * s]);
    }
    return changedRegion();
}

QRegion ThresholdGrid::changedRegion() const
{
    // Neighbouring cell rows of one pattern change alike and make one band of
    // rectangles: the bands come top to bottom, each left to right, as QRegion keeps them.
    changedRects_.clear();
    std::int64_t changedArea = 0;
    QRect bounding;
    const auto cellRows = static_cast<int>(patternOfCellRow_.size());
    for (int row = 0; row < cellRows;) {
        const std::int32_t pattern = patternOfCellRow_[static_cast<std::size_t>(row)];
        int endRow = row + 1;
        while (endRow < cellRows && patternOfCellRow_[static_cast<std::size_t>(endRow)] == pattern)
            ++endRow;
        const int top = row * cellHeight_;
        const int bandHeight = std::min(endRow * cellHeight_, height_) - top;
        const auto k = static_cast<std::size_t>(pattern);
        for (auto s = static_cast<std::size_t>(turningBegin_[k]); s < static_cast<std::size_t>(turningBegin_[k + 1]); ++s) {
            const QRect rect(turning_[2 * s], top, turning_[2 * s + 1] - turning_[2 * s], bandHeight);
            changedRects_.push_back(rect);
            changedArea += std::int64_t{rect.width()} * rect.height();
            bounding |= rect;
        }
        row = endRow;
    }
    if (changedRects_.empty())
        return {};
    // Every rectangle costs the painter and the display a request of its own: a
    // dissolve's few scattered cells are worth sending one by one, a crowd of them
    // or a nearly solid block are cheaper as their bounding rectangle.
    const auto rects = static_cast<std::int64_t>(changedRects_.size());
    const std::int64_t boundingArea = std::int64_t{bounding.width()} * bounding.height();
    if (rects > kMostChangedRects || changedArea + rects * kPixelsPerRect >= boundingArea)
        return bounding;
    QRegion region;
    region.setRects(changedRects_.data(), static_cast<int>(rects));
    return region;
}

void ThresholdGrid::prepareSpans(std::uint32_t progress) const
{
    const std::size_t patterns = spanEndCount_.size();
    for (std::size_t k = 0; k < patterns; ++k) {
        const auto begin = static_cast<std::size_t>(patternRunBegin_[k]);
        const auto end = static_cast<std::size_t>(patternRunBegin_[k + 1]);
        bool state = runs_[begin].threshold < progress;
        startsNew_[k] = state;
        std::int32_t* spans = spanEnds_.data() + begin;
        std::int32_t count = 0;
        // Without branches: scattered patterns flip at random and would defeat the
        // branch predictor. A flip at run i ends the span at run i - 1's end.
        for (std::size_t i = begin + 1; i < end; ++i) {
            const bool isNew = runs_[i].threshold < progress;
            spans[count] = runs_[i - 1].end;
            count += isNew != state ? 1 : 0;
            state = isNew;
        }
        spans[count++] = width_;
        spanEndCount_[k] = count;
    }
}

void ThresholdGrid::composeRows(const FramePixels& frame, int firstRow, int endRow) const
{
    for (int y = firstRow; y < endRow; ++y) {
        const auto pattern = static_cast<std::size_t>(patternOfCellRow_[static_cast<std::size_t>(y / cellHeight_)]);
        const std::int32_t* spans = spanEnds_.data() + patternRunBegin_[pattern];
        const std::int32_t count = spanEndCount_[pattern];
        bool isNew = startsNew_[pattern] != 0;
        const Pixel* oldRow = frame.fromRow(y);
        const Pixel* newRow = frame.toRow(y);
        Pixel* out = frame.outRow(y);
        std::int32_t x = 0;
        for (std::int32_t i = 0; i < count; ++i) {
            const std::int32_t end = spans[i];
            copyPixels(out + x, (isNew ? newRow : oldRow) + x, end - x);
            x = end;
            isNew = !isNew;
        }
    }
}

} // namespace qv::transitions
