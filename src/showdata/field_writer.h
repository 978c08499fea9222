#pragma once

#include <QByteArray>
#include <QString>

namespace qv {

// Builds the lines of a show file: fields separated by commas, texts in double
// quotes without any escaping (the files cannot hold a double quote), numbers as
// bare decimal digits, fields without a value as nothing, lines ended by CR LF.
class FieldWriter {
public:
    void text(const QString& value);
    void number(long long value);
    void empty();
    void endLine();

    const QByteArray& bytes() const { return bytes_; }

private:
    void beginField();

    QByteArray bytes_;
    bool lineHasField_ = false;
};

} // namespace qv
