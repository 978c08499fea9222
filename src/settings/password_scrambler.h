#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace qv {

// The reversible scrambling under which the screen-saver password is stored. Both
// sides work on 8-bit character codes; each password byte becomes two letters, the
// first from "k" to "z", the second from "a" to "p".
QByteArray encode_password(const QByteArray& plain);

// The password back from its stored form, or nothing when the stored text cannot
// have come from encode_password (odd length, letters outside the two ranges).
std::optional<QByteArray> decode_password(const QByteArray& stored);

// The 8-bit character set the password is scrambled in: Windows-1252, the set the
// program's Windows ancestors stored it in and the one the show files fall back to.
// Its letters above 0x9F are those of Latin-1, so passwords stored through Latin-1
// read back unchanged. Nothing when a character has no code in the set: such a
// password must be refused, never stored as something else.
std::optional<QByteArray> passwordBytes(const QString& plain);
QString passwordText(const QByteArray& bytes);

// The characters of `plain` the set cannot hold, each once, in order of appearance.
QString unstorablePasswordCharacters(const QString& plain);

} // namespace qv
