#include "config_ui/effects/effect_grid.h"

#include "config_ui/common/window_placement.h"

namespace qv {
namespace {

constexpr int firstColumnTwips = 100;
constexpr int columnTwips = 1700;
constexpr int firstRowTwips = 10;
constexpr int rowTwips = 242;
// Room between a caption and the next column's box.
constexpr int columnGapTwips = 60;

int columnOf(int k) { return (k - 1) / effectGridRows + 1; }
int rowOf(int k) { return (k - 1) % effectGridRows + 1; }

} // namespace

QRect effectBoxTwips(int k)
{
    return QRect(firstColumnTwips + columnTwips * (columnOf(k) - 1), firstRowTwips + rowTwips * rowOf(k),
                 columnTwips - columnGapTwips, rowTwips);
}

// Both edges are converted, not the width: a box then ends exactly where its
// neighbour's rounding lets it, and rounding can never make two boxes overlap.
QRect effectBoxPixels(int k)
{
    const QRect twips = effectBoxTwips(k);
    const int left = twipsToPixelsX(twips.left());
    const int top = twipsToPixelsY(twips.top());
    return QRect(QPoint(left, top),
                 QPoint(twipsToPixelsX(twips.left() + twips.width()) - 1, twipsToPixelsY(twips.top() + twips.height()) - 1));
}

QSize effectGridPixels()
{
    const QRect last = effectBoxTwips(effectGridCells);
    return QSize(twipsToPixelsX(last.left() + columnTwips), twipsToPixelsY(last.top() + last.height() + firstRowTwips));
}

int neighbourBox(int k, EffectBoxMove move, const std::function<bool(int)>& enabled)
{
    const int step = move == EffectBoxMove::Up ? -1 : move == EffectBoxMove::Down ? 1 : move == EffectBoxMove::Left ? -effectGridRows
                                                                                                     : effectGridRows;
    for (int next = k + step; next >= 1 && next <= effectGridCells; next += step) {
        if (enabled(next))
            return next;
    }
    return k;
}

int speedAdjusterFromOptions(bool slow, bool normal, bool fast, int current)
{
    if (slow)
        return 3;
    if (normal)
        return 2;
    if (fast)
        return 1;
    return current;
}

} // namespace qv
