// The title screen's rules without a window: which kind of show and which buttons
// follow from the settings and the user's choices, deleting the active show, and
// the optional site line.
#include "config_ui/title/title_rules.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

// The rules the title window's own tests do not reach: "empty" in any case is no show
// (back to random), and choosing custom with a show active offers every button.
TEST(TitleRules, NoShowInAnyCaseAndCustomWithAShow)
{
    GlobalSettings settings;
    settings.randomFlag = 0;
    settings.activeCss = QStringLiteral("empty");
    EXPECT_EQ(settledButtons(settings), (TitleButtons{true, false, true, true, false}));
    EXPECT_EQ(settings.randomFlag, 1);
    settings.activeCss = QStringLiteral("Trip.css");
    EXPECT_EQ(customChosen(settings), (TitleButtons{false, true, true, true, true}));
    EXPECT_EQ(settings.randomFlag, 0);
    EXPECT_EQ(settings.activeCss, QStringLiteral("Trip.css"));
}

TEST(DeleteActiveShow, RemovesOnlyAPlainFileOfTheDataFolderAndAlwaysLeavesNoShowActive)
{
    QTemporaryDir root;
    QDir(root.path()).mkdir(QStringLiteral("data"));
    GlobalSettings settings;
    settings.slideshowPath = root.path() + QStringLiteral("/data/");
    QFile(settings.slideshowPath + QStringLiteral("Trip.css")).open(QIODevice::WriteOnly);
    QFile(settings.slideshowPath + QStringLiteral("Holiday.CSS")).open(QIODevice::WriteOnly);
    QFile(root.path() + QStringLiteral("/Precious.css")).open(QIODevice::WriteOnly);
    // The name as a load or save in another case made it: the list's file goes.
    const std::pair<const char*, bool> cases[] = {{"Trip.css", true}, {"holiday.css", true}, {"Gone.css", false},
                                                  {"../Precious.css", false}, {"..", false}, {"EMPTY", false}};
    for (const auto& [name, deleted] : cases) {
        settings.activeCss = QString::fromLatin1(name);
        QString saved = settings.activeCss;
        EXPECT_EQ(deleteActiveShow(settings, saved), deleted) << name;
        EXPECT_EQ(settings.activeCss, QStringLiteral("EMPTY")) << name;
        EXPECT_EQ(saved, QStringLiteral("EMPTY")) << name;
    }
    EXPECT_FALSE(QFile::exists(settings.slideshowPath + QStringLiteral("Trip.css")));
    EXPECT_FALSE(QFile::exists(settings.slideshowPath + QStringLiteral("Holiday.CSS")));
    EXPECT_TRUE(QFile::exists(root.path() + QStringLiteral("/Precious.css")));
    EXPECT_TRUE(QDir(settings.slideshowPath).exists());
}

// The site line is the first value on the file's first line, made short and harmless; a
// missing file or a folder in its place gives none.
TEST(SiteText, IsTheFirstValueOnOneShortLine)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data.sld"));
    EXPECT_EQ(readSiteText(path), QString());
    const std::pair<QByteArray, QString> cases[] = {
        {"Harbour Gallery\r\nsecond line\r\n", QStringLiteral("Harbour Gallery")},
        {"\"Open daily, 9 to 5\",42\n", QStringLiteral("Open daily, 9 to 5")},
        {"\"tab\there\x1b[2J  and\x7f more\"", QStringLiteral("tab here [2J and more")},
        {"", QString()},
        {QByteArray(100000, 'x'), QString(kSiteTextLimit - 1, QLatin1Char('x')) + QChar(0x2026)},
    };
    for (const auto& [content, expected] : cases) {
        ASSERT_TRUE(test::writeFile(path, content));
        EXPECT_EQ(readSiteText(path), expected) << content.left(30).toStdString();
    }
    ASSERT_TRUE(QFile::remove(path) && QDir(folder.path()).mkdir(QStringLiteral("data.sld")));
    EXPECT_EQ(readSiteText(path), QString());
}

} // namespace
} // namespace qv
