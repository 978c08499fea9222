#include "show_data_fixture.h"

#include "showdata/custom_show_file.h"
#include "showdata/name_lookup.h"
#include "showdata/scratch_files.h"

namespace qv::test {
namespace {

using ScratchFiles = ShowDataTest;

TEST_F(ScratchFiles, FileExistsInIgnoresCaseButNotKind)
{
    writeDataFile("ZXZ2.CSS", "x");
    writeDataFile(".hidden.css", "x");
    QDir().mkpath(dataPath("folder.css"));
    const QString& folder = globalSettings().slideshowPath;
    EXPECT_TRUE(FileExistsIn(folder, "zxz2.css"));
    EXPECT_TRUE(FileExistsIn(folder, "Zxz2.Css"));
    EXPECT_FALSE(FileExistsIn(folder, "zxz.css"));
    EXPECT_FALSE(FileExistsIn(folder, "folder.css"));
    EXPECT_FALSE(FileExistsIn(folder, ".hidden.css"));
    EXPECT_FALSE(FileExistsIn(folder, ""));
    EXPECT_FALSE(FileExistsIn(folder + "missing/", "zxz2.css"));
}

TEST_F(ScratchFiles, WritingUnderAnotherCaseReusesTheExistingFile)
{
    writeDataFile("zxz2.css", "old");
    globalSettings().activeCss = ScratchFile::wholeShowCopy;  // "ZXZ2.CSS"
    ASSERT_EQ(SaveCustomShow(), 0);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"zxz2.css"});
    EXPECT_EQ(readFile(dataPath("zxz2.css")), QByteArray("\"Quintavue\",,,,,,,0\r\n"));
    // ... and reading under either spelling finds it.
    globalSettings().activeCss = QStringLiteral("ZxZ2.cSs");
    EXPECT_EQ(LoadCustomShow(), 0);
}

TEST_F(ScratchFiles, DeleteRemovesTheLeftoversInAnyCaseAndNothingElse)
{
    for (const char* name : {"ZXZ.RSS", "zxz.css", "ZXZ.CSS", "Zxz2.Css", "tdz.css", "show.css", "quintavu.rss"})
        writeDataFile(QString::fromLatin1(name), "x");
    DeleteScratchFiles();
    QStringList left = QDir(folder_.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{"quintavu.rss", "show.css", "tdz.css"}));
    DeleteScratchFiles();  // nothing left to delete is no failure
    EXPECT_TRUE(recorder_.messages.empty());
}

TEST_F(ScratchFiles, ASetAsideRandomConfigurationGoesBackInsteadOfAway)
{
    writeDataFile("zxz.rss", "saved");
    writeDataFile("Quintavu.rss", "edited for a test");
    DeleteScratchFiles();
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"Quintavu.rss"});
    EXPECT_EQ(readFile(dataPath("Quintavu.rss")), QByteArray("saved"));
    EXPECT_FALSE(restoreRandomConfigAfterInterruptedTest());  // nothing left to bring back
}

} // namespace
} // namespace qv::test
