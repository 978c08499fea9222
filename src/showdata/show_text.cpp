#include "showdata/show_text.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace qv {
namespace {

// The text when `bytes` are valid UTF-8. The initial byte-order mark is part of the
// text here: a show file's BOM is dropped by the reader before any field is taken.
std::optional<QString> fromUtf8(QByteArrayView bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString decodeShowText(QByteArrayView bytes)
{
    std::optional<QString> text = fromUtf8(bytes);
    return text ? *std::move(text) : decodeWindows1252(bytes);
}

QByteArray encodeShowText(const QString& text) { return encodeFileName(text); }

QString decodeShowPath(QByteArrayView bytes)
{
    if (std::optional<QString> text = fromUtf8(bytes))
        return *std::move(text);
    QString ancestral = decodeWindows1252(bytes);
    return entryExists(ancestral) ? ancestral : decodeFileName(bytes);
}

} // namespace qv
