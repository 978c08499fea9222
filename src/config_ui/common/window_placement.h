#pragma once

#include <QRect>

class QWidget;

namespace qv {

// Centres a window on the screen it will appear on (the primary screen when it has
// none yet): left = (screen width - window width) / 2, top likewise.
void centre_on_screen(QWidget* window);

// Where a window of `size` stands beside `explained` (a frame) within `area`: on the
// side with more room, its top level with the other's where it fits; narrowed to
// that side's room, but never below a width that still reads, so it covers as little
// of the window it explains as it can.
QRect besideRect(const QRect& explained, QSize size, const QRect& area);

// Moves (and narrows) `window` beside `explained` on the screen `explained` is on.
void place_beside(QWidget* window, const QWidget* explained);

// Window measures given in twips, in the logical pixels of the screen, through the
// twips per pixel that start-up measured.
int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
// A box given as top, left, height and width in twips.
QRect twipsBox(int top, int left, int height, int width);

} // namespace qv
