#include "showdata/directory_listing.h"

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace qv {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

enum class EntryType { Other, File, Folder };

EntryType typeOf(int folder, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_REG: return EntryType::File;
    case DT_DIR: return EntryType::Folder;
    case DT_LNK:
    case DT_UNKNOWN: {
        struct stat status {};
        if (::fstatat(folder, entry.d_name, &status, 0) != 0)
            return EntryType::Other;
        if (S_ISREG(status.st_mode))
            return EntryType::File;
        return S_ISDIR(status.st_mode) ? EntryType::Folder : EntryType::Other;
    }
    default: return EntryType::Other;
    }
}

} // namespace

bool lessIgnoringCase(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto left = static_cast<unsigned char>(lowerAscii(a[i]));
        const auto right = static_cast<unsigned char>(lowerAscii(b[i]));
        if (left != right)
            return left < right;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

bool hasExtensionIgnoringCase(std::string_view name, std::string_view extension)
{
    if (name.size() <= extension.size() || name[name.size() - extension.size() - 1] != '.')
        return false;
    const std::string_view tail = name.substr(name.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(), extension.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::optional<DirectoryListing> listDirectory(const QByteArray& path)
{
    const DirHandle dir(::opendir(path.isEmpty() ? "/" : path.constData()));
    if (!dir)
        return std::nullopt;
    const int folder = ::dirfd(dir.get());
    struct stat status {};
    if (::fstat(folder, &status) != 0)
        return std::nullopt;

    DirectoryListing listing;
    listing.device = status.st_dev;
    listing.inode = status.st_ino;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        switch (typeOf(folder, *entry)) {
        case EntryType::File: listing.files.emplace_back(entry->d_name); break;
        case EntryType::Folder: listing.subdirectories.emplace_back(entry->d_name); break;
        case EntryType::Other: break;
        }
    }
    std::sort(listing.subdirectories.begin(), listing.subdirectories.end(), lessIgnoringCase);
    return listing;
}

} // namespace qv
