#include "settings/password_scrambler.h"

#include <QList>

#include <array>
#include <cstddef>

namespace qv {
namespace {

constexpr std::array<unsigned char, 5> kKey = {'r', 'a', 'W', 'K', 'P'};

// The key letter for 1-based position i: the letter at position (i mod 5) + 1.
unsigned char keyFor(qsizetype position) { return kKey[static_cast<std::size_t>(position % 5)]; }

// Code points of the bytes 0x80 to 0x9F; every other byte is its own code point. The
// five bytes the set leaves unassigned stand for the C1 controls of the same number,
// as Windows has them.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> byteFor(char16_t unicode)
{
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return static_cast<char>(unicode);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] == unicode)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

QByteArray encode_password(const QByteArray& plain)
{
    QByteArray stored;
    stored.reserve(plain.size() * 2);
    for (qsizetype i = 1; i <= plain.size(); ++i) {
        const auto x = static_cast<unsigned char>(static_cast<unsigned char>(plain[i - 1]) ^ keyFor(i));
        stored.append(static_cast<char>('z' - x / 16));
        stored.append(static_cast<char>('a' + x % 16));
    }
    return stored;
}

std::optional<QByteArray> decode_password(const QByteArray& stored)
{
    if (stored.size() % 2 != 0)
        return std::nullopt;
    QByteArray plain;
    plain.reserve(stored.size() / 2);
    for (qsizetype j = 1; 2 * j <= stored.size(); ++j) {
        const char first = stored[2 * j - 2];
        const char second = stored[2 * j - 1];
        if (first < 'k' || first > 'z' || second < 'a' || second > 'p')
            return std::nullopt;
        const int x = 16 * ('z' - first) + (second - 'a');
        plain.append(static_cast<char>(x ^ keyFor(j)));
    }
    return plain;
}

std::optional<QByteArray> passwordBytes(const QString& plain)
{
    QByteArray bytes;
    bytes.reserve(plain.size());
    for (const QChar c : plain) {
        const std::optional<char> byte = byteFor(c.unicode());
        if (!byte)
            return std::nullopt;
        bytes.append(*byte);
    }
    return bytes;
}

QString passwordText(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(QChar(byte >= 0x80 && byte <= 0x9F ? kHighBlock[byte - 0x80u] : char16_t{byte}));
    }
    return text;
}

QString unstorablePasswordCharacters(const QString& plain)
{
    QString refused;
    // Walked by code point, so a character beyond the basic plane is named whole.
    for (const char32_t c : plain.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if ((c > 0xFFFF || !byteFor(static_cast<char16_t>(c))) && !refused.contains(character))
            refused += character;
    }
    return refused;
}

} // namespace qv
