#include "show_data_fixture.h"

#include "showdata/custom_show_file.h"
#include "showdata/name_lookup.h"
#include "showdata/scratch_files.h"

namespace qv::test {
namespace {

using ScratchFiles = ShowDataTest;

TEST_F(ScratchFiles, FileExistsInAndSavesIgnoreCaseButNotKind)
{
    writeDataFile("ZXZ2.CSS", "x");
    writeDataFile(".hidden.css", "x");
    QDir().mkpath(dataPath("folder.css"));
    const QString& folder = globalSettings().slideshowPath;
    for (const auto& [name, exists] : {std::pair{"zxz2.css", true}, {"Zxz2.Css", true}, {"zxz.css", false},
                                       {"folder.css", false}, {".hidden.css", false}, {"", false}})
        EXPECT_EQ(FileExistsIn(folder, QString::fromLatin1(name)), exists) << name;
    EXPECT_FALSE(FileExistsIn(folder + "missing/", "zxz2.css"));
    // A save under another case reuses the existing file, and a load under either finds it.
    globalSettings().activeCss = QStringLiteral("zXz2.css");
    ASSERT_EQ(SaveCustomShow(), 0);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"ZXZ2.CSS"});
    EXPECT_EQ(readFile(dataPath("ZXZ2.CSS")), QByteArray("\"Quintavue\",,,,,,,0\r\n"));
    globalSettings().activeCss = QStringLiteral("ZxZ2.cSs");
    EXPECT_EQ(LoadCustomShow(), 0);
}

// The leftovers go in any letter case, and nothing else; a random configuration set
// aside by an older version's unfinished test run goes back instead of away. This
// process's own copies go too.
TEST_F(ScratchFiles, DeleteRemovesTheLeftoversInAnyCaseAndNothingElse)
{
    for (const char* name : {"ZXZ.RSS", "zxz.css", "ZXZ.CSS", "Zxz2.Css", "tdz.css", "show.css", "Quintavu.rss"})
        writeDataFile(QString::fromLatin1(name), name);
    for (const QString& own : {ScratchFile::testRunCopy(), ScratchFile::singleSlideCopy(), ScratchFile::randomConfigCopy()})
        writeDataFile(own, "x");
    DeleteScratchFiles();
    QStringList left = QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    EXPECT_EQ(left, (QStringList{"Quintavu.rss", "show.css", "tdz.css"}));
    EXPECT_EQ(readFile(dataPath("Quintavu.rss")), QByteArray("ZXZ.RSS"));
    DeleteScratchFiles();  // nothing left to delete is no failure
    EXPECT_FALSE(restoreRandomConfigAfterInterruptedTest());  // nothing left to bring back
    EXPECT_TRUE(messages_.empty());
}

} // namespace
} // namespace qv::test
