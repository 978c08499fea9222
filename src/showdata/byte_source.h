#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstddef>

namespace qv {

// Where a reader takes its bytes from: a file or, in tests and fuzzing, memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills up to `capacity` bytes; returns how many were read, 0 at the end, or
    // -1 on a read error, whose error code is then `errorCode()`.
    virtual std::ptrdiff_t read(char* buffer, std::size_t capacity) = 0;
    virtual int errorCode() const { return 0; }
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(QByteArrayView bytes) : bytes_(bytes) {}
    std::ptrdiff_t read(char* buffer, std::size_t capacity) override;

private:
    QByteArrayView bytes_;
    qsizetype position_ = 0;
};

// A regular file opened for reading, closed when the object goes. Anything that is
// not a regular file (a folder, a pipe that would block, a device) is refused.
class FileByteSource final : public ByteSource {
public:
    FileByteSource() = default;
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // 0 or the error code of the failure: 53 when the file does not exist, 76 when
    // its folder does not exist, 75 when the name is not a plain file, ...
    int open(const QString& path);
    std::ptrdiff_t read(char* buffer, std::size_t capacity) override;
    int errorCode() const override { return errorCode_; }

private:
    int descriptor_ = -1;
    int errorCode_ = 0;
};

// The error code for a failed open of `path` with `errnoValue`: a missing folder
// is told apart from a missing file, as the data routines' callers expect.
int openErrorFor(const QString& path, int errnoValue);

} // namespace qv
