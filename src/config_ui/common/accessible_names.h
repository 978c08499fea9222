#pragma once

class QWidget;

namespace qv {

// Gives every control of a window that has no accessible name yet the name a screen
// reader should say: a button's or box's caption without its accelerator mark, an
// entry's, list's or slider's label (the label whose buddy it is), else its tool tip.
void nameControlsForAccessibility(QWidget* window);

} // namespace qv
