#pragma once

#include <QByteArray>

#include <optional>

namespace qv {

// The reversible scrambling under which the screen-saver password is stored. Both
// sides work on 8-bit character codes; each password byte becomes two letters, the
// first from "k" to "z", the second from "a" to "p".
QByteArray encode_password(const QByteArray& plain);

// The password back from its stored form, or nothing when the stored text cannot
// have come from encode_password (odd length, letters outside the two ranges).
std::optional<QByteArray> decode_password(const QByteArray& stored);

} // namespace qv
