#pragma once

#include <QIcon>

namespace qv {

// The pictures of the editor's small buttons, drawn in a 16-unit square at every
// size the screen may ask for, so they stay sharp at any scale.
QIcon borderButtonIcon();   // a framed, bevelled picture
QIcon viewPictureIcon();    // a landscape
QIcon playSoundIcon();      // a loudspeaker
QIcon printSheetIcon();     // a printer with a sheet
QIcon helpIcon();           // a question mark in a disc

} // namespace qv
