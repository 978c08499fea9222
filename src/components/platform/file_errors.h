#pragma once

#include <QString>

#include <system_error>

namespace qv {

// Numeric codes of file failures, as the program's data routines return them
// (0 is success). The numbers follow the run-time error codes of the platform the
// program was first written for, so callers and stored habits keep their meaning.
namespace FileError {
inline constexpr int None = 0;
inline constexpr int BadFileNameOrNumber = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54;
inline constexpr int DeviceIoError = 57;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int BadRecordLength = 59;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int TooManyFiles = 67;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
// A field of a data file that does not hold what its place requires.
inline constexpr int TypeMismatch = 13;
// A number too large for its field.
inline constexpr int Overflow = 6;
// A position outside a table (a slide number beyond the show), reported by the
// show data routines instead of touching memory past the table.
inline constexpr int SubscriptOutOfRange = 9;
} // namespace FileError

// The code for an operating-system failure (an errno value).
int fileErrorFromErrno(int errnoValue);
int fileErrorFrom(const std::error_code& error);

// The text that messages append for a code, such as "File not found".
QString fileErrorText(int code);

} // namespace qv
