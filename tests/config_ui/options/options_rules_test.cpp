#include "config_ui/options/border_bars.h"
#include "components/platform/keyboard_layout.h"
#include "config_ui/options/password_rules.h"
#include "components/standard_palette.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

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

struct Normalisation {
    const char* layout;
    QString typed;
    QString normalised;
};

class NormalisePassword : public ::testing::TestWithParam<Normalisation> {};

TEST_P(NormalisePassword, GivesTheUnshiftedKeysInCapitals)
{
    EXPECT_EQ(normalise_password(GetParam().typed, layout(GetParam().layout)), GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, NormalisePassword,
    ::testing::Values(
        Normalisation{"us", QStringLiteral("abc"), QStringLiteral("ABC")},
        Normalisation{"us", QStringLiteral("ABC"), QStringLiteral("ABC")},
        // Shifted symbols become their key's digit; the main row wins over the keypad.
        Normalisation{"us", QStringLiteral("hi!@ 1."), QStringLiteral("HI12 1.")},
        // US keyboards have no euro key of their own but the layout knows a media key
        // that types it; a character no key types becomes 0.
        Normalisation{"us", QStringLiteral("\u20acuro"), QStringLiteral("\u20acURO")},
        Normalisation{"us", QStringLiteral("\u00e9t\u00e9"), QString::fromUtf16(u"\0T\0", 3)},
        // On a German keyboard the euro sign is AltGr+E, the at sign AltGr+Q, and the
        // degree sign shares a key with a dead circumflex, which types nothing alone.
        Normalisation{"de", QStringLiteral("\u20acuro@z"), QStringLiteral("EUROQZ")},
        Normalisation{"de", QStringLiteral("\u00df\u00e4\u00b0"), QString::fromUtf16(u"\u00df\u00c4\0", 3)},
        Normalisation{"fr", QStringLiteral("1\u00e9a"), QStringLiteral("&\u00c9A")},
        // A second group is searched after the first: a Cyrillic letter is found there.
        Normalisation{"us,ru", QStringLiteral("a\u0444"), QStringLiteral("A\u0424")}));

struct Judgement {
    const char* layout;
    QString entry1;
    QString entry2;
    PasswordOutcome::Verdict verdict;
    QString offending;
};

class JudgeNewPassword : public ::testing::TestWithParam<Judgement> {};

TEST_P(JudgeNewPassword, RefusesWhatCouldNotBeTypedOrStored)
{
    const Judgement& j = GetParam();
    const PasswordOutcome outcome = judgeNewPassword(j.entry1, j.entry2, layout(j.layout));
    EXPECT_EQ(outcome.verdict, j.verdict);
    EXPECT_EQ(outcome.offending, j.offending);
    EXPECT_EQ(refusalMessage(outcome).has_value(), j.verdict != PasswordOutcome::Verdict::Accepted);
}

using V = PasswordOutcome::Verdict;
INSTANTIATE_TEST_SUITE_P(
    Cases, JudgeNewPassword,
    ::testing::Values(Judgement{"us", QString(), QString(), V::Accepted, QString()},
                      Judgement{"us", QStringLiteral("abc"), QStringLiteral("abd"), V::Mismatch, QString()},
                      Judgement{"us", QStringLiteral("\u4e2d\u00e9\u00e9"), QStringLiteral("\u4e2d\u00e9\u00e9"), V::NoKey,
                                QStringLiteral("\u4e2d\u00e9")},
                      // Czech keys type \u0161 and \u010d unshifted: the first is in the
                      // stored character set, the second is not.
                      Judgement{"cz", QStringLiteral("\u0161um"), QStringLiteral("\u0161UM"), V::Accepted, QString()},
                      Judgement{"cz", QStringLiteral("\u010dapek"), QStringLiteral("\u010dapek"), V::NotStorable,
                                QStringLiteral("\u010c")}));

TEST(PasswordRefusal, NamesEachCharacterThatCannotBeStored)
{
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
