#pragma once

#include <QString>

namespace qv {

// The program's major and minor version, as the build gives them.
int programMajorVersion();
int programMinorVersion();

// "5.6"
QString programVersionText();

} // namespace qv
