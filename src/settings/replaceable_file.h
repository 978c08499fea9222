#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace qv {

// What a save of `path` would replace, and whether it may. Every file the program
// saves (shows, the random setup, the effect selection, the settings) is checked so.
struct ReplaceableTarget {
    int error = 0;            // 0, or the code of the reason the save may not go ahead
    QByteArray target;        // the file itself, or the regular file a link leads to
    bool exists = false;
    mode_t mode = 0;          // the existing file's permissions
};

// Refuses (75) anything but a regular file or a new name: a device, a pipe, a socket,
// a folder, a link that leads nowhere. Refuses (70) a file the user made read-only and
// any file in a read-only folder, even for the superuser.
ReplaceableTarget checkReplaceableTarget(const QString& path);

// Writes `bytes` as the file `path`, creating or replacing it, after the checks above.
// The bytes go to a temporary file in the same folder (".NAME.tmp-PID-N") that takes
// the target's name only once it is complete and on disk, so a failure half-way (a
// full disk) leaves the previous file as it was. The replacement keeps the old file's
// permissions. Returns 0 or the error code (76 folder not found, 61 disk full, ...).
int replaceFileContents(const QString& path, const QByteArray& bytes);

} // namespace qv
