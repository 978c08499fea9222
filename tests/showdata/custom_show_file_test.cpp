#include "show_data_fixture.h"

#include "components/picture/picture_decoder.h"
#include "components/platform/file_errors.h"
#include "components/sound/sound_file.h"
#include "showdata/custom_show_file.h"
#include "showdata/file_replacement.h"
#include "showdata/show_file_listing.h"

#include <cstdio>

#include <sys/stat.h>

namespace qv::test {
namespace {

const SlideRecord beach = slide("/pics/beach.jpg", "Sun, sea, sand", 5, 114, 10, "Sound Off", 1);
const SlideRecord dog = slide("/pics/dog.gif", "", 12, 3, 0, "", 0);
const SlideRecord night = slide("/pics/night.bmp", "Café", -1, 51, 255, "/snd/owl.wav", 2);

using CustomShowFile = ShowDataTest;

// The first field, read from a show file (another program's name), is written into later ones.
TEST_F(CustomShowFile, SavedShowLoadsBackUnchanged)
{
    const CustomShow saved = showOf({beach, dog, night});
    customShow() = saved;
    startupState().appName = QStringLiteral("Slide Maker 2");
    ASSERT_EQ(SaveCustomShow(), 0);
    EXPECT_EQ(readFile(dataPath("show.css")),
              QByteArray("\"Slide Maker 2\",,,,,,,3\r\n"
                         "\"/pics/beach.jpg\",\"Sun, sea, sand\",5,114,10,\"Sound Off\",1\r\n"
                         "\"/pics/dog.gif\",\"\",12,3,0,\"\",0\r\n"
                         "\"/pics/night.bmp\",\"Caf\xC3\xA9\",-1,51,255,\"/snd/owl.wav\",2\r\n"));
    customShow() = CustomShow{};
    ASSERT_EQ(LoadCustomShow(), 0);
    EXPECT_EQ(customShow().slideCount, 3);
    EXPECT_EQ(customShow().pictureCount, 3);
    for (int position = 1; position <= 3; ++position)
        EXPECT_EQ(customShow().slide(position), saved.slide(position)) << position;
    // A single slide is saved as a show of one, the show staying whole.
    globalSettings().activeCss = QStringLiteral("ZXZ.CSS");
    ASSERT_EQ(SaveSingleSlide(2), 0);
    EXPECT_EQ(customShow().slideCount, 3);
    EXPECT_EQ(readFile(dataPath("ZXZ.CSS")), QByteArray("\"Slide Maker 2\",,,,,,,1\r\n\"/pics/dog.gif\",\"\",12,3,0,\"\",0\r\n"));
    ASSERT_EQ(LoadCustomShow(), 0);
    ASSERT_EQ(customShow().slideCount, 1);
    EXPECT_EQ(customShow().slide(1), dog);
    // A show of no slides leaves no picture of the last one behind.
    globalSettings().activeCss = QStringLiteral("show.css");
    writeDataFile("show.css", "\"Quintavue\",,,,,,,0\r\n");
    ASSERT_EQ(LoadCustomShow(), 0);
    EXPECT_EQ(customShow().slideCount, 0);
    EXPECT_EQ(customShow().pictureCount, 0);
    EXPECT_TRUE(messages_.empty());
}

// Files written by hand or by other programs load as the field rules say; a broken one
// is reported as corrupt with its reason.
TEST_F(CustomShowFile, HandWrittenFilesLoadAsTheFieldRulesSay)
{
    const SlideRecord a = slide("/a.jpg", "", 1, 2, 3, "", 0);
    const struct {
        const char* name;
        QByteArray bytes;
        int error;
        std::vector<SlideRecord> slides;  // what the table holds afterwards
        const char* appName;
    } cases[] = {
        {"OneSlidePerLineNotRequired", "\"Quintavue\",,,,,,,1\r\n\"/a.jpg\"\r\n\"x\",1\r\n2,3,\"\",0\r\n", 0,
         {slide("/a.jpg", "x", 1, 2, 3, "", 0)}, "Quintavue"},
        {"CountSmallerThanLines", "\"Quintavue\",,,,,,,1\r\n\"/a.jpg\",\"\",1,2,3,\"\",0\r\n\"/b.jpg\",\"\",4,5,6,\"\",0\r\n", 0, {a},
         "Quintavue"},
        {"CountLargerThanLines", "\"Quintavue\",,,,,,,3\r\n\"/a.jpg\",\"\",1,2,3,\"\",0\r\n", FileError::InputPastEndOfFile, {a},
         "Quintavue"},
        {"HostileCount", "\"Quintavue\",,,,,,,2000000000\r\n\"/a.jpg\",\"\",1,2,3,\"\",0\r\n", FileError::InputPastEndOfFile,
         {a}, "Quintavue"},
        {"CutInsideASlide", "\"Quintavue\",,,,,,,2\r\n\"/a.jpg\",\"\",1,2,3,\"\",0\r\n\"/b.jpg\",\"\",4",
         FileError::InputPastEndOfFile, {a}, "Quintavue"},
        {"CountNotANumber", "\"Quintavue\",,,,,,,three\r\n", FileError::TypeMismatch, {}, "Quintavue"},
        {"EffectBeyondSixteenBits", "\"Q\",,,,,,,1\r\n\"/a.jpg\",\"\",1,70000,3,\"\",0\r\n", FileError::Overflow, {}, "Q"},
        {"ReservedFieldsIgnored", "\"Other app\",x,\"y\",3,,,,1\r\n\"/a.jpg\",\"d\",1,2,3,\"\",0\r\n", 0,
         {slide("/a.jpg", "d", 1, 2, 3, "", 0)}, "Other app"},
        {"Windows1252Bytes", "\"Quintavue\",,,,,,,1\r\n\"C:\\Bilder\\\xC4pfel.jpg\",\"Caf\xE9 \x93hot\x94\",1,2,3,\"\",0\r\n", 0,
         {SlideRecord{decodeFileName("C:\\Bilder\\\xC4pfel.jpg"), QString::fromUtf8("Café “hot”"), 1, 2, 3, QString(), 0}},
         "Quintavue"},
        {"EmptyFile", "", FileError::InputPastEndOfFile, {}, "Quintavue"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        customShow() = CustomShow{};
        startupState().appName = QStringLiteral("Quintavue");
        messages_.clear();
        writeDataFile("show.css", c.bytes);
        EXPECT_EQ(LoadCustomShow(), c.error);
        ASSERT_EQ(customShow().slideCount, static_cast<int>(c.slides.size()));
        for (int position = 1; position <= customShow().slideCount; ++position)
            EXPECT_EQ(customShow().slide(position), c.slides[static_cast<std::size_t>(position - 1)]) << position;
        EXPECT_EQ(startupState().appName, QString::fromUtf8(c.appName));
        // Nothing may index past the columns, whatever the outcome.
        EXPECT_GE(customShow().picture.size(), static_cast<std::size_t>(customShow().pictureCount) + 1);
        EXPECT_EQ(messageTexts(), c.error == 0 ? QStringList() : QStringList{"The custom Quintavue file show.css is corrupt!   "
                                                                              + fileErrorText(c.error)});
    }
}

// A path whose name is not UTF-8 is written by its real bytes and reads back to them, and a
// show saved under such a name lists and loads; a show of the program's Windows ancestors,
// whose Windows-1252 name now stands in UTF-8 on disk, still finds its picture.
TEST_F(CustomShowFile, NamesThatAreNotUtf8KeepTheirBytes)
{
    const QByteArray folder = encodeFileName(dataPath("f")) + "\xF6to/";
    ASSERT_TRUE(writeRawNamedPicture(folder + "caf\xE9.jpg"));
    const QString picture = decodeFileName(folder + "caf\xE9.jpg");
    const QString sound = decodeFileName(folder + "m\xFCsik.wav");  // on disk in other letter case
    ASSERT_TRUE(writeRawNamedPicture(folder + "M\xFCsik.WAV.png"));
    ASSERT_EQ(std::rename((folder + "M\xFCsik.WAV.png").constData(), (folder + "M\xFCsik.WAV").constData()), 0);
    customShow() = showOf({SlideRecord{picture, QString::fromUtf8("Café"), 5, 1, 2, sound, 0}});
    globalSettings().activeCss = decodeFileName("s\xE9rie.css");
    ASSERT_EQ(SaveCustomShow(), 0);
    EXPECT_EQ(readFile(dataPath(globalSettings().activeCss)),
              "\"Quintavue\",,,,,,,1\r\n\"" + folder + "caf\xE9.jpg\",\"Caf\xC3\xA9\",5,1,2,\"" + folder
                  + "m\xFCsik.wav\",0\r\n");

    const ShowFileListing listing = listShowFilesIn(globalSettings().slideshowPath, globalSettings().activeCss);
    EXPECT_EQ(listing.names, QStringList{globalSettings().activeCss});
    EXPECT_EQ(listing.selectedIndex, 0);
    customShow() = CustomShow{};
    ASSERT_EQ(LoadCustomShow(), 0);
    EXPECT_EQ(customShow().slide(1).picture, picture);
    EXPECT_EQ(customShow().slide(1).audio, sound);
    EXPECT_EQ(decodePictureFile(customShow().slide(1).picture, QSize()).code, LoadResult::Loaded);
    EXPECT_TRUE(readSoundFile(customShow().slide(1).audio, 1 << 20).problem.isEmpty());

    ASSERT_TRUE(writeRawNamedPicture(encodeFileName(dataPath(QString::fromUtf8("café.jpg")))));
    writeDataFile("show.css", "\"Quintavue\",,,,,,,1\r\n\"" + encodeFileName(globalSettings().slideshowPath)
                                  + "caf\xE9.jpg\",\"\",1,2,3,\"\",0\r\n");
    globalSettings().activeCss = QStringLiteral("show.css");
    ASSERT_EQ(LoadCustomShow(), 0);
    EXPECT_EQ(customShow().slide(1).picture, dataPath(QString::fromUtf8("café.jpg")));
    EXPECT_TRUE(messages_.empty());
}

// A file that is not there or cannot be a file, a slide outside the show, a folder that is
// gone: each is refused with its reason, nothing is written and the show stays as it was.
TEST_F(CustomShowFile, WhatCannotBeReadOrWrittenIsReported)
{
    customShow() = showOf({beach});
    EXPECT_EQ(LoadCustomShow(), FileError::FileNotFound);
    for (const int position : {0, 2, -1})
        EXPECT_EQ(SaveSingleSlide(position), FileError::SubscriptOutOfRange);
    EXPECT_FALSE(QFile::exists(dataPath("show.css")));
    QDir().mkpath(dataPath("show.css"));
    EXPECT_EQ(LoadCustomShow(), FileError::PathFileAccessError);
    EXPECT_EQ(customShow().slideCount, 1);
    globalSettings().slideshowPath = folder_.path() + QStringLiteral("/gone/");
    EXPECT_EQ(SaveCustomShow(), FileError::PathNotFound);
    const QString outside = QStringLiteral("Error Saving data Subscript out of range");
    const QString inFolder = folder_.path() + QStringLiteral("/show.css");
    EXPECT_EQ(messageTexts(), (QStringList{"File not found\n" + inFolder, outside, outside, outside,
                                           fileErrorText(FileError::PathFileAccessError) + "\n" + inFolder,
                                           "Error Saving data Path not found\n" + folder_.path() + "/gone/show.css"}));
}

TEST_F(CustomShowFile, CommandLineNamesTheShowWhenItEndsInCss)
{
    writeDataFile("show.css", "\"Quintavue\",,,,,,,0\r\n");
    const QString elsewhere = folder_.path() + QStringLiteral("/trips/Holiday.css");
    writeFile(elsewhere, "\"Quintavue\",,,,,,,1\r\n\"/a.jpg\",\"\",1,2,3,\"\",0\r\n");

    const std::vector<std::pair<QString, int>> cases = {
        {elsewhere, 1},                                       // lower-case extension still counts
        {elsewhere.left(elsewhere.size() - 3) + "CSS", 1},    // the file's name is matched without case too
        {'"' + elsewhere + '"', 0},                           // a quoted path ends in a quote: the data folder's show
        {QStringLiteral("/S"), 0}};
    for (const auto& [commandLine, slides] : cases) {
        startupState().commandLine = commandLine;
        ASSERT_EQ(LoadCustomShow(), 0) << commandLine.toStdString();
        EXPECT_EQ(customShow().slideCount, slides) << commandLine.toStdString();
    }
}

TEST_F(CustomShowFile, FailedSaveKeepsThePreviousFile)
{
    const QByteArray previous = "\"Quintavue\",,,,,,,0\r\n";
    writeDataFile("show.css", previous);
    std::vector<SlideRecord> many(200, beach);
    customShow() = showOf(many);

    {
        const FileSizeLimit full(1000);
        EXPECT_EQ(SaveCustomShow(), FileError::DiskFull);
    }
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Error Saving data Disk full\n") + dataPath("show.css")});
    EXPECT_EQ(readFile(dataPath("show.css")), previous);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"show.css"});
}

// A link is followed to a regular file; a link to a pipe, a pipe itself, a link that
// leads nowhere are refused, and whatever stands there stays as it was.
TEST_F(CustomShowFile, OnlyARegularFileIsReplacedThroughALink)
{
    writeDataFile("real.css", "old");
    ASSERT_EQ(::mkfifo(encodeFileName(dataPath("pipe")).constData(), 0644), 0);
    const struct {
        const char* target;  // what show.css links to; nullptr: show.css is the pipe itself
        int error;
    } cases[] = {{"real.css", 0}, {"pipe", FileError::PathFileAccessError}, {"gone.css", FileError::PathFileAccessError},
                 {nullptr, FileError::PathFileAccessError}};
    for (const auto& c : cases) {
        QFile::remove(dataPath("show.css"));
        if (c.target != nullptr)
            ASSERT_TRUE(QFile::link(dataPath(QString::fromLatin1(c.target)), dataPath("show.css")));
        else
            ASSERT_EQ(::mkfifo(encodeFileName(dataPath("show.css")).constData(), 0644), 0);
        EXPECT_EQ(SaveCustomShow(), c.error) << (c.target ? c.target : "pipe");
        EXPECT_EQ(QFileInfo(dataPath("show.css")).isSymLink(), c.target != nullptr);
    }
    EXPECT_EQ(readFile(dataPath("real.css")), QByteArray("\"Quintavue\",,,,,,,0\r\n"));
    EXPECT_FALSE(QFileInfo(dataPath("pipe")).isFile());
    EXPECT_FALSE(QFileInfo::exists(dataPath("gone.css")));
}

// A file or folder the user made read-only is never replaced, not even by a superuser
// whom the system would let through; a new file in a read-only folder is refused too.
TEST_F(CustomShowFile, ReadOnlyFileOrFolderIsNotReplaced)
{
    using P = QFile::Permission;
    const QFile::Permissions readOnly = P::ReadOwner | P::ReadGroup | P::ReadOther, readWrite = readOnly | P::WriteOwner;
    const struct {
        bool fileExists;
        QFile::Permissions file, folder;
    } cases[] = {{true, readOnly, readWrite | P::ExeOwner}, {true, readWrite, readOnly | P::ExeOwner},
                 {false, readWrite, readOnly | P::ExeOwner}};
    const QByteArray previous = "\"Quintavue\",,,,,,,0\r\n";
    customShow() = showOf({beach});
    for (const auto& c : cases) {
        QFile::remove(dataPath("show.css"));
        if (c.fileExists) {
            writeDataFile("show.css", previous);
            ASSERT_TRUE(QFile::setPermissions(dataPath("show.css"), c.file));
        }
        ASSERT_TRUE(QFile::setPermissions(folder_.path(), c.folder));
        EXPECT_EQ(SaveCustomShow(), FileError::PermissionDenied);
        QFile::setPermissions(folder_.path(), readWrite | P::ExeOwner);
        EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden),
                  c.fileExists ? QStringList{"show.css"} : QStringList{});
        EXPECT_EQ(readFile(dataPath("show.css")), c.fileExists ? previous : QByteArray());
        EXPECT_EQ(QFile::permissions(dataPath("show.css")) & QFile::Permissions(0x7077), c.fileExists ? c.file : QFile::Permissions());
    }
    EXPECT_EQ(messageTexts(), QStringList(3, QStringLiteral("Error Saving data Permission denied\n") + dataPath("show.css")));
}

} // namespace
} // namespace qv::test
