#include "showdata/show_text.h"

#include <QStringDecoder>

#include <array>
#include <cstdint>

namespace qv {
namespace {

// Code points of the bytes 0x80 to 0x9F; the other bytes equal their code point.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool inHighBlock = byte >= 0x80 && byte <= 0x9F;
        text.append(QChar(inHighBlock ? windows1252High[byte - 0x80] : char16_t{byte}));
    }
    return text;
}

QString decodeShowText(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    // The initial byte-order mark is part of the text here: a show file's BOM is
    // dropped by the reader before any field is taken.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

QByteArray encodeShowText(const QString& text) { return text.toUtf8(); }

} // namespace qv
