#pragma once

#include <QString>

namespace qv {

// True when a save may replace the show file `fileName`: always, unless it is the
// file the editor opened but could not read whole (`partlyReadShow`); then only when
// the user confirms, in a message that says the rest of the file is lost (default No).
bool mayReplacePartlyReadShow(const QString& fileName);

// The editor counts its grid's positions in 16 bits.
inline constexpr int mostEditableSlides = 32767;

// True when the editor can hold `slideCount` slides; otherwise a message says that the
// show `fileName` is too long to edit and is kept as it is.
bool editorCanHold(int slideCount, const QString& fileName);

} // namespace qv
