#pragma once

#include <QByteArray>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace qv {

// One folder's visible entries: hidden names (beginning with ".") are left out.
// Symbolic links count as what they point to; dangling ones and anything that is
// neither a plain file nor a folder are left out.
struct DirectoryListing {
    std::vector<std::string> files;           // in the order the folder lists them
    std::vector<std::string> subdirectories;  // sorted by lessIgnoringCase
    dev_t device = 0;                         // identity of the folder itself
    ino_t inode = 0;
};

// Reads a folder once, taking each entry's type from the listing itself (a status
// query per file would triple the time). Nothing when the folder cannot be read.
std::optional<DirectoryListing> listDirectory(const QByteArray& path);

// Order of names without regard to the case of ASCII letters; names equal but for
// case come in byte order, so the order is total and the same on every run.
bool lessIgnoringCase(std::string_view a, std::string_view b);

// True when `name` ends in "." + `extension`, compared without regard to case.
bool hasExtensionIgnoringCase(std::string_view name, std::string_view extension);

} // namespace qv
