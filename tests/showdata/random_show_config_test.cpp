#include "show_data_fixture.h"

#include "components/platform/file_errors.h"
#include "showdata/random_show_config_file.h"

namespace qv::test {
namespace {

using RandomShowConfigFile = ShowDataTest;

// Without a file the program's own media folder is the one to search, for pictures and
// sounds, and the names of the pictures are shown. A save into a folder that is gone
// reports it.
TEST_F(RandomShowConfigFile, NoFileGivesTheDefaultsQuietlyAndTheyAreWrittenByteForByte)
{
    globalSettings().picinfoFlag = 0;
    randomShowConfig().delaySeconds = 3;
    EXPECT_EQ(LoadRandomShowConfig(), 0);
    EXPECT_EQ(globalSettings().picinfoFlag, 1);
    EXPECT_TRUE(messages_.empty());
    ASSERT_EQ(SaveRandomShowConfig(), 0);
    EXPECT_EQ(readFile(dataPath("quintavu.rss")), QByteArray("\"Quintavue\",0,1,0,15,0,0,1,1\r\n"
                                                             "\"/usr/share/quintavue/media\"\r\n"
                                                             "\"/usr/share/quintavue/media\"\r\n"));
    globalSettings().slideshowPath = folder_.path() + QStringLiteral("/gone/");
    EXPECT_EQ(SaveRandomShowConfig(), FileError::PathNotFound);
    EXPECT_EQ(messageTexts(), QStringList{"Path not found\n" + globalSettings().slideshowPath + "quintavu.rss"});
}

TEST_F(RandomShowConfigFile, SavedConfigurationLoadsBackUnchanged)
{
    RandomShowConfig config;
    config.loopAudio = 1;
    config.showFileNames = 0;
    config.reserved = 7;  // unknown to the program, kept all the same
    config.delaySeconds = 42;
    config.pictureSubdirs = 1;
    config.pictureDirs = {"", "/photos/2019, summer", "/photos/Ünïcode", decodeFileName("/photos/f\xF6to"), ""};
    config.audioDirs = {""};
    randomShowConfig() = config;
    startupState().appName = QStringLiteral("Older Name");
    ASSERT_EQ(SaveRandomShowConfig(), 0);

    randomShowConfig() = RandomShowConfig{};
    startupState().appName = QStringLiteral("Quintavue");
    globalSettings().picinfoFlag = 1;
    ASSERT_EQ(LoadRandomShowConfig(), 0);
    EXPECT_EQ(randomShowConfig(), config);
    EXPECT_EQ(startupState().appName, QStringLiteral("Older Name"));
    EXPECT_EQ(globalSettings().picinfoFlag, 0);
}

// Exactly the counted folders are read. Fields read before a failure keep their new
// values, the rest their old ones, and the counts always match the lists.
TEST_F(RandomShowConfigFile, ABrokenFileIsReportedAndKeepsWhatItRead)
{
    const struct {
        const char* name;
        QByteArray bytes;
        int error;
        std::int16_t delaySeconds;  // 99 = kept from before
        int pictureDirCount;        // 1 = the previous list
    } cases[] = {{"LinesAfterTheCountedOnes", "\"Q\",0,0,0,20,0,0,3,0\r\n\"/a\"\r\n\"/b\"\r\n\"/c\"\r\n\"/not read\"\r\n", 0, 20, 3},
                 {"Empty", "", FileError::InputPastEndOfFile, 99, 1},
                 {"DelayNotANumber", "\"Q\",0,1,0,soon,0,0,1,1\r\n", FileError::TypeMismatch, 99, 1},
                 {"DirectoriesMissing", "\"Q\",0,1,0,20,0,0,3,1\r\n\"/a\"\r\n", FileError::InputPastEndOfFile, 20, 1},
                 {"HostileCount", "\"Q\",0,1,0,20,0,0,32767,1\r\n\"/a\"\r\n\"/b\"\r\n", FileError::InputPastEndOfFile, 20, 2},
                 {"CountBeyondSixteenBits", "\"Q\",0,1,0,20,0,0,99999,1\r\n", FileError::Overflow, 20, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        randomShowConfig().delaySeconds = 99;
        randomShowConfig().pictureDirs = {"", "/previous"};
        randomShowConfig().audioDirs = {""};
        globalSettings().picinfoFlag = 0;
        messages_.clear();
        writeDataFile("quintavu.rss", c.bytes);
        EXPECT_EQ(LoadRandomShowConfig(), c.error);
        EXPECT_EQ(messageTexts(), c.error == 0 ? QStringList() : QStringList{fileErrorText(c.error) + '\n' + dataPath("quintavu.rss")});
        EXPECT_EQ(randomShowConfig().delaySeconds, c.delaySeconds);
        EXPECT_EQ(randomShowConfig().pictureDirCount(), c.pictureDirCount);
        EXPECT_EQ(randomShowConfig().audioDirCount(), 0);
        EXPECT_EQ(globalSettings().picinfoFlag, 0);
    }
}

} // namespace
} // namespace qv::test
