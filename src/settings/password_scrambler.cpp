#include "settings/password_scrambler.h"

#include <array>

namespace qv {
namespace {

constexpr std::array<unsigned char, 5> kKey = {'r', 'a', 'W', 'K', 'P'};

// The key letter for 1-based position i: the letter at position (i mod 5) + 1.
unsigned char keyFor(qsizetype position) { return kKey[static_cast<std::size_t>(position % 5)]; }

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

} // namespace qv
