#include "components/transitions/column_turn.h"

namespace qv::transitions {

ColumnTurn::ColumnTurn(ColumnPlanner planner, int grain, QSize size)
    : planner_(planner), grain_(grain), size_(size),
      columns_(static_cast<std::size_t>(std::max(size.width(), 0)))
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
            continue;
        }
        column.top = placed.top;
        column.height = placed.height;
        column.rowStep = static_cast<std::uint32_t>((std::int64_t{size_.height()} << 16) / placed.height);
        column.srcX = std::clamp(placed.srcX, 0, size_.width() - 1);
        column.source = placed.source;
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
    // Within a face the source row changes slowly along an output row. Reading each
    // short chunk from the one row found at its middle keeps the reads on whole cache
    // lines (a per-pixel row costs ten times as much at 4K); the steps this leaves
    // are at most a row or two high, on a face that is moving anyway.
    constexpr int chunk = 8;
    const std::int64_t lastRow = std::int64_t{frame.height - 1} << 16;
    const auto visible = [y](const Column& column) {
        return column.height > 0 && y >= column.top && y < column.top + column.height;
    };
    Pixel* out = frame.outRow(y);
    const int right = frame.width;
    int x = 0;
    while (x < right) {
        const Column& first = columns_[static_cast<std::size_t>(x)];
        int end = std::min(x + chunk, right);
        while (end - 1 > x && columns_[static_cast<std::size_t>(end - 1)].source != first.source)
            --end;
        const Column& last = columns_[static_cast<std::size_t>(end - 1)];
        const uchar* base = first.source == Source::From ? frame.from : frame.to;
        const qsizetype stride = first.source == Source::From ? frame.fromStride : frame.toStride;
        if (end - x > 1 && visible(first) && visible(last)) {
            // A face's visible part of a row is one run, so the whole chunk shows.
            const Column& middle = columns_[static_cast<std::size_t>((x + end) / 2)];
            const std::int64_t position = std::min(sourceRowFixed(y, middle.top, middle.rowStep), lastRow);
            const auto* row = reinterpret_cast<const Pixel*>(base + stride * (position >> 16));
            for (int i = x; i < end; ++i)
                out[i] = row[columns_[static_cast<std::size_t>(i)].srcX];
        } else {
            for (int i = x; i < end; ++i) {
                const Column& column = columns_[static_cast<std::size_t>(i)];
                if (!visible(column) || column.source != first.source) {
                    out[i] = kBlack;
                    continue;
                }
                const std::int64_t position = std::min(sourceRowFixed(y, column.top, column.rowStep), lastRow);
                const auto* row = reinterpret_cast<const Pixel*>(base + stride * (position >> 16));
                out[i] = row[column.srcX];
            }
        }
        x = end;
    }
}

} // namespace qv::transitions
