#include "components/platform/file_errors.h"

#include <cerrno>

namespace qv {

int fileErrorFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case 0: return FileError::None;
    case ENOENT: return FileError::FileNotFound;
    case ENOTDIR: return FileError::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return FileError::PermissionDenied;
    case EEXIST: return FileError::FileAlreadyExists;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileError::DiskFull;
    case EMFILE:
    case ENFILE: return FileError::TooManyFiles;
    case ENAMETOOLONG:
    case EINVAL: return FileError::BadFileNameOrNumber;
    case EISDIR:
    case ELOOP:
    case EBUSY: return FileError::PathFileAccessError;
    case ENODEV:
    case ENXIO: return FileError::DeviceUnavailable;
    default: return FileError::DeviceIoError;
    }
}

int fileErrorFrom(const std::error_code& error)
{
    if (!error)
        return FileError::None;
    if (error.category() == std::generic_category() || error.category() == std::system_category())
        return fileErrorFromErrno(error.value());
    return FileError::DeviceIoError;
}

QString fileErrorText(int code)
{
    switch (code) {
    case FileError::None: return {};
    case FileError::Overflow: return QStringLiteral("Overflow");
    case FileError::TypeMismatch: return QStringLiteral("Type mismatch");
    case FileError::SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case FileError::BadFileNameOrNumber: return QStringLiteral("Bad file name or number");
    case FileError::FileNotFound: return QStringLiteral("File not found");
    case FileError::BadFileMode: return QStringLiteral("Bad file mode");
    case FileError::DeviceIoError: return QStringLiteral("Device I/O error");
    case FileError::FileAlreadyExists: return QStringLiteral("File already exists");
    case FileError::BadRecordLength: return QStringLiteral("Bad record length");
    case FileError::DiskFull: return QStringLiteral("Disk full");
    case FileError::InputPastEndOfFile: return QStringLiteral("Input past end of file");
    case FileError::TooManyFiles: return QStringLiteral("Too many files");
    case FileError::DeviceUnavailable: return QStringLiteral("Device unavailable");
    case FileError::PermissionDenied: return QStringLiteral("Permission denied");
    case FileError::DiskNotReady: return QStringLiteral("Disk not ready");
    case FileError::PathFileAccessError: return QStringLiteral("Path/File access error");
    case FileError::PathNotFound: return QStringLiteral("Path not found");
    default: return QStringLiteral("Error %1").arg(code);
    }
}

} // namespace qv
