#include "config_ui/options/password_rules.h"

#include "components/platform/keyboard_layout.h"
#include "settings/password_scrambler.h"

#include <QList>
#include <QStringList>

namespace qv {
namespace {

// Characters of the entries whose key types no character without shift.
QString charactersWithoutKey(const QString& entry1, const QString& entry2, const KeyboardLayout& layout)
{
    QString found;
    for (const char32_t c : (entry1 + entry2).toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (layout.unshiftedCharacterFor(c).value_or(0) == 0 && !found.contains(character))
            found += character;
    }
    return found;
}

// "a", "a" and "b", "a", "b" and "c": the characters quoted for a message.
QString quotedList(const QString& characters)
{
    QStringList quoted;
    for (const char32_t c : characters.toUcs4())
        quoted << QStringLiteral("\u201c") + QString::fromUcs4(&c, 1) + QStringLiteral("\u201d");
    if (quoted.size() < 2)
        return quoted.join(QString());
    const QString last = quoted.takeLast();
    return quoted.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace

PasswordOutcome judgeNewPassword(const QString& entry1, const QString& entry2, const KeyboardLayout& layout)
{
    using Verdict = PasswordOutcome::Verdict;
    PasswordOutcome outcome;
    outcome.normalised = normalise_password(entry1, layout);
    outcome.normalised2 = normalise_password(entry2, layout);
    if (outcome.normalised != outcome.normalised2) {
        outcome.verdict = Verdict::Mismatch;
    } else if (outcome.normalised.toUcs4().size() > kMaxPasswordLength) {
        outcome.verdict = Verdict::TooLong;
    } else if (outcome.normalised.contains(QChar(0))) {
        // A character no key types would be stored as code 0, which nobody can type
        // at the show's prompt: the password would lock its owner out.
        outcome.verdict = Verdict::NoKey;
        outcome.offending = charactersWithoutKey(entry1, entry2, layout);
    } else if (const QString refused = unstorablePasswordCharacters(outcome.normalised); !refused.isEmpty()) {
        outcome.verdict = Verdict::NotStorable;
        outcome.offending = refused;
    }
    return outcome;
}

std::optional<Message> refusalMessage(const PasswordOutcome& outcome)
{
    using Verdict = PasswordOutcome::Verdict;
    switch (outcome.verdict) {
    case Verdict::Accepted:
        return std::nullopt;
    case Verdict::Mismatch:
        return Message{QStringLiteral("The new and confirmed passwords do not match. Please type them again."),
                       QStringLiteral("Quintavue"), MessageButtons::Ok, MessageIcon::Critical};
    case Verdict::TooLong:
        // The number keeps the blank a number-to-text conversion puts before it.
        return Message{QStringLiteral("New password too long\nMaximum length  %1 chars").arg(kMaxPasswordLength),
                       QStringLiteral("Change Password"), MessageButtons::Ok, MessageIcon::Warning};
    case Verdict::NoKey:
        return Message{QStringLiteral("The keyboard layout in use has no key of its own for %1, and a password is kept "
                                      "as the keys that type it. Please choose other characters.")
                           .arg(quotedList(outcome.offending)),
                       QStringLiteral("Change Password"), MessageButtons::Ok, MessageIcon::Warning};
    case Verdict::NotStorable:
        return Message{QStringLiteral("Passwords are stored in the Western European character set (Windows-1252), "
                                      "which has no place for %1. Please choose other characters.")
                           .arg(quotedList(outcome.offending)),
                       QStringLiteral("Change Password"), MessageButtons::Ok, MessageIcon::Warning};
    }
    return std::nullopt;
}

} // namespace qv
