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
    // The two faces meet where the source picture changes.
    faceSplit_ = std::min(1, size_.width());
    while (faceSplit_ < size_.width()
           && columns_[static_cast<std::size_t>(faceSplit_)].source == columns_.front().source)
        ++faceSplit_;
}

namespace {

// Source row of output row y in a placed column, 16.16 fixed point.
std::int64_t sourceRowFixed(int y, std::int32_t top, std::uint32_t rowStep)
{
    return std::int64_t{y - top} * rowStep + rowStep / 2;
}

// The inner loop of a turn, apart so the compiler knows the three arrays are distinct.
void gatherRun(Pixel* __restrict out, const Pixel* __restrict row,
               const std::int32_t* __restrict columns, int count)
{
    for (int i = 0; i < count; ++i)
        out[i] = row[columns[i]];
}

} // namespace

void ColumnTurn::composeRows(const FramePixels& frame, int firstRow, int endRow) const
{
    for (int y = firstRow; y < endRow; ++y)
        composeRow(frame, y);
}

void ColumnTurn::composeRow(const FramePixels& frame, int y) const
{
    Pixel* out = frame.outRow(y);
    composeFace(frame, y, 0, faceSplit_, out);
    if (faceSplit_ < frame.width)
        composeFace(frame, y, faceSplit_, frame.width, out);
}

void ColumnTurn::composeFace(const FramePixels& frame, int y, int begin, int end, Pixel* out) const
{
    const auto visible = [&](int x) {
        const Column& column = columns_[static_cast<std::size_t>(x)];
        return column.height > 0 && y >= column.top && y < column.top + column.height;
    };
    // Faces shrink towards their far edge, centred on the same line, so the columns
    // showing this row are one run starting at the near (taller) edge.
    const bool nearIsLeft = columns_[static_cast<std::size_t>(begin)].height
                         >= columns_[static_cast<std::size_t>(end - 1)].height;
    const int near = nearIsLeft ? begin : end - 1;
    int shownBegin = begin;
    int shownEnd = begin; // empty
    if (visible(near)) {
        // Binary search for the last showing column going away from the near edge.
        int inside = near;
        int outside = nearIsLeft ? end : begin - 1;
        while (std::abs(outside - inside) > 1) {
            const int middle = inside + (outside - inside) / 2;
            (visible(middle) ? inside : outside) = middle;
        }
        shownBegin = nearIsLeft ? begin : inside;
        shownEnd = nearIsLeft ? inside + 1 : end;
    }
    fillPixels(out + begin, shownBegin - begin, kBlack);
    fillPixels(out + shownEnd, end - shownEnd, kBlack);
    if (shownEnd <= shownBegin)
        return;

    // The source row changes slowly along the row: runs short enough to move at
    // most about a row are read from the row found at their middle, as plain
    // gathers along one source row, which per-pixel rows would make several times
    // dearer at 4K.
    const std::int64_t lastRow = std::int64_t{frame.height - 1} << 16;
    const auto rowOf = [&](int x) {
        const Column& column = columns_[static_cast<std::size_t>(x)];
        return static_cast<int>(std::min(sourceRowFixed(y, column.top, column.rowStep), lastRow) >> 16);
    };
    const int rowsCrossed = std::abs(rowOf(shownEnd - 1) - rowOf(shownBegin)) + 1;
    const int run = std::clamp((shownEnd - shownBegin) / rowsCrossed, 4, 256);
    const Column& any = columns_[static_cast<std::size_t>(shownBegin)];
    const uchar* base = any.source == Source::From ? frame.from : frame.to;
    const qsizetype stride = any.source == Source::From ? frame.fromStride : frame.toStride;
    const std::int32_t* srcX = sourceColumns_.data();
    for (int x = shownBegin; x < shownEnd; x += run) {
        const int runEnd = std::min(x + run, shownEnd);
        const auto* row = reinterpret_cast<const Pixel*>(base + stride * rowOf((x + runEnd) / 2));
        gatherRun(out + x, row, srcX + x, runEnd - x);
    }
}

} // namespace qv::transitions
