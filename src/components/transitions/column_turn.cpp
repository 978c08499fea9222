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

void ColumnTurn::composeRows(const FramePixels& frame, int firstRow, int endRow) const
{
    const int lastSourceRow = frame.height - 1;
    for (int y = firstRow; y < endRow; ++y) {
        Pixel* out = frame.outRow(y);
        for (int x = 0; x < frame.width; ++x) {
            const Column& column = columns_[static_cast<std::size_t>(x)];
            const int offset = y - column.top;
            if (offset < 0 || offset >= column.height) {
                out[x] = kBlack;
                continue;
            }
            const auto srcRow = std::min(static_cast<int>((std::int64_t{offset} * column.rowStep + column.rowStep / 2) >> 16), lastSourceRow);
            const Pixel* row = column.source == Source::From ? frame.fromRow(srcRow) : frame.toRow(srcRow);
            out[x] = row[column.srcX];
        }
    }
}

} // namespace qv::transitions
