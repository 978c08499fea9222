#include "config_ui/options/border_bars.h"
#include "components/platform/keyboard_layout.h"
#include "config_ui/options/password_rules.h"
#include "components/standard_palette.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace qv {
namespace {

const KeyboardLayout& layout(const char* name)
{
    static std::map<std::string, KeyboardLayout> layouts;
    auto found = layouts.find(name);
    if (found == layouts.end()) {
        std::optional<KeyboardLayout> made = KeyboardLayout::fromNames(QString::fromLatin1(name));
        EXPECT_TRUE(made.has_value()) << name;
        found = layouts.emplace(name, std::move(*made)).first;
    }
    return found->second;
}

TEST(NormalisePassword, GivesTheUnshiftedKeysInCapitals)
{
    const std::tuple<const char*, QString, QString> cases[] = {
        {"us", QStringLiteral("abc"), QStringLiteral("ABC")},
        // Shifted symbols become their key's digit; the main row wins over the keypad.
        {"us", QStringLiteral("hi!@ 1."), QStringLiteral("HI12 1.")},
        // US keyboards have no euro key of their own but the layout knows a media key
        // that types it; a character no key types becomes 0.
        {"us", QStringLiteral("\u20acuro"), QStringLiteral("\u20acURO")},
        {"us", QStringLiteral("\u00e9t\u00e9"), QString::fromUtf16(u"\0T\0", 3)},
        // On a German keyboard the euro sign is AltGr+E, the at sign AltGr+Q, and the
        // degree sign shares a key with a dead circumflex, which types nothing alone.
        {"de", QStringLiteral("\u20acuro@z"), QStringLiteral("EUROQZ")},
        {"de", QStringLiteral("\u00df\u00e4\u00b0"), QString::fromUtf16(u"\u00df\u00c4\0", 3)},
        {"fr", QStringLiteral("1\u00e9a"), QStringLiteral("&\u00c9A")},
        // A second group is searched after the first: a Cyrillic letter is found there.
        {"us,ru", QStringLiteral("a\u0444"), QStringLiteral("A\u0424")},
    };
    for (const auto& [names, typed, normalised] : cases)
        EXPECT_EQ(normalise_password(typed, layout(names)), normalised) << names << " " << typed.toStdString();
}
TEST(JudgeNewPassword, RefusesWhatCouldNotBeTypedOrStored)
{
    using V = PasswordOutcome::Verdict;
    const std::tuple<const char*, QString, QString, V, QString> cases[] = {
        {"us", QString(), QString(), V::Accepted, QString()},
        {"us", QStringLiteral("abc"), QStringLiteral("abd"), V::Mismatch, QString()},
        {"us", QStringLiteral("\u4e2d\u00e9\u00e9"), QStringLiteral("\u4e2d\u00e9\u00e9"), V::NoKey, QStringLiteral("\u4e2d\u00e9")},
        // Czech keys type \u0161 and \u010d unshifted: the first is in the stored
        // character set, the second is not.
        {"cz", QStringLiteral("\u0161um"), QStringLiteral("\u0161UM"), V::Accepted, QString()},
        {"cz", QStringLiteral("\u010dapek"), QStringLiteral("\u010dapek"), V::NotStorable, QStringLiteral("\u010c")},
    };
    for (const auto& [names, entry1, entry2, verdict, offending] : cases) {
        const PasswordOutcome outcome = judgeNewPassword(entry1, entry2, layout(names));
        EXPECT_EQ(outcome.verdict, verdict) << entry1.toStdString();
        EXPECT_EQ(outcome.offending, offending) << entry1.toStdString();
        EXPECT_EQ(refusalMessage(outcome).has_value(), verdict != V::Accepted) << entry1.toStdString();
    }
    // The refusal names each character that cannot be stored.
    PasswordOutcome outcome;
    outcome.verdict = V::NotStorable;
    outcome.offending = QStringLiteral("\u010c\u0158");
    const std::optional<Message> box = refusalMessage(outcome);
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->text.contains(QStringLiteral("\u201c\u010c\u201d and \u201c\u0158\u201d"))) << box->text.toStdString();
}

TEST(BorderBars, ValuesBecomeTheComponentsBorderRingByRing)
{
    const BorderValues values = {9, 14, 2, 5, 4, 10, 1, 7, 3, 0};
    const BorderStyle border = borderStyleOf(values);
    EXPECT_EQ(border.inner, (Bevel{5, 2, standardColour(9), standardColour(14)}));
    EXPECT_EQ(border.outer, (Bevel{7, 1, standardColour(4), standardColour(10)}));
    EXPECT_EQ(border.colour, standardColour(3));
    EXPECT_EQ(border.width, 0);
    EXPECT_EQ(borderValueText(0, 9), QStringLiteral("9 Light Blue"));
    EXPECT_EQ(borderValueText(6, 2), QStringLiteral("2 Raised"));
    EXPECT_EQ(borderValueText(9, 30), QStringLiteral("30"));
}

} // namespace
} // namespace qv
