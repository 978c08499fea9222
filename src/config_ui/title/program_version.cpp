#include "config_ui/title/program_version.h"

namespace qv {

int programMajorVersion() { return QV_VERSION_MAJOR; }
int programMinorVersion() { return QV_VERSION_MINOR; }

QString programVersionText()
{
    return QStringLiteral("%1.%2").arg(programMajorVersion()).arg(programMinorVersion());
}

} // namespace qv
