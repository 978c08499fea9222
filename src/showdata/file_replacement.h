#pragma once

#include "settings/replaceable_file.h"

#include <QByteArray>
#include <QString>

namespace qv {

// What saveFileChecked returns when the user chose not to replace a file.
inline constexpr int saveDeclined = -1;

// Every save of the user's data goes through here. When this process read or wrote
// `path` before and another process has changed it since, it first asks
// "<name> was changed by another window since you opened it. Replace it?" (No
// declines). A failure shows `failureWords` + the error's text and the file's path.
// Returns 0, saveDeclined, or the error code.
int saveFileChecked(const QString& path, const QByteArray& bytes, const QString& failureWords);

} // namespace qv
