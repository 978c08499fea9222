#pragma once

#include "showdata/event_pump.h"

#include <QString>

#include <span>
#include <string_view>
#include <vector>

namespace qv {

// The two kinds of file a random show looks for; the numbers are the ones the
// show's routines pass around.
enum class MediaKind { Audio = 1, Picture = 2 };

// The most files a list keeps; further finds overwrite the last entry.
inline constexpr int maxFoundFiles = 32500;

// The extensions searched for, in the order a folder is searched: "*.gif" first.
std::span<const std::string_view> patternExtensions(MediaKind kind);

// A column of the show table filling up with the files found, positions 1 to
// `count`. Both refer to storage owned elsewhere (normally customShow()).
class FoundFileList {
public:
    FoundFileList(std::vector<QString>& column, int& count, int limit = maxFoundFiles);

    int count() const { return count_; }
    int limit() const { return limit_; }
    // Adds `path` after the last entry; once the list is full it replaces the last.
    void add(const QString& path);

private:
    std::vector<QString>& column_;
    int& count_;
    int limit_;
};

void AddFound(FoundFileList& list, const QString& path);

// Adds the files of `directory` (no trailing "/"; "" is the root) that match the
// kind's patterns: all files of the first pattern, then of the second, ...; within
// one pattern in order of name without regard to case. Each is added as
// `directory` + "/" + name. A folder that cannot be read adds nothing.
void ScanDirectory(const QString& directory, FoundFileList& list, MediaKind kind, EventPump* pump = nullptr);

// Adds the files of every folder below `directory` (ending in "/"), at any depth,
// but not those of `directory` itself: depth first, each folder's own files before
// its sub-folders, sub-folders in order of name without regard to case. Hidden
// folders are skipped, unreadable ones too; a folder reached a second time (a
// symbolic-link cycle, two links to one place) is not searched again.
void ScanSubdirectories(const QString& directory, FoundFileList& list, MediaKind kind, EventPump* pump = nullptr);

// A folder searched as the random show does: its sub-folders first when
// `withSubdirectories`, then its own files. Reads each folder only once.
void ScanFolder(const QString& directory, bool withSubdirectories, FoundFileList& list, MediaKind kind,
                EventPump* pump = nullptr);

} // namespace qv
