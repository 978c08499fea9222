#pragma once

#include <QString>

namespace qv {

class KeyboardLayout;

// Whether what was typed at the show's prompt is the stored password. The stored
// password holds, for each character, what its key types without shift (that is how
// the password dialog keeps it), so typing the same keys matches whether or not
// Shift was held: "hi!" matches a stored "HI1" on a US layout. Typing the stored
// characters themselves, in any case, matches too.
bool typedPasswordMatches(const QString& typed, const QString& stored, const KeyboardLayout& layout);

} // namespace qv
