#pragma once

#include <QRect>

class QWidget;

namespace qv {

// Centres a window on the screen it will appear on (the primary screen when it has
// none yet): left = (screen width - window width) / 2, top likewise.
void centre_on_screen(QWidget* window);

// Window measures given in twips, in the logical pixels of the screen, through the
// twips per pixel that start-up measured.
int twipsToPixelsX(int twips);
int twipsToPixelsY(int twips);
// A box given as top, left, height and width in twips.
QRect twipsBox(int top, int left, int height, int width);

} // namespace qv
