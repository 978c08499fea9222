#include "show_data_fixture.h"

#include "showdata/file_discovery.h"
#include "showdata/random_file_lists.h"
#include "showdata/show_file_listing.h"
#include "startup/shared_routines.h"

#include <QCoreApplication>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

namespace qv::test {
namespace {

class FileDiscovery : public ShowDataTest {
protected:
    QString root() const { return folder_.path() + QStringLiteral("/media"); }
    void touch(const QStringList& relativePaths) const
    {
        for (const QString& path : relativePaths)
            writeFile(root() + QLatin1Char('/') + path, "x");
    }
    // The files found, relative to root().
    QStringList found(const std::vector<QString>& column, int count) const
    {
        QStringList names;
        for (int i = 1; i <= count; ++i)
            names.append(column[static_cast<std::size_t>(i)].mid(root().size() + 1));
        return names;
    }
    QStringList scan(bool withSubdirectories, MediaKind kind = MediaKind::Picture, int limit = maxFoundFiles) const
    {
        std::vector<QString> column(1);
        int count = 0;
        FoundFileList list(column, count, limit);
        ScanFolder(root(), withSubdirectories, list, kind);
        return found(column, count);
    }
};

// Only the kind's extensions in any case, no hidden file or folder; by pattern, then by
// name within a pattern; sub-folders depth first before a folder's own files; a full
// list keeps replacing its last entry.
TEST_F(FileDiscovery, FindsTheKindsFilesInPatternThenNameOrder)
{
    EXPECT_TRUE(scan(true).isEmpty()) << "a missing folder holds nothing";
    touch({"b.bmp", "c.jpg", "a.gif", "Z.GIF", "B.jpg", "a.JPG", "x.wmf", "y.tif", "t.tga", "p.pcx", "d.dib",
           "s.TIFF", "e.jpeg", "h.JXL", "g.avif", "f.heif", "i.HEIC", "w.webp", "n.png", "photo.jpe", "jpg",
           ".hidden.jpg", "a.jpg.txt", "song.WAV", "tune.mid", "x.midi", ".secret/in.jpg", "x/d.gif",
           "x/deeper/e.gif", "x/deeper/f.jpg", "W/g.gif", "y/h.bmp"});
    const QStringList own{"a.gif", "Z.GIF", "a.JPG", "B.jpg", "c.jpg", "b.bmp", "d.dib", "p.pcx", "t.tga", "y.tif",
                          "x.wmf", "n.png", "w.webp", "i.HEIC", "f.heif", "g.avif", "h.JXL", "e.jpeg", "s.TIFF"};
    EXPECT_EQ(scan(false), own);
    EXPECT_EQ(scan(true), QStringList({"W/g.gif", "x/d.gif", "x/deeper/e.gif", "x/deeper/f.jpg", "y/h.bmp"}) + own);
    EXPECT_EQ(scan(false, MediaKind::Audio), (QStringList{"song.WAV", "tune.mid"}));
    EXPECT_EQ(scan(false, MediaKind::Picture, 3), (QStringList{"a.gif", "Z.GIF", "s.TIFF"}));
}

// Photo archives unpacked from old zip files hold names in an 8-bit set: a Latin-1 folder
// and picture are found, below the folder too, and the path found holds the real bytes.
TEST_F(FileDiscovery, NamesThatAreNotUtf8AreFoundByTheirRealBytes)
{
    touch({QString::fromUtf8("Zoë.jpg"), QStringLiteral("sub.gif")});
    const QByteArray folder = encodeFileName(root()) + "/f\xF6to";
    ASSERT_TRUE(writeRawNamedPicture(folder + "/caf\xE9.jpg"));
    ASSERT_TRUE(writeRawNamedPicture(folder + "/below/b\xE4r.png"));
    const QString foto = decodeFileName("f\xF6to");
    const QStringList found = scan(true);
    EXPECT_EQ(found, (QStringList{foto + decodeFileName("/caf\xE9.jpg"), foto + decodeFileName("/below/b\xE4r.png"),
                                  "sub.gif", QString::fromUtf8("Zoë.jpg")}));
    ASSERT_EQ(found.size(), 4);
    EXPECT_EQ(displayFileName(found[0]), QString::fromUtf8("föto/café.jpg"));
    const QString picture = root() + u'/' + found[0];
    EXPECT_EQ(encodeFileName(picture), folder + "/caf\xE9.jpg");
}

TEST_F(FileDiscovery, SymbolicLinkCyclesAndSecondRoutesAreSearchedOnce)
{
    touch({"a/one.gif", "b/two.gif"});
    ASSERT_TRUE(QFile::link(root(), root() + QStringLiteral("/a/back-to-top")));
    ASSERT_TRUE(QFile::link(root() + QStringLiteral("/b"), root() + QStringLiteral("/a/also-b")));
    ASSERT_TRUE(QFile::link(root() + QStringLiteral("/nowhere"), root() + QStringLiteral("/a/dangling")));
    EXPECT_EQ(scan(true), (QStringList{"a/one.gif", "a/also-b/two.gif"}));
}

TEST_F(FileDiscovery, EventsRunDuringALongSearch)
{
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many.append(QStringLiteral("d%1/f.gif").arg(i));
    touch(many);
    bool handled = false;
    QTimer::singleShot(0, QCoreApplication::instance(), [&handled] { handled = true; });
    std::vector<QString> column(1);
    int count = 0;
    FoundFileList list(column, count);
    EventPump everyTime{std::chrono::milliseconds(0)};
    ScanSubdirectories(root() + QLatin1Char('/'), list, MediaKind::Picture, &everyTime);
    EXPECT_TRUE(handled);
    EXPECT_EQ(count, 200);
}

TEST_F(FileDiscovery, ShowFilesListedWithTheActiveOneSelected)
{
    for (const char* name : {"b.css", "A.CSS", "c.css.bak", ".hidden.css", "notes.txt"})
        writeDataFile(QString::fromLatin1(name), "x");
    const std::vector<std::pair<QString, int>> cases = {{"B.CSS", 1}, {"a.css", 0}, {"EMPTY", -1}, {"gone.css", -1}};
    for (const auto& [active, selected] : cases) {
        globalSettings().activeCss = active;
        const ShowFileListing listing = ListShowFiles();
        EXPECT_EQ(listing.names, (QStringList{"A.CSS", "b.css"}));
        EXPECT_EQ(listing.selectedIndex, selected) << active.toStdString();
    }
    globalSettings().slideshowPath = folder_.path() + QStringLiteral("/gone/");
    EXPECT_TRUE(ListShowFiles().names.isEmpty());
}

struct ProgramEnded {};

// The random show's lists follow its configuration: a folder named twice gives its
// pictures twice, sound sub-folders are searched when asked, a custom show's slides go.
// With no picture, the message names the first folder searched and the program ends.
TEST_F(FileDiscovery, RandomShowListsFollowTheConfigurationOrSayWhereTheyLookedAndEnd)
{
    setProgramEnd([] { throw ProgramEnded{}; });
    const struct Restore {
        ~Restore() { setProgramEnd(nullptr); }
    } restore;
    touch({"p/a.gif", "p/sub/b.gif", "s/x.wav", "s/sub/y.mid"});
    randomShowConfig() = RandomShowConfig{};
    randomShowConfig().pictureDirs = {"", root() + "/p", root() + "/p"};
    randomShowConfig().audioDirs = {"", root() + "/s"};
    randomShowConfig().audioSubdirs = 1;
    customShow() = showOf({slide("/old.jpg", "old", 1, 1, 1, "/old.wav", 1)});
    EXPECT_NO_THROW(BuildRandomFileLists());
    EXPECT_EQ(found(customShow().picture, customShow().pictureCount), (QStringList{"p/a.gif", "p/a.gif"}));
    EXPECT_EQ(found(customShow().audio, customShow().audioCount), (QStringList{"s/sub/y.mid", "s/x.wav"}));
    EXPECT_EQ(customShow().slideCount, 0);
    EXPECT_TRUE(messages_.empty());

    randomShowConfig().pictureDirs = {"", root() + "/empty", root() + "/also-empty"};
    EXPECT_THROW(BuildRandomFileLists(), ProgramEnded);
    ASSERT_EQ(messages_.size(), 1U);
    EXPECT_EQ(messages_[0].text, "No picture files were found in " + root()
                                              + "/empty   Please go to the screen saver setup screen and specify a correct directory.");
    EXPECT_EQ(messages_[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(customShow().audioCount, 2);
}

} // namespace
} // namespace qv::test
