// The title screen's rules without a window: which kind of show and which buttons
// follow from the settings, deleting the active show, and the optional site line.
#include "config_ui/title/title_rules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

struct SettledCase {
    std::int16_t randomFlag;
    const char* activeCss;
    TitleButtons expected;
    std::int16_t flagAfter;
};

constexpr TitleButtons kRandom{true, false, true, true, false};
constexpr TitleButtons kCustom{false, true, true, true, true};
constexpr TitleButtons kCustomWithoutShow{false, true, false, false, false};

class SettledButtons : public ::testing::TestWithParam<SettledCase> {};

TEST_P(SettledButtons, FollowTheKindOfShowAndTheActiveShow)
{
    GlobalSettings settings;
    settings.randomFlag = GetParam().randomFlag;
    settings.activeCss = QString::fromLatin1(GetParam().activeCss);
    EXPECT_EQ(settledButtons(settings), GetParam().expected);
    EXPECT_EQ(settings.randomFlag, GetParam().flagAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettledButtons,
    ::testing::Values(SettledCase{1, "EMPTY", kRandom, 1}, SettledCase{1, "Trip.css", kRandom, 1},
                      SettledCase{0, "Trip.css", kCustom, 0},
                      // A custom show with nothing active cannot be played: back to random.
                      SettledCase{0, "EMPTY", kRandom, 1}, SettledCase{0, "empty", kRandom, 1}));

TEST(TitleChoices, CustomNeedsAnActiveShowAndPickingAShowChoosesCustom)
{
    GlobalSettings settings;
    settings.activeCss = QStringLiteral("Empty");
    EXPECT_EQ(customChosen(settings), kCustomWithoutShow);
    EXPECT_EQ(settings.randomFlag, 0);
    EXPECT_EQ(randomChosen(settings), kRandom);
    EXPECT_EQ(settings.randomFlag, 1);
    EXPECT_EQ(showPicked(settings, QStringLiteral("Trip.css")), kCustom);
    EXPECT_EQ(settings.activeCss, QStringLiteral("Trip.css"));
    EXPECT_EQ(settings.randomFlag, 0);
}

class DeleteActiveShow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        QDir(root_.path()).mkdir(QStringLiteral("data"));
        settings_.slideshowPath = root_.path() + QStringLiteral("/data/");
        saved_ = QStringLiteral("Trip.css");
    }
    void touch(const QString& path) { QFile(path).open(QIODevice::WriteOnly); }

    QTemporaryDir root_;
    GlobalSettings settings_;
    QString saved_;
};

TEST_F(DeleteActiveShow, RemovesTheFileAndLeavesNoShowActive)
{
    touch(settings_.slideshowPath + QStringLiteral("Trip.css"));
    settings_.activeCss = QStringLiteral("Trip.css");
    EXPECT_TRUE(deleteActiveShow(settings_, saved_));
    EXPECT_FALSE(QFile::exists(settings_.slideshowPath + QStringLiteral("Trip.css")));
    EXPECT_EQ(settings_.activeCss, QStringLiteral("EMPTY"));
    EXPECT_EQ(saved_, QStringLiteral("EMPTY"));
}

TEST_F(DeleteActiveShow, AMissingFileOrANameOutsideTheDataFolderDeletesNothingButStillClears)
{
    const QString outside = root_.path() + QStringLiteral("/Precious.css");
    touch(outside);
    for (const char* name : {"Gone.css", "../Precious.css", "..", "EMPTY"}) {
        settings_.activeCss = QString::fromLatin1(name);
        saved_ = settings_.activeCss;
        EXPECT_FALSE(deleteActiveShow(settings_, saved_)) << name;
        EXPECT_EQ(settings_.activeCss, QStringLiteral("EMPTY")) << name;
        EXPECT_EQ(saved_, QStringLiteral("EMPTY")) << name;
    }
    EXPECT_TRUE(QFile::exists(outside));
    EXPECT_TRUE(QDir(settings_.slideshowPath).exists());
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
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().content);
    file.close();
    EXPECT_EQ(readSiteText(path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SiteText,
    ::testing::Values(SiteCase{"Harbour Gallery\r\nsecond line\r\n", QStringLiteral("Harbour Gallery")},
                      SiteCase{"\"Open daily, 9 to 5\",42\n", QStringLiteral("Open daily, 9 to 5")},
                      SiteCase{"first,second", QStringLiteral("first")},
                      SiteCase{"\"tab\there\x1b[2J  and\x7f more\"", QStringLiteral("tab here [2J and more")},
                      SiteCase{"<b>bold</b>", QStringLiteral("<b>bold</b>")}, SiteCase{"", QString()},
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
