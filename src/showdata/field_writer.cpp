#include "showdata/field_writer.h"

#include "showdata/show_text.h"

namespace qv {

void FieldWriter::beginField()
{
    if (lineHasField_)
        bytes_.append(',');
    lineHasField_ = true;
}

void FieldWriter::text(const QString& value)
{
    beginField();
    bytes_.append('"').append(encodeShowText(value)).append('"');
}

void FieldWriter::number(long long value)
{
    beginField();
    bytes_.append(QByteArray::number(value));
}

void FieldWriter::empty() { beginField(); }

void FieldWriter::endLine()
{
    bytes_.append("\r\n");
    lineHasField_ = false;
}

} // namespace qv
