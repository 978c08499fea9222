#pragma once

#include <QRect>
#include <QSize>

#include <functional>

namespace qv {

// The effect chooser's grid: one check box per effect, 24 to a column, five columns.
inline constexpr int effectGridRows = 24;
inline constexpr int effectGridColumns = 5;
inline constexpr int effectGridCells = effectGridRows * effectGridColumns;  // 120; 114 to 120 stay hidden

// Where box k (1 to 120) stands, in twips from the grid's top-left corner: columns
// 1700 twips apart from 100, rows 242 twips apart from 252. The box is one column
// wide less a small gap, and one row high.
QRect effectBoxTwips(int k);
// The same in the screen's logical pixels. Neighbouring boxes never overlap,
// whatever the twips per pixel.
QRect effectBoxPixels(int k);
// The size of the whole grid in logical pixels: the last column and row included.
QSize effectGridPixels();

// The box reached from box `k` by an arrow key: up and down step through the
// effect numbers, left and right move a column; disabled boxes are passed over and
// a move off the grid stays put. `enabled(k)` says whether box k can take the focus.
enum class EffectBoxMove { Up, Down, Left, Right };
int neighbourBox(int k, EffectBoxMove move, const std::function<bool(int)>& enabled);

// "random_speed_adjuster" from the speed buttons, tested Slow (3), Normal (2), Fast
// (1) in that order; with none selected the setting keeps `current`.
int speedAdjusterFromOptions(bool slow, bool normal, bool fast, int current);

} // namespace qv
