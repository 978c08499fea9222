#pragma once

#include <QByteArray>
#include <QString>

namespace qv {

// Writes `bytes` as the file `path`, creating or replacing it. The bytes go to a
// temporary file in the same folder that takes the target's name only once it is
// complete and on disk, so a failure half-way (a full disk) leaves the previous file
// as it was. A target that is a symbolic link has the file it points to replaced.
// A file the user made read-only, or any file in a read-only folder, is left alone:
// the result is then 70 (permission denied).
// Returns 0 or the error code of the failure (76 folder not found, 61 disk full, ...).
int replaceFileContents(const QString& path, const QByteArray& bytes);

} // namespace qv
