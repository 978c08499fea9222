#pragma once

#include "components/transitions/effect_recipe.h"

#include <QSize>

#include <vector>

namespace qv::transitions {

// Effects whose columns are stretched vertically by different amounts (a face
// turning about a vertical axis). Each frame first places every column, then
// composes rows by reading along the placed columns.
class ColumnTurn {
public:
    ColumnTurn(ColumnPlanner planner, int grain, QSize size);

    void placeColumns(double progress) const;
    // Only reads what placeColumns() wrote, so several threads may compose
    // different rows of the same frame at once.
    void composeRows(const FramePixels& frame, int firstRow, int endRow) const;

private:
    void composeRow(const FramePixels& frame, int y) const;
    // Columns [begin, end) of one face, all from the same picture.
    void composeFace(const FramePixels& frame, int y, int begin, int end, Pixel* out) const;

    struct Column {
        std::int32_t top = 0;
        std::int32_t height = 0;     // 0: background
        std::uint32_t rowStep = 0;   // source rows per output row, 16.16
        std::int32_t srcX = 0;
        Source source = Source::From;
    };

    ColumnPlanner planner_;
    int grain_;
    QSize size_;
    mutable std::vector<Column> columns_;
    mutable std::vector<std::int32_t> sourceColumns_; // the columns' srcX, packed for the gathers
    mutable int faceSplit_ = 0;                       // first column of the second face
};

} // namespace qv::transitions
