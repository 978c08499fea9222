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

// Far enough ahead for the lines to arrive before they are read, near enough for
// them to still be in the first-level cache then (measured best at 4K).
constexpr int kPrefetchRows = 2;

// Source row of output row y in a placed column, 16.16 fixed point.
std::int64_t sourceRowFixed(int y, std::int32_t top, std::uint32_t rowStep)
{
    return std::int64_t{y - top} * rowStep + rowStep / 2;
}

// Reads the shown part of one output row of a face in runs, each from one source
// row, and asks for the pixels the same columns will want a few rows further down.
template <typename RowAt>
struct RunReader {
    const uchar* base;
    qsizetype stride;
    const std::int32_t* srcX;
    Pixel* out;
    int y;
    RowAt rowAt;

    const Pixel* row(int sourceRow) const
    {
        return reinterpret_cast<const Pixel*>(base + stride * sourceRow);
    }

    // Whole runs of N from `begin`; returns where they stopped.
    template <int N>
    int runsOf(int begin, int end) const
    {
        int x = begin;
        for (; x + N <= end; x += N) {
            const int middle = x + N / 2;
            gather<N>(row(rowAt(middle, y)), row(rowAt(middle, y + kPrefetchRows)), x);
        }
        return x;
    }

    void lastRun(int begin, int end) const
    {
        if (begin >= end)
            return;
        const int middle = (begin + end) / 2;
        const Pixel* from = row(rowAt(middle, y));
        for (int x = begin; x < end; ++x)
            out[x] = from[srcX[x]];
    }

private:
    // Every fourth column is enough to touch each line ahead while a face is
    // squeezed to no less than a quarter; narrower faces have few pixels to miss.
    template <int N>
    void gather(const Pixel* __restrict from, const Pixel* ahead, int x) const
    {
        const std::int32_t* __restrict columns = srcX + x;
        Pixel* __restrict target = out + x;
        for (int i = 0; i < N; ++i)
            target[i] = from[columns[i]];
        for (int i = 0; i < N; i += 4)
            __builtin_prefetch(ahead + columns[i]);
        __builtin_prefetch(ahead + columns[N - 1]);
    }
};

template <typename RowAt>
RunReader(const uchar*, qsizetype, const std::int32_t*, Pixel*, int, RowAt) -> RunReader<RowAt>;

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

    // The source row changes slowly along the row: each run of columns is read from
    // the row found at its middle, as plain gathers along one source row. A run may
    // cross up to two source rows, so it is off by at most one row, which no eye
    // finds in a turning face; per-pixel rows would cost several times as much at 4K.
    const std::int64_t lastRow = std::int64_t{frame.height - 1} << 16;
    const auto rowAt = [&](int x, int outRow) {
        const Column& column = columns_[static_cast<std::size_t>(x)];
        return static_cast<int>(
            std::clamp<std::int64_t>(sourceRowFixed(outRow, column.top, column.rowStep), 0, lastRow) >> 16);
    };
    const int rowsCrossed = std::abs(rowAt(shownEnd - 1, y) - rowAt(shownBegin, y)) + 1;
    const Column& any = columns_[static_cast<std::size_t>(shownBegin)];
    const bool fromOld = any.source == Source::From;
    const RunReader reader{fromOld ? frame.from : frame.to, fromOld ? frame.fromStride : frame.toStride,
                           sourceColumns_.data(), out, y, rowAt};
    // Runs of a fixed length make every branch of the inner loops predictable;
    // a mispredicted loop end per run used to cost more than the copying.
    const int fits = 2 * (shownEnd - shownBegin) / rowsCrossed;
    const int x = fits >= 64 ? reader.runsOf<64>(shownBegin, shownEnd)
                : fits >= 32 ? reader.runsOf<32>(shownBegin, shownEnd)
                : fits >= 16 ? reader.runsOf<16>(shownBegin, shownEnd)
                : fits >= 8  ? reader.runsOf<8>(shownBegin, shownEnd)
                             : reader.runsOf<4>(shownBegin, shownEnd);
    reader.lastRun(x, shownEnd);
}

} // namespace qv::transitions
