#pragma once

#include <QString>

namespace qv {

// The title screen's background picture, also the effect chooser's sample: the
// program's own artwork where it is installed, else a stock picture.
QString titlePicturePath();

} // namespace qv
