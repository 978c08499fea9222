#include "engine/password_match.h"

#include "components/platform/keyboard_layout.h"

namespace qv {

bool typedPasswordMatches(const QString& typed, const QString& stored, const KeyboardLayout& layout)
{
    if (typed.toUpper() == stored.toUpper())
        return true;
    // A character no key types normalises to character 0; such a password was
    // refused when it was set, so a 0 here can only come from what was typed.
    const QString normalised = normalise_password(typed, layout);
    return !normalised.contains(QChar(0)) && normalised == stored;
}

} // namespace qv
