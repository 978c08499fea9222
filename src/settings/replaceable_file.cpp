#include "settings/replaceable_file.h"

#include "components/platform/file_errors.h"
#include "components/platform/file_names.h"

#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {
namespace {

// Closes a descriptor and removes the half-made file unless told it is finished.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (descriptor >= 0)
            ::close(descriptor);
        if (!name.isEmpty() && !kept)
            ::unlink(name.constData());
    }

    int descriptor = -1;
    QByteArray name;
    bool kept = false;
};

// A name beside the target, hidden so that no listing of the folder shows it.
QByteArray temporaryNameFor(const QByteArray& target)
{
    static std::atomic<unsigned> counter{0};
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray name = target.mid(slash + 1);
    return folder + '.' + name + ".tmp-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(counter++);
}

int writeAll(int descriptor, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.constData() + written,
                                      static_cast<std::size_t>(bytes.size() - written));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return fileErrorFromErrno(errno);
        }
        written += count;
    }
    return FileError::None;
}

// The file a save replaces: the path itself, or the file a link leads to. Empty when
// the path is a link that leads nowhere (or round in a circle): writing there would
// put a plain file in the link's place, or a file somewhere the user never chose.
QByteArray resolvedTarget(const QString& path)
{
    const QByteArray bytes = encodeFileName(path);
    struct stat status {};
    if (::lstat(bytes.constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        const std::unique_ptr<char, decltype(&std::free)> target(::realpath(bytes.constData(), nullptr), &std::free);
        return target ? QByteArray(target.get()) : QByteArray();
    }
    return bytes;
}

// Whether the user has protected `path` against change. A file or folder without
// any write permission bit counts as protected even for the superuser, whom the
// system would let through: replacing it would undo what its owner asked for.
bool writeProtected(const QByteArray& path, mode_t mode)
{
    if ((mode & 0222) == 0)
        return true;
    return ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0
           && (errno == EACCES || errno == EPERM || errno == EROFS);
}

// A protected file is refused, and so is any file in a protected folder: the
// replacement has to be renamed into the folder, and writing over the file in place
// instead would leave it half-written if the disk filled up or the power failed.
bool protectedTarget(const QByteArray& target, bool targetExists, mode_t targetMode)
{
    if (targetExists && writeProtected(target, targetMode))
        return true;
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    struct stat folderStatus {};
    return ::stat(folder.constData(), &folderStatus) == 0 && S_ISDIR(folderStatus.st_mode)
           && writeProtected(folder, folderStatus.st_mode);
}

} // namespace

ReplaceableTarget checkReplaceableTarget(const QString& path)
{
    ReplaceableTarget checked;
    if (path.isEmpty()) {
        checked.error = FileError::BadFileNameOrNumber;
        return checked;
    }
    checked.target = resolvedTarget(path);
    if (checked.target.isEmpty()) {
        checked.error = FileError::PathFileAccessError;
        return checked;
    }
    struct stat existing {};
    checked.exists = ::stat(checked.target.constData(), &existing) == 0;
    checked.mode = existing.st_mode;
    // Only a regular file is ever replaced: renaming over a device, a pipe, a socket
    // or a folder would destroy something that is no saved file at all.
    if (checked.exists && !S_ISREG(existing.st_mode))
        checked.error = FileError::PathFileAccessError;
    else if (protectedTarget(checked.target, checked.exists, existing.st_mode))
        checked.error = FileError::PermissionDenied;
    return checked;
}

int replaceFileContents(const QString& path, const QByteArray& bytes)
{
    const ReplaceableTarget checked = checkReplaceableTarget(path);
    if (checked.error != FileError::None)
        return checked.error;
    const QByteArray& target = checked.target;
    const bool targetExists = checked.exists;

    TemporaryFile temporary;
    for (int attempt = 0; attempt < 16 && temporary.descriptor < 0; ++attempt) {
        temporary.name = temporaryNameFor(target);
        temporary.descriptor = ::open(temporary.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temporary.descriptor < 0 && errno != EEXIST) {
            const int error = errno == ENOENT && !isFolder(QFileInfo(path).absolutePath())
                                  ? FileError::PathNotFound
                                  : fileErrorFromErrno(errno);
            temporary.name.clear();
            return error;
        }
    }
    if (temporary.descriptor < 0) {
        temporary.name.clear();
        return FileError::FileAlreadyExists;
    }
    // The replacement keeps the permissions the user gave the old file.
    if (targetExists)
        ::fchmod(temporary.descriptor, checked.mode & 07777);

    if (const int error = writeAll(temporary.descriptor, bytes); error != FileError::None)
        return error;
    if (::fsync(temporary.descriptor) != 0 && errno != EINVAL)
        return fileErrorFromErrno(errno);
    const int descriptor = temporary.descriptor;
    temporary.descriptor = -1;
    if (::close(descriptor) != 0)
        return fileErrorFromErrno(errno);
    if (::rename(temporary.name.constData(), target.constData()) != 0)
        return fileErrorFromErrno(errno);
    temporary.kept = true;
    return FileError::None;
}

} // namespace qv
