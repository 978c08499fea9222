#pragma once

#include <QString>

#include <cstdint>

namespace qv {

// What a file was when this process last read or wrote it: enough to notice that
// another process (a second configuration window) has replaced or changed it since.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// The file `path` names now, following links.
FileStamp fileStampOf(const QString& path);

// Remembers what `path` is now, as this process has just read or written it.
void rememberFileStamp(const QString& path);
// True when this process read or wrote `path` and the file has changed or gone since.
// A file never read or written here has nothing to compare with: false.
bool changedSinceRemembered(const QString& path);

} // namespace qv
