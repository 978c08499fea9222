#include "components/transitions/column_turn.h"

namespace qv::transitions {

ColumnTurn::ColumnTurn(ColumnPlanner planner, int grain, QSize size)
    : planner_(planner), grain_(grain), size_(size),
      columns_(static_cast<std::size_t>(std::max(size.width(), 0))),
      sourceColumns_(columns_.size())
{
}

void ColumnTurn::placeColumns(double progress) const
{
    const MoveFrame frame{size_.width(), size_.height(), grain_, progress};
    for (int x = 0; x < size_.width(); ++x) {
        const ColumnPlacement placed = planner_(frame, x);
        Column& column = columns_[static_cast<std::size_t>(x)];
        if (!placed.visible || placed.height <= 0) {
            column = Column{};
            sourceColumns_[static_cast<std::size_t>(x)] = 0;
            continue;
        }
        column.top = placed.top;
        column.height = placed.height;
        column.rowStep = static_cast<std::uint32_t>((std::int64_t{size_.height()} << 16) / placed.height);
        column.srcX = std::clamp(placed.srcX, 0, size_.width() - 1);
        column.source = placed.source;
        sourceColumns_[static_cast<std::size_t>(x)] = column.srcX;
    }
}

namespace {

// Source row of output row y in a placed column, 16.16 fixed point.
std::int64_t sourceRowFixed(int y, std::int32_t top, std::uint32_t rowStep)
{
    return std::int64_t{y - top} * rowStep + rowStep / 2;
}

} // namespace

void ColumnTurn::composeRows(const FramePixels& frame, int firstRow, int endRow) const
{
    for (int y = firstRow; y < endRow; ++y)
        composeRow(frame, y);
}

void ColumnTurn::composeRow(const FramePixels& frame, int y) const
{
    // Within a face the source row changes slowly along an output row. A run of
    // columns whose ends read rows at most one apart is read from the one row found
    // at its middle, as a plain gather along that row: per-pixel rows cost several
    // times as much at 4K. Runs start long and are halved where the row changes
    // faster or the face's edge lies inside them.
    constexpr int longestRun = 64;
    constexpr int shortestRun = 8;
    const std::int64_t lastRow = std::int64_t{frame.height - 1} << 16;
    const auto visible = [y](const Column& column) {
        return column.height > 0 && y >= column.top && y < column.top + column.height;
    };
    const auto rowOf = [&](const Column& column) {
        return static_cast<int>(std::min(sourceRowFixed(y, column.top, column.rowStep), lastRow) >> 16);
    };
    Pixel* out = frame.outRow(y);
    int x = 0;
    while (x < frame.width) {
        const Column& first = columns_[static_cast<std::size_t>(x)];
        int end = std::min(x + longestRun, frame.width);
        while (end - 1 > x && columns_[static_cast<std::size_t>(end - 1)].source != first.source)
            --end;
        const uchar* base = first.source == Source::From ? frame.from : frame.to;
        const qsizetype stride = first.source == Source::From ? frame.fromStride : frame.toStride;
        for (;;) {
            const Column& last = columns_[static_cast<std::size_t>(end - 1)];
            const bool bothShow = visible(first) && visible(last);
            const bool settled = end - x <= shortestRun
                              || (bothShow && std::abs(rowOf(last) - rowOf(first)) <= 1);
            if (!settled) {
                end = x + (end - x) / 2;
                continue;
            }
            if (bothShow) {
                // A face's visible part of a row is one run, so the whole run shows.
                const auto* row = reinterpret_cast<const Pixel*>(
                    base + stride * rowOf(columns_[static_cast<std::size_t>((x + end) / 2)]));
                // Source columns advance evenly along a face: step through them
                // rather than look each one up.
                const std::int32_t firstX = sourceColumns_[static_cast<std::size_t>(x)];
                const std::int32_t lastX = sourceColumns_[static_cast<std::size_t>(end - 1)];
                const std::int64_t step = end - 1 > x ? ((std::int64_t{lastX - firstX} << 16) / (end - 1 - x)) : 0;
                std::int64_t position = (std::int64_t{firstX} << 16) + (1 << 15);
                for (int i = x; i < end; ++i, position += step)
                    out[i] = row[position >> 16];
            } else {
                for (int i = x; i < end; ++i) {
                    const Column& column = columns_[static_cast<std::size_t>(i)];
                    if (!visible(column) || column.source != first.source) {
                        out[i] = kBlack;
                        continue;
                    }
                    const auto* row = reinterpret_cast<const Pixel*>(base + stride * rowOf(column));
                    out[i] = row[column.srcX];
                }
            }
            break;
        }
        x = end;
    }
}

} // namespace qv::transitions
