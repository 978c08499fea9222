// The title screen's rules without a window: which kind of show and which buttons
// follow from the settings and the user's choices, deleting the active show, and
// the optional site line.
#include "config_ui/title/title_rules.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace qv {
namespace {

constexpr TitleButtons kRandom{true, false, true, true, false};
constexpr TitleButtons kCustom{false, true, true, true, true};
constexpr TitleButtons kCustomWithoutShow{false, true, false, false, false};

struct RuleCase {
    const char* rule;
    std::function<TitleButtons(GlobalSettings&)> apply;
    std::int16_t randomFlag;
    const char* activeCss;
    TitleButtons expected;
    std::int16_t flagAfter;
    const char* activeAfter;
};

class TitleRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(TitleRules, SetTheKindOfShowAndTheButtons)
{
    const RuleCase& c = GetParam();
    GlobalSettings settings;
    settings.randomFlag = c.randomFlag;
    settings.activeCss = QString::fromLatin1(c.activeCss);
    EXPECT_EQ(c.apply(settings), c.expected) << c.rule;
    EXPECT_EQ(settings.randomFlag, c.flagAfter) << c.rule;
    EXPECT_EQ(settings.activeCss, QString::fromLatin1(c.activeAfter)) << c.rule;
}

const auto settled = [](GlobalSettings& s) { return settledButtons(s); };
const auto custom = [](GlobalSettings& s) { return customChosen(s); };
const auto pickTrip = [](GlobalSettings& s) { return showPicked(s, QStringLiteral("Trip.css")); };

INSTANTIATE_TEST_SUITE_P(
    Cases, TitleRules,
    ::testing::Values(RuleCase{"settled", settled, 1, "Trip.css", kRandom, 1, "Trip.css"},
                      RuleCase{"settled", settled, 0, "Trip.css", kCustom, 0, "Trip.css"},
                      // A custom show with nothing active cannot be played: back to random.
                      RuleCase{"settled", settled, 0, "EMPTY", kRandom, 1, "EMPTY"},
                      RuleCase{"settled", settled, 0, "empty", kRandom, 1, "empty"},
                      RuleCase{"random", [](GlobalSettings& s) { return randomChosen(s); }, 0, "Trip.css", kRandom,
                               1, "Trip.css"},
                      RuleCase{"custom", custom, 1, "Empty", kCustomWithoutShow, 0, "Empty"},
                      RuleCase{"custom", custom, 1, "Trip.css", kCustom, 0, "Trip.css"},
                      RuleCase{"pick", pickTrip, 1, "EMPTY", kCustom, 0, "Trip.css"}));

TEST(DeleteActiveShow, RemovesOnlyAPlainFileOfTheDataFolderAndAlwaysLeavesNoShowActive)
{
    QTemporaryDir root;
    QDir(root.path()).mkdir(QStringLiteral("data"));
    GlobalSettings settings;
    settings.slideshowPath = root.path() + QStringLiteral("/data/");
    QFile(settings.slideshowPath + QStringLiteral("Trip.css")).open(QIODevice::WriteOnly);
    QFile(root.path() + QStringLiteral("/Precious.css")).open(QIODevice::WriteOnly);
    const std::pair<const char*, bool> cases[] = {
        {"Trip.css", true}, {"Gone.css", false}, {"../Precious.css", false}, {"..", false}, {"EMPTY", false}};
    for (const auto& [name, deleted] : cases) {
        settings.activeCss = QString::fromLatin1(name);
        QString saved = settings.activeCss;
        EXPECT_EQ(deleteActiveShow(settings, saved), deleted) << name;
        EXPECT_EQ(settings.activeCss, QStringLiteral("EMPTY")) << name;
        EXPECT_EQ(saved, QStringLiteral("EMPTY")) << name;
    }
    EXPECT_FALSE(QFile::exists(settings.slideshowPath + QStringLiteral("Trip.css")));
    EXPECT_TRUE(QFile::exists(root.path() + QStringLiteral("/Precious.css")));
    EXPECT_TRUE(QDir(settings.slideshowPath).exists());
}

struct SiteCase {
    QByteArray content;
    QString expected;
};

class SiteText : public ::testing::TestWithParam<SiteCase> {};

TEST_P(SiteText, IsTheFirstValueOnOneShortLine)
{
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/data.sld");
    ASSERT_TRUE(test::writeFile(path, GetParam().content));
    EXPECT_EQ(readSiteText(path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SiteText,
    ::testing::Values(SiteCase{"Harbour Gallery\r\nsecond line\r\n", QStringLiteral("Harbour Gallery")},
                      SiteCase{"\"Open daily, 9 to 5\",42\n", QStringLiteral("Open daily, 9 to 5")},
                      SiteCase{"\"tab\there\x1b[2J  and\x7f more\"", QStringLiteral("tab here [2J and more")},
                      SiteCase{"", QString()},
                      SiteCase{QByteArray(100000, 'x'), QString(kSiteTextLimit - 1, QLatin1Char('x')) + QChar(0x2026)}));

TEST(SiteTextFile, MissingOrNotAPlainFileGivesNothing)
{
    QTemporaryDir folder;
    EXPECT_EQ(readSiteText(folder.path() + QStringLiteral("/data.sld")), QString());
    QDir(folder.path()).mkdir(QStringLiteral("data.sld"));
    EXPECT_EQ(readSiteText(folder.path() + QStringLiteral("/data.sld")), QString());
}

} // namespace
} // namespace qv
