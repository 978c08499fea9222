#pragma once

#include "showdata/byte_source.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace qv {

// Takes the fields of a show file one after another. A comma and a line end (CR LF,
// LF or a lone CR) both end a field; blanks and tabs before a field are skipped; a
// field that begins with a double quote runs to the next double quote, after which
// everything up to the next comma or line end is dropped; any other field runs to
// the next comma or line end, without its trailing blanks. A UTF-8 byte-order mark
// at the very start is skipped.
//
// Each read returns 0 or an error code: 62 when the file ends before the field,
// 13 for a number field holding other text, 6 for a number beyond its field's range
// or a field longer than any real one (so a hostile file cannot make the reader
// hold an unbounded text).
class FieldReader {
public:
    explicit FieldReader(ByteSource& source);

    int readText(QString& text);
    // A path to a picture, sound or folder (see decodeShowPath).
    int readPath(QString& path);
    // An empty field reads as 0, as the files' original reader had it.
    int readInt16(std::int16_t& number);
    // A count of slides or entries: a whole number from 0 to 2^31 - 1.
    int readCount(std::int32_t& count);
    // A field whose content does not matter (the reserved header values).
    int skipField();

    static constexpr qsizetype maxFieldBytes = 1 << 20;

private:
    int readRawField(QByteArray& field);
    int readWholeNumber(std::int64_t& number, std::int64_t lowest, std::int64_t highest);
    // The next byte without taking it, or -1 at the end (or on a read error).
    int peek();
    void take() { ++position_; }
    void skipByteOrderMark();
    int skipToSeparator();
    void takeSeparator();

    ByteSource& source_;
    std::array<char, 16 * 1024> buffer_;  // filled before it is read
    std::ptrdiff_t position_ = 0;
    std::ptrdiff_t filled_ = 0;
    int readError_ = 0;
};

} // namespace qv
