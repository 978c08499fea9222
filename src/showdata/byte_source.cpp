#include "showdata/byte_source.h"

#include "components/platform/file_errors.h"

#include "components/platform/file_names.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {

std::ptrdiff_t MemoryByteSource::read(char* buffer, std::size_t capacity)
{
    const qsizetype count = std::min<qsizetype>(bytes_.size() - position_, static_cast<qsizetype>(capacity));
    if (count > 0)
        std::memcpy(buffer, bytes_.data() + position_, static_cast<std::size_t>(count));
    position_ += count;
    return count;
}

int openErrorFor(const QString& path, int errnoValue)
{
    if (errnoValue == ENOENT && !isFolder(QFileInfo(path).absolutePath()))
        return FileError::PathNotFound;
    return fileErrorFromErrno(errnoValue);
}

FileByteSource::~FileByteSource()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

int FileByteSource::open(const QString& path)
{
    if (path.isEmpty())
        return errorCode_ = FileError::FileNotFound;
    // Non-blocking, so that a named pipe put in place of a show file cannot hang the
    // program in open(); it is refused below.
    descriptor_ = ::open(encodeFileName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor_ < 0)
        return errorCode_ = openErrorFor(path, errno);
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor_);
        descriptor_ = -1;
        return errorCode_ = FileError::PathFileAccessError;
    }
    return errorCode_ = FileError::None;
}

std::ptrdiff_t FileByteSource::read(char* buffer, std::size_t capacity)
{
    if (descriptor_ < 0)
        return 0;
    for (;;) {
        const ssize_t count = ::read(descriptor_, buffer, capacity);
        if (count >= 0)
            return count;
        if (errno != EINTR) {
            errorCode_ = fileErrorFromErrno(errno);
            return -1;
        }
    }
}

} // namespace qv
