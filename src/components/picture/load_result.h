#pragma once

namespace qv {

// Result codes of loading a picture. The show and the configuration screens test
// them by number and show a reason for each, so the numbers are fixed.
namespace LoadResult {
inline constexpr int Loaded = 0;
inline constexpr int FileNotFound = -1;
// Content of no known picture type (whatever the file's extension says).
inline constexpr int UnknownType = -2;
// Kept for callers that name every code: nothing here locks, dithers or quantizes
// memory, so these are never returned.
inline constexpr int MemoryLockFailed = -3;
inline constexpr int DitheringFailed = -4;
inline constexpr int QuantizingFailed = -5;
// A picture of a known type whose data cannot be decoded, or a file that cannot be read.
inline constexpr int ReadError = -6;
// The picture would need more memory than we are willing to spend on it (including a
// header that claims enormous dimensions), or an allocation failed.
inline constexpr int OutOfMemory = -7;
} // namespace LoadResult

} // namespace qv
