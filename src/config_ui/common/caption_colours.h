#pragma once

#include <QColor>

class QPushButton;

namespace qv {

// Caption colours of the dialogs' command buttons: dark blue while a button can be
// pressed, grey (or the lighter grey of a Preview button that auto preview has taken
// over) while it cannot.
inline const QColor kEnabledCaption{0, 0, 128};
inline const QColor kDisabledCaption{128, 128, 128};
inline const QColor kAutoPreviewCaption{192, 192, 192};

// Gives `button` those captions: dark blue while enabled, `disabledCaption` while not.
void colourCaption(QPushButton* button, const QColor& disabledCaption = kDisabledCaption);

} // namespace qv
