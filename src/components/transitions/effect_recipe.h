#pragma once

#include "components/transitions/effect_registry.h"
#include "components/transitions/pixel_rows.h"

#include <cstdint>
#include <span>

namespace qv::transitions {

// ---- Reveals and scatters: one threshold per cell -------------------------------
// A cell turns from the old picture to the new one once the progress passes its
// threshold, so the new share never shrinks and p = 0 / p = 1 are exact.

// One cell as a threshold function sees it.
struct CellSample {
    double x = 0, y = 0;          // centre in pixels
    double u = 0, v = 0;          // centre as a share of the width / height
    double width = 0, height = 0; // frame size in pixels
    int column = 0, row = 0;      // cell index
    int columns = 0, rows = 0;
    int grain = 1;                // the cell's side before any enlargement
    double random = 0;            // repeatable for the seed, 0..1
    double columnRandom = 0;      // the same for every cell of the column
    double rowRandom = 0;         // the same for every cell of the row
    double seedPhase = 0;         // one value per seed, 0..1
};

// 0..1; values outside are clamped.
using ThresholdFn = double (*)(const CellSample&);

// Cell size in grains; 0 means the full width or height (whole lines).
struct CellUnits {
    int across = 1;
    int down = 1;
};

// ---- Moves: each output row is placed from rows of the two pictures -------------

enum class Source : std::uint8_t { From, To };

struct MoveFrame {
    int width = 0;
    int height = 0;
    int grain = 1;
    double progress = 0;

    // How far the effect has travelled over `extent` pixels, in whole grains,
    // never beyond the extent.
    int travelled(int extent) const
    {
        if (extent <= 0)
            return 0;
        const double steps = progress * extent / grain;
        const int value = static_cast<int>(steps + 0.5) * grain;
        return std::clamp(value, 0, extent);
    }
};

// Writes one output row from pieces of source rows; every call is clipped to the
// frame, so a planner's rounding can never read or write outside it.
class RowWriter {
public:
    RowWriter(const FramePixels& frame, int y) : frame_(frame), dst_(frame.outRow(y)) {}

    // `length` pixels of source row `srcRow` from column `srcX`, placed at `dstX`.
    void copy(Source source, int srcRow, int srcX, int dstX, int length) const;
    // Source columns [srcX, srcX + srcLength) resampled onto [dstX, dstX + dstLength).
    void scaled(Source source, int srcRow, int srcX, int srcLength, int dstX,
                int dstLength) const;
    // The whole row in alternating bands of `band` pixels from two source rows,
    // each band keeping its columns.
    void interleave(Source even, int evenRow, Source odd, int oddRow, int band) const;
    void fill(int dstX, int length, Pixel colour = kBlack) const;
    void shade(int dstX, int length) const;

    int width() const { return frame_.width; }

private:
    const Pixel* sourceRow(Source source, int srcRow) const;

    const FramePixels& frame_;
    Pixel* dst_;
};

// Composes output row y; must cover the whole row.
using RowPlanner = void (*)(const MoveFrame&, int y, const RowWriter&);

// ---- Turns: each output column is a vertically scaled source column -------------

struct ColumnPlacement {
    Source source = Source::From;
    bool visible = false; // false: background
    int srcX = 0;
    int top = 0;    // first output row of the column
    int height = 0; // output rows the source column is spread over
};

using ColumnPlanner = ColumnPlacement (*)(const MoveFrame&, int x);

// ---- One entry of the effect table ----------------------------------------------

struct EffectRecipe {
    ThresholdFn threshold = nullptr;
    CellUnits cells{};
    RowPlanner rows = nullptr;
    ColumnPlanner columns = nullptr;
};

struct EffectEntry {
    EffectInfo info;
    EffectRecipe recipe;
};

// The parts of the table, one per file of effects.
std::span<const EffectEntry> revealEffects();
std::span<const EffectEntry> scatterEffects();
std::span<const EffectEntry> moveEffects();

// The recipe of an effect, or nullptr.
const EffectRecipe* effectRecipe(int number);

} // namespace qv::transitions
