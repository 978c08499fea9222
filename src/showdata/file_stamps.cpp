#include "showdata/file_stamps.h"

#include "components/platform/file_names.h"

#include <QHash>

#include <sys/stat.h>

namespace qv {
namespace {

// Keyed by the path's bytes: one configuration process edits a handful of files.
QHash<QByteArray, FileStamp>& rememberedStamps()
{
    static QHash<QByteArray, FileStamp> stamps;
    return stamps;
}

} // namespace

FileStamp fileStampOf(const QString& path)
{
    struct stat status {};
    if (::stat(encodeFileName(path).constData(), &status) != 0)
        return {};
    return {true, static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

void rememberFileStamp(const QString& path) { rememberedStamps().insert(encodeFileName(path), fileStampOf(path)); }

bool changedSinceRemembered(const QString& path)
{
    const auto found = rememberedStamps().constFind(encodeFileName(path));
    return found != rememberedStamps().constEnd() && *found != fileStampOf(path);
}

} // namespace qv
