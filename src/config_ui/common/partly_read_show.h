#pragma once

#include <QString>

namespace qv {

// True when a save may replace the show file `fileName`: always, unless it is the
// file the editor opened but could not read whole (`partlyReadShow`); then only when
// the user confirms, in a message that says the rest of the file is lost (default No).
bool mayReplacePartlyReadShow(const QString& fileName);

} // namespace qv
