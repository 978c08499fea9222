#pragma once

#include "components/platform/message_box.h"

#include <QString>

#include <optional>

namespace qv {

class KeyboardLayout;

inline constexpr int kMaxPasswordLength = 25;

// What the password dialog makes of its two entries when OK is pressed.
struct PasswordOutcome {
    enum class Verdict { Accepted, Mismatch, TooLong, NoKey, NotStorable };
    Verdict verdict = Verdict::Accepted;
    QString normalised;   // the first entry normalised
    QString normalised2;  // the second entry normalised
    QString offending;    // NoKey and NotStorable: the characters at fault, each once
};

// Normalises both entries with `layout` and judges them: they must match, hold at
// most kMaxPasswordLength characters, consist of characters a key types, and fit
// the character set the password is stored in.
PasswordOutcome judgeNewPassword(const QString& entry1, const QString& entry2, const KeyboardLayout& layout);

// The box that tells the user why the password was refused; nothing when accepted.
std::optional<Message> refusalMessage(const PasswordOutcome& outcome);

} // namespace qv
