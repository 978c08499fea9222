#include "showdata/field_reader.h"

#include "components/platform/file_errors.h"
#include "showdata/show_text.h"

#include <limits>

namespace qv {
namespace {

constexpr int endOfData = -1;

bool isBlank(int c) { return c == ' ' || c == '\t'; }
bool isLineEnd(int c) { return c == '\r' || c == '\n'; }
bool isSeparator(int c) { return c == ',' || isLineEnd(c); }

QByteArray withoutTrailingBlanks(QByteArray field)
{
    qsizetype end = field.size();
    while (end > 0 && isBlank(field[end - 1]))
        --end;
    field.truncate(end);
    return field;
}

} // namespace

FieldReader::FieldReader(ByteSource& source) : source_(source) { skipByteOrderMark(); }

int FieldReader::peek()
{
    if (position_ < filled_)
        return static_cast<unsigned char>(buffer_[static_cast<std::size_t>(position_)]);
    if (readError_ != 0)
        return endOfData;
    const std::ptrdiff_t count = source_.read(buffer_.data(), buffer_.size());
    if (count < 0) {
        readError_ = source_.errorCode() != 0 ? source_.errorCode() : FileError::DeviceIoError;
        return endOfData;
    }
    position_ = 0;
    filled_ = count;
    return count == 0 ? endOfData : static_cast<unsigned char>(buffer_[0]);
}

void FieldReader::skipByteOrderMark()
{
    static constexpr char mark[] = "\xEF\xBB\xBF";
    if (peek() == endOfData)
        return;
    // The buffer holds the file's first block; a mark split across blocks cannot occur.
    if (filled_ >= 3 && QByteArrayView(buffer_.data(), 3) == QByteArrayView(mark, 3))
        position_ = 3;
}

void FieldReader::takeSeparator()
{
    const int c = peek();
    if (c == endOfData)
        return;
    take();
    if (c == '\r' && peek() == '\n')
        take();
}

int FieldReader::skipToSeparator()
{
    for (int c = peek(); c != endOfData; c = peek()) {
        if (isSeparator(c)) {
            takeSeparator();
            return FileError::None;
        }
        take();
    }
    return readError_;
}

int FieldReader::readRawField(QByteArray& field)
{
    field.clear();
    while (isBlank(peek()))
        take();
    int c = peek();
    if (c == endOfData)
        return readError_ != 0 ? readError_ : FileError::InputPastEndOfFile;

    if (c == '"') {
        take();
        for (c = peek(); c != '"'; c = peek()) {
            if (c == endOfData)
                return readError_ != 0 ? readError_ : FileError::InputPastEndOfFile;
            if (field.size() >= maxFieldBytes)
                return FileError::Overflow;
            field.append(static_cast<char>(c));
            take();
        }
        take();
        return skipToSeparator();
    }

    for (; c != endOfData && !isSeparator(c); c = peek()) {
        if (field.size() >= maxFieldBytes)
            return FileError::Overflow;
        field.append(static_cast<char>(c));
        take();
    }
    if (readError_ != 0)
        return readError_;
    takeSeparator();
    field = withoutTrailingBlanks(std::move(field));
    return FileError::None;
}

int FieldReader::readText(QString& text)
{
    QByteArray field;
    const int error = readRawField(field);
    if (error == FileError::None)
        text = decodeShowText(field);
    return error;
}

int FieldReader::readPath(QString& path)
{
    QByteArray field;
    const int error = readRawField(field);
    if (error == FileError::None)
        path = decodeShowPath(field);
    return error;
}

int FieldReader::skipField()
{
    QByteArray field;
    return readRawField(field);
}

int FieldReader::readWholeNumber(std::int64_t& number, std::int64_t lowest, std::int64_t highest)
{
    QByteArray field;
    if (const int error = readRawField(field); error != FileError::None)
        return error;
    field = field.trimmed();
    if (field.isEmpty()) {
        number = 0;
        return FileError::None;
    }
    qsizetype digitsFrom = 0;
    const bool negative = field[0] == '-';
    if (negative || field[0] == '+')
        digitsFrom = 1;
    if (digitsFrom == field.size())
        return FileError::TypeMismatch;
    std::int64_t magnitude = 0;
    bool tooLarge = false;
    for (qsizetype i = digitsFrom; i < field.size(); ++i) {
        const char digit = field[i];
        if (digit < '0' || digit > '9')
            return FileError::TypeMismatch;
        // Keep reading past the range, so that "99999x" still counts as text.
        if (!tooLarge) {
            magnitude = magnitude * 10 + (digit - '0');
            tooLarge = magnitude > std::numeric_limits<std::int32_t>::max() + std::int64_t{1};
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (tooLarge || value < lowest || value > highest)
        return FileError::Overflow;
    number = value;
    return FileError::None;
}

int FieldReader::readInt16(std::int16_t& number)
{
    std::int64_t value = 0;
    const int error = readWholeNumber(value, std::numeric_limits<std::int16_t>::min(),
                                      std::numeric_limits<std::int16_t>::max());
    if (error == FileError::None)
        number = static_cast<std::int16_t>(value);
    return error;
}

int FieldReader::readCount(std::int32_t& count)
{
    std::int64_t value = 0;
    const int error = readWholeNumber(value, 0, std::numeric_limits<std::int32_t>::max());
    if (error == FileError::None)
        count = static_cast<std::int32_t>(value);
    return error;
}

} // namespace qv
