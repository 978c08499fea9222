#include "startup/windows_dir.h"

#include "components/platform/paths.h"

namespace qv {

QString windows_dir() { return withTrailingSeparator(sampleMediaFolder()); }

} // namespace qv
