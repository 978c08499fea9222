#pragma once

#include <QString>

namespace qv {

// The folder of the stock pictures and sounds, ending in the separator: a new user's
// random show plays them with no set-up.
QString windows_dir();

} // namespace qv
